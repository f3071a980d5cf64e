#!/bin/bash
# What the clock costs behind its tray icon, beside a minimal Qt tray program
# (bench_minimal_tray) on the same X server over the same seconds: never
# shown, then shown with the face (wake-ups only), then hidden again. CPU
# time and wake-ups (voluntary context switches) count every thread.
#   bench/hidden.sh build/chimewise build/bench/bench_minimal_tray [seconds]
set -u
bin=$(realpath "$1")
peer=$(realpath "$2")
seconds=${3:-30}
source "$(dirname "$0")/desktop.sh"

cpu_factor=1.2
hidden_wakeups=1.05
shown_wakeups=1.5

printf '[AnalogClock]\nVISIBLE=1\n[AnnounceInterval]\nInterval=3\n' > "$profile"
start_tray_host
"$bin" & clock=$!
"$peer" & tray=$!
pids+=($clock $tray)
within 15 tray_icon || fail "no tray icon appeared"
status=0

# per_second <before> <after>: the difference per second of the measurement.
per_second() { awk -v a="$1" -v b="$2" -v s="$seconds" 'BEGIN { printf "%.2f", (b - a) / s }'; }

# hidden <state>: CPU and wake-ups of both over the same seconds.
hidden() {
  sleep 3
  local ours0 theirs0 ours theirs cpu cpu_peer
  ours0=$(wakeups $clock); theirs0=$(wakeups $tray)
  read -r cpu cpu_peer < <(cpu_per_second "$seconds" "$clock" "$tray")
  ours=$(per_second "$ours0" "$(wakeups $clock)"); theirs=$(per_second "$theirs0" "$(wakeups $tray)")
  bench_line "hidden_cpu_$1" "$cpu" ms/s "$(awk -v t="$cpu_peer" -v f=$cpu_factor 'BEGIN { printf "%.3f", f * t }')" \
    "minimal Qt tray program $cpu_peer ms/s" || status=1
  bench_line "hidden_wakeups_$1" "$ours" /s "$hidden_wakeups" "minimal Qt tray program $theirs /s" || status=1
}

hidden never_shown
"$bin" # a second start shows the running clock's window
within 10 visible_clock || fail "the window did not show"
window=$(visible_clock | head -n 1)
sleep 3
ours0=$(wakeups $clock); theirs0=$(wakeups $tray)
sleep "$seconds"
bench_line shown_wakeups_face "$(per_second "$ours0" "$(wakeups $clock)")" /s "$shown_wakeups" \
  "minimal Qt tray program $(per_second "$theirs0" "$(wakeups $tray)") /s" || status=1
xdotool key --window "$window" Escape; xdotool keyup Escape
for ((i = 0; i < 50; i++)); do visible_clock >/dev/null || break; sleep 0.1; done
visible_clock >/dev/null && fail "Escape did not hide the window"
hidden after_shown
exit $status
