#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the result the way a
# desktop sees it: the programs and manual pages, the desktop entry, the
# textbook file type (recognised by name and by content), the icons and the
# metainfo, each validated with the desktop's own tools.
# usage: check-install.sh BUILD_DIR VERSION SAMPLE_BOOK
# Exit status 77 (skipped) when a validator is missing.
set -euo pipefail

build=$1 version=$2 book=$3
id=org.plbviewer.PlbViewer
for tool in desktop-file-validate appstreamcli update-mime-database gio; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/install-deps.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >"$work/install.log"

for f in bin/plbviewer bin/plbtool; do
  [ -x "$prefix/$f" ] || fail "$f is not an installed program"
done
for f in share/man/man1/plbviewer.1 share/man/man1/plbtool.1 \
         share/applications/$id.desktop share/mime/packages/$id.xml \
         share/metainfo/$id.metainfo.xml; do
  [ -s "$prefix/$f" ] || fail "$f is missing"
done
if grep -l '@PROJECT_VERSION@' "$prefix"/share/man/man1/*.1 "$prefix/share/metainfo/$id.metainfo.xml"; then
  fail "an unconfigured version is left"
fi
grep -q "^\.TH PLBVIEWER 1 .*plbviewer $version" "$prefix/share/man/man1/plbviewer.1" ||
  fail "the manual page carries another version"

# Icons: one PNG of each size, really that size.
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ ! -s "$icon" ]; then
    fail "icon ${size}x${size} is missing"
    continue
  fi
  header=$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')
  [ "$header" = "$(printf '%08x%08x' "$size" "$size")" ] ||
    fail "icon ${size}x${size} is $header"
done

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry invalid"
grep -qx 'Exec=plbviewer --book %f' "$prefix/share/applications/$id.desktop" ||
  fail "the desktop entry does not open files with --book"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "metainfo invalid"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo carries another version"

# The file type: the database builds, and a book is recognised by its name
# and, renamed, by its header.
XDG_DATA_DIRS=$prefix/share:/usr/share update-mime-database "$prefix/share/mime" 2>"$work/mime.log" || fail "mime database failed"
if [ -s "$work/mime.log" ]; then
  cat "$work/mime.log"
  fail "the mime database warned"
fi
cp "$book" "$work/book.plb"
cp "$book" "$work/book-without-extension"
printf 'not a book at all, just text\n' >"$work/notes"
type_of() {
  XDG_DATA_HOME=$work/none XDG_DATA_DIRS=$prefix/share:/usr/share \
    gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}
[ "$(type_of "$work/book.plb")" = application/x-plb-textbook ] || fail "book.plb is $(type_of "$work/book.plb")"
[ "$(type_of "$work/book-without-extension")" = application/x-plb-textbook ] ||
  fail "a book without its extension is $(type_of "$work/book-without-extension")"
[ "$(type_of "$work/notes")" != application/x-plb-textbook ] || fail "text taken for a book"

# The installed viewer answers --version without a display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/plbviewer" --version)
[ "$out" = "plbviewer $version" ] || fail "installed plbviewer --version printed '$out'"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install checks passed"
