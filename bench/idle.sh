#!/bin/bash
# What the clock costs while it waits, beside xclock on the same X server:
# launch to tray icon (xclock: to its window), then CPU and memory over a
# minute hidden behind the tray icon and a minute with the window shown.
#   bench/idle.sh build/chimewise [seconds]
set -u
bin=$(realpath "$1")
seconds=${2:-60}
source "$(dirname "$0")/desktop.sh"

# Budgets: a start the user sees as immediate; waiting costs at most three
# times what xclock's second hand does; memory a small Qt program can keep.
launch_budget_ms=1000
cpu_factor=3
rss_budget_mb=64

printf '[AnnounceInterval]\nInterval=3\n' > "$XDG_CONFIG_HOME/Chimewise/Chimewise.conf"
start_tray_host
status=0

start=$(now_ms)
xclock -update 1 & xclock=$!
pids+=($xclock)
within 15 xdotool search --onlyvisible --class xclock || fail "xclock did not show"
xclock_launch=$(($(now_ms) - start))
start=$(now_ms)
"$bin" & clock=$!
pids+=($clock)
within 15 tray_icon || fail "no tray icon appeared"
launch=$(($(now_ms) - start))
bench_line launch_to_tray_icon "$launch" ms "$launch_budget_ms" "xclock to its window $xclock_launch ms" || status=1

# measure <state>: CPU per second and memory of both over the same seconds.
measure() {
  sleep 3
  read -r ours theirs _ < <(cpu_per_second "$seconds" "$clock" "$xclock")
  bench_line "idle_cpu_$1" "$ours" "ms/s" "$(awk -v t="$theirs" -v f=$cpu_factor 'BEGIN { printf "%.3f", f * t }')" \
             "xclock -update 1 $theirs ms/s" || status=1
  bench_line "idle_rss_$1" "$(rss_mb "$clock")" MB "$rss_budget_mb" "xclock $(rss_mb "$xclock") MB" || status=1
}
measure hidden
"$bin" # a second start shows the running clock's window
within 10 visible_clock || fail "the window did not show"
measure shown
exit $status
