#!/bin/bash
# One second of the clock's tick with its window shown and the clock face
# visible: CPU time per second, measured beside `xclock -update 1` on the same
# X server over the same seconds. Budget: at most 3 times xclock.
#   bench/tick.sh build/chimewise [seconds]
set -u
bin=$(realpath "$1")
seconds=${2:-60}
source "$(dirname "$0")/desktop.sh"

# The face shown, no spoken time in the measured seconds.
printf '[AnalogClock]\nVISIBLE=1\n[AnnounceInterval]\nInterval=3\n' > "$XDG_CONFIG_HOME/Chimewise/Chimewise.conf"
start_tray_host
"$bin" & clock=$!
pids+=($clock)
within 15 tray_icon || fail "no tray icon appeared"
"$bin" # a second start shows the running clock's window
within 10 visible_clock || fail "the window did not show"
xclock -update 1 & xclock=$!
pids+=($xclock)
sleep 3 # both settled

read -r ours theirs _ < <(cpu_per_second "$seconds" "$clock" "$xclock")
budget=$(awk -v t="$theirs" 'BEGIN { printf "%.3f", 3 * t }')
bench_line tick_shown_face "$ours" "ms/s" "$budget" "xclock -update 1 $theirs ms/s"
