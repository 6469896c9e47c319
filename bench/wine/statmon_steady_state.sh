#!/usr/bin/env bash
# Measures the status monitor in steady-state polling of the simulated printer
# against a trivial idle dialog program under the same Wine: CPU time (user +
# system, from /proc) over a window of seconds, and resident memory at its end.
#   bench/wine/statmon_steady_state.sh [seconds]      (default 60)
# Writes the table to build/bench/statmon_steady_state.txt as well.
set -uo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
seconds=${1:-60}
session=bench
. tools/lib/sim_session.sh
session_choose_build
session_build
session_prepare_run_dir
session_start_x
session_register_printer

ticks=$(getconf CLK_TCK)
pid_of() { pgrep -x "$1" | head -n1 | grep .; }
cpu_ms() { awk -v t="$ticks" '{print int(($14 + $15) * 1000 / t)}' "/proc/$1/stat"; }
rss_kb() { awk '/^VmRSS/{print $2}' "/proc/$1/status"; }

measure() {  # label, program
  local label=$1 program=$2 pid before after server_before server_after spid
  ( cd "$run_dir" && run "$program" >/dev/null 2>&1 ) &
  session_wait_for 30 pid_of "$program" >/dev/null || { echo "$session: $program did not start" >&2; exit 1; }
  pid=$(pid_of "$program")
  if [ "$program" = statmon.exe ]; then
    # Steady state: the connection cycle is over once READs repeat.
    session_wait_for 90 session_reads_beyond 2 || { echo "$session: the monitor never polled" >&2; exit 1; }
  else
    sleep 3
  fi
  spid=$(pgrep -f wineserver | head -n1)
  before=$(cpu_ms "$pid"); server_before=$(cpu_ms "$spid")
  local reads_before; reads_before=$(session_reads)
  sleep "$seconds"
  after=$(cpu_ms "$pid"); server_after=$(cpu_ms "$spid")
  printf '%-28s %10d ms %12d ms %10d KiB %8d\n' "$label" $((after - before)) \
    $((server_after - server_before)) "$(rss_kb "$pid")" $(( $(session_reads) - reads_before ))
  kill "$pid" 2>/dev/null
  session_wait_for 10 bash -c "! kill -0 $pid 2>/dev/null"
}

mkdir -p "$root/build/bench"
result=$root/build/bench/statmon_steady_state.txt
{
  echo "over ${seconds} s of steady state ($preset build, $(/usr/lib/wine/wine64 --version))"
  printf '%-28s %13s %15s %14s %8s\n' program "CPU time" "wineserver CPU" "resident" READs
  measure "idle dialog (baseline)" idle_dialog.exe
  measure "statmon, simulated printer" statmon.exe
} | tee "$result"
echo "$session: results in $result"
