#!/usr/bin/env bash
# Runs each test executable of a build whole, with --gtest_shuffle --gtest_repeat=3, several
# at once; prints the log of every one that fails and exits non-zero if any did.
# Usage: tools/run_tests_whole.sh BUILD_DIR [NAME_PATTERN]
set -euo pipefail
build="$(cd "$1" && pwd)"
pattern="${2:-test_*}"
logs="$build/tests/whole"
rm -rf "$logs"
mkdir -p "$logs"
export SDL_VIDEODRIVER="${SDL_VIDEODRIVER:-offscreen}"
export ALSOFT_DRIVERS="${ALSOFT_DRIVERS:-null}"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export VARNOTH_NO_MESSAGE_BOXES=1

cd "$build/tests"
find . -maxdepth 1 -type f -executable -name "$pattern" -printf '%f\n' | sort |
  xargs -P"$(nproc)" -I{} sh -c \
    './"$1" --gtest_shuffle --gtest_repeat=3 --gtest_brief=1 >"$2/$1.log" 2>&1 || echo "$1" >>"$2/failed"' \
    _ {} "$logs"

if [ -s "$logs/failed" ]; then
  while read -r name; do
    echo "==== $name failed when run whole and shuffled:"
    tail -n 60 "$logs/$name.log"
  done <"$logs/failed"
  echo "Failed whole and shuffled: $(tr '\n' ' ' <"$logs/failed")"
  exit 1
fi
echo "Every test executable passed whole and shuffled, three times over."
