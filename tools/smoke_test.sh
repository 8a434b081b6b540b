#!/usr/bin/env bash
# Starts the game in a real X window under Xvfb, sends it a close request and checks that it
# quits with status 0 and writes data/save/varnoth.cfg. Argument: the build folder.
set -uo pipefail
build="$(cd "$1" && pwd)"
game="$(mktemp -d)"
trap 'rm -rf "$game"' EXIT
# The content the test run generated (written anew when there is none).
content="$build/game"
if [ ! -d "$content/scene" ]; then
  "$(dirname "${BASH_SOURCE[0]}")/generate_content.sh" "$build/tools/varnoth_content" "$content" >/dev/null ||
    { echo "smoke: content generation failed"; exit 1; }
fi
cd "$game"
mkdir -p data
ln -s "$content/Data" Data
ln -s "$content/data/SFX" data/SFX
cp -r "$content/data/save" data/save
cp -r "$content/scene" scene
# Windowed 1024x768 (Xvfb has no display modes to switch to). The music volume 1.7 is
# clamped to 1 when read, so the file written at shutdown differs from this one.
printf '1.7\n0.5\n1024\n768\n24\n0.75\n10\n0\n0\n0\n1\n' > data/save/varnoth.cfg

unset SDL_VIDEODRIVER
# No leak check here: the game closes its GL and audio libraries on the way out and they unload
# their drivers, whose remaining allocations could not be told from the game's (the suites run
# with the check on, their libraries kept loaded to the end).
export ALSOFT_DRIVERS=null VARNOTH_NO_MESSAGE_BOXES=1 ASAN_OPTIONS=detect_leaks=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  "$0" & pid=$!
  sleep 4
  if ! kill -0 $pid 2>/dev/null; then wait $pid; echo "smoke: the game ended early with status $?"; exit 1; fi
  kill -TERM $pid          # SDL turns the signal into a close request
  for i in $(seq 1 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "smoke: the game did not quit"; kill -9 $pid; exit 1; fi
  wait $pid
' "$build/varnoth"
status=$?
if [ $status -ne 0 ]; then echo "smoke: exit status $status"; exit 1; fi
if [ "$(head -n 1 data/save/varnoth.cfg)" != "1.000000" ]; then
  echo "smoke: varnoth.cfg was not written at shutdown"; cat data/save/varnoth.cfg; exit 1
fi
echo "smoke: the game opened its window, quit on a close request and wrote varnoth.cfg"
