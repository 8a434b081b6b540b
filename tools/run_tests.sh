#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# runs every test (each alone, then each executable whole and shuffled), then starts the game once in a real X window (Xvfb) and closes it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/test"

"$root/tools/install_deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNOTH_SANITIZE=ON >/dev/null
ninja -C "$build"

export SDL_VIDEODRIVER=offscreen
export ALSOFT_DRIVERS=null
export ASAN_OPTIONS=detect_leaks=0
export VARNOTH_NO_MESSAGE_BOXES=1

"$build/tools/varnoth_content" "$build/game"
# Every test case in a process of its own...
ctest --test-dir "$build" -j"$(nproc)" --output-on-failure
# ...and every test executable whole, in a shuffled order, three times over: a test that
# depends on what an earlier one left behind fails here (the seed is in its log).
"$root/tools/run_tests_whole.sh" "$build"

"$root/tools/smoke_test.sh" "$build"
