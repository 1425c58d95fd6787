#!/bin/sh
# Takes the reader's guide's screenshots of the viewer: starts a virtual X
# display (Xvfb, no window manager), opens the sample textbook at page 10,
# drives the viewer with xdotool and writes 8-bit PNGs cropped to its windows:
#   reader-page.png       a page
#   reader-subpage.png    a sub-page opened from the link "фокусом"
#   reader-history.png    the drop-down menu of the Back button
#   reader-bookmarks.png  the drop-down menu of the bookmarks button
#   reader-info.png       the information window (F1)
#   reader-find.png       the find window (Ctrl+F) and the page found
#
# usage: scripts/screenshots.sh BUILD_DIR OUT_DIR
# Needs Xvfb, xdotool and ImageMagick (import, convert).
set -eu

if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR OUT_DIR" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
viewer=$build/bin/plbviewer
book=$build/bin/data/TextBook.plb
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "error: $tool is not installed" >&2; exit 1; }
done
[ -x "$viewer" ] || { echo "error: $viewer not built" >&2; exit 1; }

# A free display number, a private home and a wide screen, so that the find
# window fits beside the main window.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
work=$(mktemp -d)
xvfb_pid=
viewer_pid=
cleanup() {
  if [ -n "$viewer_pid" ]; then kill "$viewer_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT INT TERM

Xvfb ":$display" -screen 0 1700x1000x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
tries=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
  tries=$((tries + 1))
  [ $tries -lt 50 ] || { echo "error: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done

HOME=$work XDG_CONFIG_HOME=$work/config "$viewer" --book "$book" 10 >"$work/viewer.log" 2>&1 &
viewer_pid=$!
main=$(xdotool search --sync --onlyvisible --pid "$viewer_pid" | head -n 1)
sleep 1

# Shot NAME [WINDOW...]: the screen cropped to the given windows, or to every
# visible window of the viewer (pop-up menus and the find window included).
shot() {
  name=$1
  shift
  windows=${*:-$(xdotool search --onlyvisible --pid "$viewer_pid")}
  box=$(for w in $windows; do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    echo "$X $Y $((X + WIDTH)) $((Y + HEIGHT))"
  done | awk 'NR == 1 { l = $1; t = $2; r = $3; b = $4 }
              { if ($1 < l) l = $1; if ($2 < t) t = $2; if ($3 > r) r = $3; if ($4 > b) b = $4 }
              END { printf "%dx%d+%d+%d", r - l, b - t, l, t }')
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "$box" +repage -colors 256 "PNG8:$out/$name.png"
  echo "$out/$name.png"
}

# Clicks at a point of the main window (client coordinates).
click() {
  xdotool mousemove --window "$main" "$1" "$2" click 1
  sleep 0.7
}

# The page view lies at (5, 5) of the window, unzoomed: page coordinates + 5.
click 400 300 # gives the window the keyboard focus
shot reader-page "$main"

click 577 97 # the link "фокусом" (plbtool layout: 541,83-604,102)
sleep 1
shot reader-subpage "$main"

click 600 100 # a click on the sub-page's text closes it
for key in Right Right space Right Right space; do
  xdotool key "$key"
  sleep 0.4
done
click 189 488 # the arrow of the Back button
shot reader-history
xdotool key Escape
sleep 0.4

click 271 488 # the arrow of the bookmarks button
shot reader-bookmarks
xdotool key Escape
sleep 0.4

click 400 300
xdotool key F1
info=$(xdotool search --sync --onlyvisible --name 'Информация о программе' | head -n 1)
sleep 0.7
shot reader-info "$info"
xdotool key Escape
sleep 0.4

click 400 300
xdotool key ctrl+f
sleep 0.7
xdotool type --delay 60 'линза'
xdotool key Return # lists the pages found
sleep 0.7
xdotool key Down Return # shows the second page found
sleep 1
shot reader-find
