#!/bin/sh
# The guides cannot drift from the program silently: every example of the
# author's guide renders with this build's plbtool and the guide prints each
# example's own markup; every picture either guide shows exists.
# usage: tests/docs/check-guides.sh BUILD_DIR
set -eu
build=$1
src=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
"$src/scripts/render-examples.sh" "$build" "$work" --check || failed=1
# The screenshots need a display and take a while; here only their script's
# syntax is checked.
sh -n "$src/scripts/screenshots.sh" || failed=1

for guide in READERS_GUIDE.md AUTHORS_GUIDE.md; do
  # Markdown pictures: ![text](images/NAME.png)
  for picture in $(grep -o '](images/[^)]*)' "$src/docs/$guide" | sed 's/^](//; s/)$//'); do
    if [ ! -f "$src/docs/$picture" ]; then
      echo "error: $guide shows $picture, which does not exist" >&2
      failed=1
    fi
  done
done
exit $failed
