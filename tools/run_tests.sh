#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# generates the content once and runs every test executable whole and shuffled (CTest, as many
# side by side as there are cores), then starts the game once in a real X window (Xvfb) and
# closes it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/test"

"$root/tools/install_deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOTH_SANITIZE=ON >/dev/null
ninja -C "$build"

# The content fixture writes build/test/game first; the tests that play real scenes share it.
ctest --test-dir "$build" -j"$(nproc)" --output-on-failure

"$root/tools/smoke_test.sh" "$build"
