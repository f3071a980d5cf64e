#!/bin/bash
# The clock's resident memory before the help browser opens, with it open,
# and 30 s after its window is closed; and the browser's processes (the
# program and the web engine's) still running by then.
# Budget: within 5 MB of before, and no browser process left.
#   bench/browser-memory.sh build/chimewise
set -u
bin=$(realpath "$1")
source "$(dirname "$0")/desktop.sh"
export QTWEBENGINE_DISABLE_SANDBOX=1 # these machines run as root
budget_mb=5

printf '[AnnounceInterval]\nInterval=3\n' > "$profile"
start_tray_host
"$bin" & clock=$!
pids+=($clock)
within 15 tray_icon || fail "no tray icon appeared"
"$bin" # a second start shows the running clock's window
within 10 visible_clock || fail "the window did not show"
window=$(visible_clock | head -n 1)
sleep 3
before=$(rss_mb $clock)

# Every process below the clock: the browser program and the engine's.
descendants() {
  local pid
  for pid in $(pgrep -P "$1"); do echo "$pid"; descendants "$pid"; done
}
browser() { xdotool search --onlyvisible --name ' -- Norvik $'; }
xdotool windowactivate --sync "$window" 2>/dev/null; xdotool key --window "$window" alt+h h
within 30 browser || fail "the help browser did not open"
sleep 3 # the page has been drawn
open_rss=$(rss_mb $clock)
open_processes=$(descendants $clock | wc -l)
xdotool key --window "$(browser | head -n 1)" Escape; xdotool keyup Escape
for ((i = 0; i < 100; i++)); do browser >/dev/null || break; sleep 0.1; done
browser >/dev/null && fail "Escape did not close the browser"
sleep 30
after=$(rss_mb $clock)
left=$(descendants $clock | wc -l)
echo "clock RSS: ${before} MB before, ${open_rss} MB with the browser open ($open_processes browser processes)," \
     "${after} MB 30 s after it closed; browser processes left: $left"
status=0
bench_line rss_after_browser "$(awk -v a="$after" -v b="$before" 'BEGIN { printf "%.1f", a - b }')" MB "$budget_mb" \
  "the clock before the browser opened, $before MB" || status=1
bench_line browser_processes_after_browser "$left" "" 0 "none before" || status=1
exit $status
