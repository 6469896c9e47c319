#!/usr/bin/env bash
# The suite's main job on the built-in simulated printer: builds everything,
# prepares a Wine prefix, registers the simulated printer through the spooler
# emulation, starts the status monitor and walks the printer through a short
# story (ready, a three-page job, a paper jam, toner low, ready again), saving
# a screenshot of the monitor's window and of the notification area at each
# stage.
#   TOLVAN_DEMO_OUT=<dir>   where the screenshots go (default build/demo)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash .ci/install-deps || { echo "demo: installing the build's packages failed" >&2; exit 1; }

session=demo
. tools/lib/sim_session.sh
session_choose_build
session_build
out=${TOLVAN_DEMO_OUT:-$root/build/demo}
rm -rf "$out" && mkdir -p "$out"
session_prepare_run_dir "$root/sim/printer/sample/demo_story.ini"
session_start_x
session_register_printer

timeline_done() {
  tr -d '\r' <"$run_dir/TSIMMON.INI" | awk -F= '/^\[/{s=$0} s=="[Runtime]" && $1=="TimelineDone"{print $2}' |
    tail -n1 | grep . || echo 0
}
timeline_at_least() { [ "$(timeline_done)" -ge "$1" ]; }

# A virtual desktop gives the window a frame, a task bar and a notification area.
( cd "$run_dir" && run explorer.exe /desktop=shell,1024x768 statmon.exe >/dev/null 2>&1 ) &

shoot() {  # name
  local whole=$out/$1-screen.png rect
  sleep 1  # the last reply drawn
  import -window root "$whole"
  rm -f "$run_dir/rect.txt" "$run_dir/tray.txt"
  ( cd "$run_dir" && run explorer.exe /desktop=shell,1024x768 window_rect.exe PLMStatusClass__ rect.txt 5 &&
    run explorer.exe /desktop=shell,1024x768 window_rect.exe Shell_TrayWnd tray.txt 5 --tray ) >/dev/null 2>&1
  if read -r x y w h <"$run_dir/rect.txt" 2>/dev/null; then
    convert "$whole" -crop "${w}x${h}+${x}+${y}" +repage "$out/$1-window.png"
  fi
  if read -r x y w h <"$run_dir/tray.txt" 2>/dev/null; then
    # The notification area is the right end of the task bar; enlarged to be seen.
    [ "$w" -gt 160 ] && x=$((x + w - 160)) w=160
    convert "$whole" -crop "${w}x${h}+${x}+${y}" +repage -scale 300% "$out/$1-tray.png"
  fi
  echo "demo: $1: $(ls "$out"/"$1"-*.png | xargs -n1 basename | tr '\n' ' ')"
}

# Each stage waits for the printer to reach it on its timeline and for the
# monitor to have read the printer twice since.
stage() {  # name, timeline step
  local name=$1 step=$2 seen
  session_wait_for 120 timeline_at_least "$step" || echo "demo: $name: the printer did not reach this stage"
  seen=$(session_reads)
  session_wait_for 60 session_reads_beyond $((seen + 1)) || echo "demo: $name: the monitor stopped reading the printer"
  shoot "$name"
}

session_wait_for 60 session_reads_beyond 0 || { echo "demo: the monitor never reached the printer; see $log" >&2; exit 1; }
stage 1-ready 0
stage 2-printing 3
stage 3-job-complete 4
stage 4-paper-jam 5
stage 5-toner-low 6
stage 6-ready-again 7
cp "$log" "$out/printer-requests.log"
echo "demo: screenshots and the printer's request log are in $out"
