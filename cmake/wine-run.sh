#!/usr/bin/env bash
# Runs one Windows program under Wine for CTest (or by hand):
#   wine-run.sh --loader L --server S --arch win32|win64 --prefix DIR --version V -- prog.exe [args]
# Creates the prefix on first use, keeps a persistent wineserver with its
# services detached from our pipes (or CTest would wait on them forever), sets
# the Windows personality V for prog.exe and runs it in the zh_CN locale.
set -euo pipefail
loader= server= arch= prefix= version=winxp
while [ $# -gt 0 ]; do
  case "$1" in
    --loader) loader=$2; shift 2;;
    --server) server=$2; shift 2;;
    --arch) arch=$2; shift 2;;
    --prefix) prefix=$2; shift 2;;
    --version) version=$2; shift 2;;
    --) shift; break;;
    *) echo "wine-run: unknown option $1" >&2; exit 2;;
  esac
done
[ $# -ge 1 ] || { echo "wine-run: no program" >&2; exit 2; }

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --loader "$loader" --server "$server" \
    --arch "$arch" --prefix "$prefix" --version "$version" -- "$@"
fi

export WINEPREFIX=$prefix WINEARCH=$arch WINELOADER=$loader WINESERVER=$server
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

# The lock descriptor is closed for every child: a persistent wineserver that
# inherited it would hold the lock for good.
quiet() { "$@" </dev/null >/dev/null 2>&1 9>&-; }

mkdir -p "$(dirname "$prefix")"
(
  flock 9
  if [ ! -f "$prefix/.tolvan-ready" ]; then
    rm -rf "$prefix"
    quiet "$loader" wineboot -i
    quiet "$loader" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    quiet "$server" -w
    touch "$prefix/.tolvan-ready"
  fi
  quiet "$server" -p || true   # fails when a server already runs: fine
  quiet "$loader" cmd /c exit
) 9>"$prefix.lock"

# Unix paths handed to the program in Windows form (Z: maps the root).
winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }
[ -n "${TOLVAN_BIN:-}" ] && export TOLVAN_BIN_WIN=$(winpath "$TOLVAN_BIN")
[ -n "${TOLVAN_SOURCE:-}" ] && export TOLVAN_SOURCE_WIN=$(winpath "$TOLVAN_SOURCE")

prog=$1; shift
quiet "$loader" reg add "HKCU\\Software\\Wine\\AppDefaults\\$(basename "$prog")" /v Version /d "$version" /f
exec "$loader" "$prog" "$@"
