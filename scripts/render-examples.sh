#!/bin/sh
# Renders the pictures of the author's guide with plbtool, so that they show
# what the program does and cannot drift from it:
#   - every docs/examples/NAME.tag at the size listed below, to OUT_DIR/NAME.png;
#   - a few pages of the sample textbook, to OUT_DIR/page-N.png.
# With --check it also verifies that each markup block of docs/AUTHORS_GUIDE.md
# marked <!-- example: NAME --> holds exactly the text of docs/examples/NAME.tag,
# and that every example is shown in the guide; with --update it rewrites
# those blocks from the files instead.
#
# usage: scripts/render-examples.sh BUILD_DIR OUT_DIR [--check | --update]
# Exit status: 0 all rendered (and the guide matches); 1 otherwise.
set -eu

if [ $# -lt 2 ]; then
  echo "usage: $0 BUILD_DIR OUT_DIR [--check | --update]" >&2
  exit 2
fi
build=$1
out=$2
mode=${3:-}
src=$(cd "$(dirname "$0")/.." && pwd)
examples=$src/docs/examples
guide=$src/docs/AUTHORS_GUIDE.md
plbtool=$build/bin/plbtool
book=$build/bin/data/TextBook.plb
export QT_QPA_PLATFORM=offscreen

[ -x "$plbtool" ] || { echo "error: $plbtool not built" >&2; exit 1; }
mkdir -p "$out"
failed=0

# Example name and the page size it is drawn at.
sizes='
fonts 460x120
paragraphs 460x190
indices 460x100
links 460x90
colours 460x90
boxes 460x110
styles 460x50
spaces 460x90
pictures 460x130
background 460x60
vector 460x130
'

# The pictures are kept in the repository: 8-bit colour when ImageMagick is
# installed (not when only checking, to keep that quick).
shrink() {
  if [ "$mode" != "--check" ] && command -v convert >/dev/null; then
    convert "$1" -colors 256 "PNG8:$1"
  fi
}

size_of() {
  echo "$sizes" | awk -v n="$1" '$1 == n { print $2 }'
}

for tag in "$examples"/*.tag; do
  name=$(basename "$tag" .tag)
  size=$(size_of "$name")
  if [ -z "$size" ]; then
    echo "error: $name.tag has no size in $0" >&2
    failed=1
    continue
  fi
  if "$plbtool" render --markup "$tag" --size "$size" -o "$out/$name.png"; then
    shrink "$out/$name.png"
  else
    echo "error: $name.tag did not render" >&2
    failed=1
  fi
  # A picture that cannot be found leaves nothing on the page and no error:
  # every macro of the example must have become an object.
  macros=$(grep -o -i '<macros *=' "$tag" | wc -l)
  objects=$("$plbtool" layout --markup "$tag" --size "$size" | grep -o '"macro": *{' | wc -l)
  if [ "$macros" -ne "$objects" ]; then
    echo "error: $name.tag has $macros macro(s) but $objects object(s) on the page" >&2
    failed=1
  fi
done

# Sample book pages: 31 (indices), 32 (side boxes), 44 (an inline vector
# picture) and the sub-page 100 at its own size.
for entry in 31:762x463 32:762x463 44:762x463 100:340x190; do
  page=${entry%%:*}
  if "$plbtool" render "$book" --page "$page" --size "${entry#*:}" \
      -o "$out/page-$page.png"; then
    shrink "$out/page-$page.png"
  else
    echo "error: page $page of the sample book did not render" >&2
    failed=1
  fi
done

# The guide's markup blocks: a line <!-- example: NAME --> followed by a fenced
# block that must hold exactly the text of docs/examples/NAME.tag.
if [ "$mode" = "--check" ] || [ "$mode" = "--update" ]; then
  blocks=$(mktemp -d)
  trap 'rm -rf "$blocks"' EXIT
  # Writes each block's text to $blocks/NAME.tag; with --update also writes
  # the guide with every block taken from its file to $blocks/guide.md.
  awk -v dir="$blocks" -v examples="$examples" '
    function flush() { if (name != "") close(dir "/" name ".tag") }
    /^<!-- example: [A-Za-z0-9_-]+ -->$/ {
      name = $3; print > (dir "/guide.md"); want_fence = 1; next
    }
    want_fence && /^```/ {
      print > (dir "/guide.md"); want_fence = 0; inside = 1
      printf "" > (dir "/" name ".tag")
      file = examples "/" name ".tag"
      while ((getline line < file) > 0) print line > (dir "/guide.md")
      close(file)
      next
    }
    inside && /^```$/ { inside = 0; flush(); name = ""; print > (dir "/guide.md"); next }
    inside { print > (dir "/" name ".tag"); next }
    { want_fence = 0; print > (dir "/guide.md") }
  ' "$guide"
  for shown in "$blocks"/*.tag; do
    [ -e "$shown" ] || continue
    name=$(basename "$shown")
    if [ ! -e "$examples/$name" ]; then
      echo "error: the guide shows $name, which docs/examples does not hold" >&2
      failed=1
    elif [ "$mode" = "--check" ] && ! cmp -s "$shown" "$examples/$name"; then
      echo "error: the guide's block for $name differs from docs/examples/$name" >&2
      failed=1
    fi
  done
  for tag in "$examples"/*.tag; do
    if [ ! -e "$blocks/$(basename "$tag")" ]; then
      echo "error: docs/examples/$(basename "$tag") is not shown in the guide" >&2
      failed=1
    fi
  done
  if [ "$mode" = "--update" ]; then
    cp "$blocks/guide.md" "$guide"
  fi
fi

exit $failed
