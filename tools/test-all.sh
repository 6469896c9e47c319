#!/usr/bin/env bash
# The whole test command: installs what is missing, builds the three presets and
# runs the native tests, the 64-bit twin's Windows tests and, where this machine
# runs 32-bit code, the shipped 32-bit build's Windows tests.
#   TOLVAN_SKIP_32BIT=1  skip the 32-bit Windows tests even where they could run
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash .ci/install-deps || { echo "test-all: installing the build's packages failed" >&2; exit 1; }

jobs=$(nproc)
build() {
  cmake --preset "$1" >/dev/null && cmake --build --preset "$1" -j "$jobs" ||
    { echo "test-all: building preset $1 failed" >&2; exit 1; }
}
build native
build win64
build windows

# One X server for every test that opens a window.
xvfb_log=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$xvfb_log" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$xvfb_log" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$xvfb_log")"
cleanup() {
  WINEPREFIX=$root/build/win64/wineprefix /usr/lib/wine/wineserver64 -k >/dev/null 2>&1
  WINEPREFIX=$root/build/windows/wineprefix /usr/lib/wine/wineserver32 -k >/dev/null 2>&1
  kill "$xvfb_pid" 2>/dev/null; rm -f "$xvfb_log"
}
trap cleanup EXIT

status=0
ctest --preset native || status=1
ctest --preset win64 || status=1
if [ "${TOLVAN_SKIP_32BIT:-0}" = 1 ]; then
  echo "test-all: 32-bit Windows tests skipped: TOLVAN_SKIP_32BIT=1 is set"
elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo "test-all: 32-bit Windows tests skipped: this machine cannot run 32-bit code (the 32-bit Wine loader does not start)"
else
  ctest --preset windows || status=1
fi
exit $status
