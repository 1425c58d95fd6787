#!/bin/sh
# Packs each book as an EPUB with plbtool and validates it with epubcheck;
# fails on any error or warning epubcheck reports. Exit status 77 (skipped)
# when epubcheck or Java is not installed (scripts/install-deps.sh installs them).
# usage: check-epub.sh PLBTOOL BOOK...   (a .plb file or a book's source folder)
set -u
plbtool=$1
shift
jar=/usr/share/java/epubcheck.jar
if [ -f "$jar" ] && command -v java >/dev/null; then
    epubcheck() { java -jar "$jar" "$@"; }
else
    echo "skipped: epubcheck and Java are needed (scripts/install-deps.sh)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for book in "$@"; do
    if [ -d "$book" ]; then
        packed="$work/$(basename "$book").plb"
        "$plbtool" pack "$book" -o "$packed" || { status=1; continue; }
        book=$packed
    fi
    epub="$work/$(basename "$book" .plb).epub"
    if ! "$plbtool" export "$book" --epub "$epub"; then
        echo "FAIL $book: plbtool export --epub failed"
        status=1
        continue
    fi
    report=$(epubcheck "$epub" 2>&1)
    echo "$report"
    # "Messages: 0 fatals / 0 errors / 0 warnings / 0 infos" is the only pass.
    if ! echo "$report" | grep -q "Messages: 0 fatals / 0 errors / 0 warnings"; then
        echo "FAIL $book: epubcheck reported problems"
        status=1
    fi
done
exit $status
