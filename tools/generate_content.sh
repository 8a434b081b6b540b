#!/usr/bin/env bash
# Writes the game's content with a build's generator into OUT, whole or not at all: the tree
# is written beside OUT and renamed into place once the generator has finished, so a folder
# named OUT is always complete. Usage: tools/generate_content.sh GENERATOR OUT
set -euo pipefail
generator=$1
out=$2
rm -rf "$out.new"
if ! "$generator" "$out.new" >/dev/null; then
  rm -rf "$out.new"
  echo "content generation failed: $generator $out" >&2
  exit 1
fi
rm -rf "$out"
mv "$out.new" "$out"
echo "content written to $out"
