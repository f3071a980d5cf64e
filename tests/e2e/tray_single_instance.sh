#!/bin/bash
# The real program on a real (virtual) X display with a tray host: the icon
# brings the window back, the title ticks, a second start hands over to the
# first copy and ends with status 0.
set -u
bin=$(realpath "$1")

source "$(dirname "$0")/desktop.sh"

start_tray_host

"$bin" &
first=$!
pids+=($first)
wait_for 15 tray_icon || fail "no tray icon appeared"
icon=$(tray_icon)
visible_clock && fail "the window should start hidden behind the tray icon"
grep -qx 'Interval=0' "$XDG_CONFIG_HOME/Chimewise/Chimewise.conf" || fail "the first start did not write Interval=0"

xdotool mousemove --window "$icon" 5 5 click 1
wait_for 10 visible_clock || fail "a left click on the tray icon did not show the window"
window=$(visible_clock | head -n 1)
before=$(xdotool getwindowname "$window")
sleep 1.2
after=$(xdotool getwindowname "$window")
[ "$before" != "$after" ] || fail "the title did not tick: $before"
echo "window title ticks: $before -> $after"

xdotool key --window "$window" Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --name '$title_pattern'" || fail "Escape did not hide the window"

timeout 20 "$bin"
status=$?
[ $status -eq 0 ] || fail "the second start ended with status $status"
kill -0 "$first" 2>/dev/null || fail "the first copy is gone"
wait_for 10 visible_clock || fail "the second start did not bring the first copy's window back"
echo "second start handed over and ended with 0; the first copy runs on"
