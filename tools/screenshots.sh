#!/usr/bin/env bash
# Screenshots of the status monitor's windows for checking their layout:
# the main window expanded and reduced, the pop-up selection dialog, the
# About box and the bitmap viewer, on a virtual desktop, into
# build/screenshots/. Uses an already built Windows tree.
#   tools/screenshots.sh [build tree (default build/win64)] [display number (default 33)]
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
tree=${1:-$root/build/win64}
display=${2:-33}
bin=$tree/bin
out=$root/build/screenshots
for f in statmon.exe TSTMON_J.dll; do
  [ -f "$bin/$f" ] || { echo "screenshots: $bin/$f is missing (build statmon and TSTMON_J)" >&2; exit 1; }
done
mkdir -p "$out"
if file "$bin/statmon.exe" | grep -q 'x86-64'; then
  loader=/usr/lib/wine/wine64 server=/usr/lib/wine/wineserver64 arch=win64
else
  loader=/usr/lib/wine/wine server=/usr/lib/wine/wineserver32 arch=win32
fi
prefix=$tree/screenshotprefix
work=$(mktemp -d)
cp "$bin"/statmon.exe "$bin"/TSTMON_J.dll "$work"/
[ -f "$bin/TSPOOL_J.dll" ] && cp "$bin/TSPOOL_J.dll" "$work"/
# The sample configuration, with the bitmap viewer command kept.
sed 's/^BmpDebug=0/BmpDebug=1/' monitor/sample/qxstatus.ini > "$work/statmon.ini"

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
cleanup() {
  WINEPREFIX=$prefix "$server" -k >/dev/null 2>&1
  kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
sleep 1

run() {
  "$root/cmake/wine-run.sh" --loader "$loader" --server "$server" --arch "$arch" \
    --prefix "$prefix" --version winxp -- "$@"
}

# The whole virtual desktop: its windows have no X windows of their own to crop to.
shoot() {  # shoot <file>
  import -window root "$out/$1" && echo "screenshots: $out/$1"
}

# A virtual desktop gives the windows frames.
( cd "$work" && run explorer.exe /desktop=shots,1024x768 statmon.exe >/dev/null 2>&1 ) &
for _ in $(seq 100); do
  sleep 0.3
  xwininfo -root -tree 2>/dev/null | grep -q -i 'Wine desktop' && break
done
sleep 5   # the monitor starts inside the desktop
window=$(xdotool search --name 'Wine desktop' 2>/dev/null | head -n1)
[ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null
keys() { xdotool key --delay 150 "$@"; sleep 1.5; }

shoot main-expanded.png
keys alt+d r                      # Display > Status (reduced)
shoot main-reduced.png
keys alt+d e                      # Display > Status (expanded)
keys alt+d s                      # Display > Select pop-up messages
shoot popup-selection.png
keys Escape
keys alt+h a                      # Help > About
shoot about.png
keys Escape
keys alt+d Down Down Down Down Return   # Display > Bitmap viewer
shoot bitmap-viewer.png
keys Escape
