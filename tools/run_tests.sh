#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer (and
# the fast variant of the libraries for the played suites), generates the content once and
# runs every test executable whole and shuffled (CTest, as many side by side as there are
# cores), then starts the game once in a real X window (Xvfb) and closes it. Each phase
# prints how long it took.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/test"
start=$SECONDS
phase() { echo "== $1 done after $((SECONDS - start)) s"; }

"$root/tools/install_deps.sh"
phase "install"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOTH_SANITIZE=ON >/dev/null
ninja -C "$build"
phase "build"

# The content fixture writes build/test/game first; the tests that play real scenes share it.
ctest --test-dir "$build" -j"$(nproc)" --output-on-failure
phase "tests"

"$root/tools/smoke_test.sh" "$build"
phase "smoke test"
