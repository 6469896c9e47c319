# Shared by the demo and the scripted measurements: picks the build this
# machine can run, builds it, starts an X server, and runs the monitor with the
# simulated printer from a copy of the programs in a prefix of its own.
# Source it from the repository root after setting `session` (a short name).

# The shipped 32-bit build where this machine runs 32-bit code, else the twin.
session_choose_build() {
  if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    preset=windows loader=/usr/lib/wine/wine server=/usr/lib/wine/wineserver32 arch=win32
    echo "$session: running the shipped 32-bit build (build/windows/bin)"
  else
    preset=win64 loader=/usr/lib/wine/wine64 server=/usr/lib/wine/wineserver64 arch=win64
    echo "$session: this machine cannot run 32-bit code; running the 64-bit twin (build/win64/bin)"
  fi
  prefix=$root/build/$preset/$session-prefix
  run_dir=$root/build/$preset/$session-run
}

session_build() {
  echo "$session: building (the first build takes a few minutes)"
  cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" -j "$(nproc)" >/dev/null ||
    { echo "$session: building preset $preset failed" >&2; exit 1; }
}

session_start_x() {
  xvfb_log=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$xvfb_log" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$xvfb_log" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$xvfb_log")"
  trap session_cleanup EXIT
}

session_cleanup() {
  WINEPREFIX=$prefix "$server" -k >/dev/null 2>&1
  kill "$xvfb_pid" 2>/dev/null; rm -f "$xvfb_log"
}

run() {
  "$root/cmake/wine-run.sh" --loader "$loader" --server "$server" --arch "$arch" \
    --prefix "$prefix" --version "${personality:-winxp}" -- "$@"
}

# Copies the programs and makes the printer's state file from the sample, its
# warnings removed, with the story file (if any) added.
session_prepare_run_dir() {  # [story file]
  rm -rf "$run_dir" && mkdir -p "$run_dir"
  cp "$root/build/$preset/bin/"*.exe "$root/build/$preset/bin/"*.dll \
    "$root/build/$preset/bin/statmon.ini" "$run_dir/"
  python3 - "$root/sim/printer/sample/TSIMMON.INI" "${1:-}" "$run_dir/TSIMMON.INI" <<'PY'
import re, sys
sample, story, target = sys.argv[1:]
text = open(sample, encoding="latin-1").read()
text = re.sub(r"(?ms)^\[Warnings\]\n.*?(?=^\[|\Z)", "[Warnings]\n\n", text)
if story:
    text += "\n" + open(story, encoding="latin-1").read()
open(target, "w", encoding="latin-1", newline="\r\n").write(text)
PY
  log=$run_dir/TSIMMON.LOG
}

# The spooler emulation, on which the simulated printer is a port monitor.
session_register_printer() {
  ( cd "$run_dir" && run reg add 'HKCU\Software\TOLVAN\TSPOOL_J' /f >/dev/null 2>&1
    run simprinter.exe remove >/dev/null 2>&1
    run simprinter.exe install ) ||
    { echo "$session: registering the simulated printer failed" >&2; exit 1; }
  echo "$session: the simulated printer is registered through the spooler emulation"
}

# Number of READ requests the printer has answered so far.
session_reads() {
  local n=0
  [ -f "$log" ] && n=$(tr -d '\r' <"$log" | grep -c $'\tREQUEST\tREAD$')
  echo "${n:-0}"
}

session_wait_for() {  # seconds, then a condition command
  local limit=$1; shift
  for _ in $(seq $((limit * 5))); do "$@" && return 0; sleep 0.2; done
  return 1
}
session_reads_beyond() { [ "$(session_reads)" -gt "$1" ]; }
