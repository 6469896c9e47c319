#!/usr/bin/env bash
# The suite's main job on the built-in simulated printer: builds everything,
# prepares a Wine prefix, starts the status monitor with the sample
# configuration and saves a screenshot of its window.
#   TOLVAN_DEMO_OUT=<dir>   where the screenshots go (default build/demo)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash .ci/install-deps || { echo "demo: installing the build's packages failed" >&2; exit 1; }

# The shipped 32-bit build where this machine runs 32-bit code, else the twin.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  preset=windows loader=/usr/lib/wine/wine server=/usr/lib/wine/wineserver32 arch=win32
  echo "demo: running the shipped 32-bit build (build/windows/bin)"
else
  preset=win64 loader=/usr/lib/wine/wine64 server=/usr/lib/wine/wineserver64 arch=win64
  echo "demo: this machine cannot run 32-bit code; running the 64-bit twin (build/win64/bin)"
fi
cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$(nproc)" >/dev/null ||
  { echo "demo: building preset $preset failed" >&2; exit 1; }
bin=$root/build/$preset/bin
out=${TOLVAN_DEMO_OUT:-$root/build/demo}
mkdir -p "$out"

xvfb_log=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$xvfb_log" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$xvfb_log" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$xvfb_log")"
prefix=$root/build/$preset/demoprefix
cleanup() {
  WINEPREFIX=$prefix "$server" -k >/dev/null 2>&1
  kill "$xvfb_pid" 2>/dev/null; rm -f "$xvfb_log"
}
trap cleanup EXIT

run() {
  "$root/cmake/wine-run.sh" --loader "$loader" --server "$server" --arch "$arch" \
    --prefix "$prefix" --version winxp -- "$@"
}

# A virtual desktop gives the window a frame, a task bar and a notification area.
( cd "$bin" && run explorer.exe /desktop=shell,1024x768 statmon.exe >/dev/null 2>&1 ) &
shot=$out/statmon-main-window.png
for _ in $(seq 150); do
  sleep 0.2
  xwininfo -root -tree 2>/dev/null | grep -q -i 'Wine desktop' && break
done
sleep 6   # the monitor starts inside the desktop
import -window root "$shot"
echo "demo: screenshot of the status monitor saved to $shot"
