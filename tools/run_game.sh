#!/usr/bin/env bash
# Installs what is missing, builds the game, generates its content and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/release"

"$root/tools/install_deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVARNOTH_TESTS=OFF -DVARNOTH_BENCH=OFF >/dev/null
ninja -C "$build" varnoth varnoth_content
"$build/tools/varnoth_content" "$build/game"
cd "$build/game"
exec "$build/varnoth" "$@"
