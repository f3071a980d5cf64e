#!/bin/bash
# What the clock costs behind its tray icon, beside a minimal Qt tray program
# (bench_minimal_tray) on the same X server over the same seconds: never
# shown, then shown with the face (wake-ups only), then hidden again. CPU
# time and wake-ups (voluntary context switches) count every thread.
# Of two copies of the peer, the one started first costs up to a tenth more;
# so the never-shown figures are the mean of two runs, each program started
# first in one of them. Single 5 s windows read from 0.8 to 1.4 times the
# peer here; a minute of them gives a median that holds from run to run.
#   bench/hidden.sh build/chimewise build/bench/bench_minimal_tray [seconds]
set -u
bin=$(realpath "$1")
peer=$(realpath "$2")
seconds=${3:-60}
source "$(dirname "$0")/desktop.sh"

cpu_factor=1.2
hidden_wakeups=1.05
shown_wakeups=1.5

printf '[AnalogClock]\nVISIBLE=1\n[AnnounceInterval]\nInterval=3\n' > "$profile"
start_tray_host
status=0

# start_both <clock|peer>: both programs, the one named first.
start_both() {
  if [ "$1" = clock ]; then
    "$bin" & clock=$!
    "$peer" & tray=$!
  else
    "$peer" & tray=$!
    "$bin" & clock=$!
  fi
  pids+=($clock $tray)
  within 15 tray_icon || fail "no tray icon appeared"
}

# per_second <before> <after>: the difference per second of the measurement.
per_second() { awk -v a="$1" -v b="$2" -v s="$seconds" 'BEGIN { printf "%.2f", (b - a) / s }'; }
mean() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", (a + b) / 2 }'; }

# measure_hidden: "cpu cpu_peer times wake-ups wake-ups_peer" of both over
# the same seconds; times: the clock's CPU over the peer's.
measure_hidden() {
  sleep 3
  local ours0 theirs0 cpu cpu_peer times
  ours0=$(wakeups $clock); theirs0=$(wakeups $tray)
  read -r cpu cpu_peer times < <(cpu_per_second "$seconds" "$clock" "$tray")
  echo "$cpu $cpu_peer $times $(per_second "$ours0" "$(wakeups $clock)") $(per_second "$theirs0" "$(wakeups $tray)")"
}

# report_hidden <state> <cpu> <cpu_peer> <times> <wake-ups> <wake-ups_peer>
report_hidden() {
  bench_line "hidden_cpu_$1" "$4" "x the peer" "$cpu_factor" "minimal Qt tray program $3 ms/s, the clock $2 ms/s" ||
    status=1
  bench_line "hidden_wakeups_$1" "$5" /s "$hidden_wakeups" "minimal Qt tray program $6 /s" || status=1
}

start_both peer
read -r cpu1 peer1 times1 wake1 peer_wake1 < <(measure_hidden)
kill $clock $tray; wait $clock $tray 2>/dev/null
start_both clock
read -r cpu2 peer2 times2 wake2 peer_wake2 < <(measure_hidden)
echo "never shown, peer started first: ${times1}x the peer; the clock first: ${times2}x"
report_hidden never_shown "$(mean $cpu1 $cpu2)" "$(mean $peer1 $peer2)" "$(mean $times1 $times2)" \
  "$(mean $wake1 $wake2)" "$(mean $peer_wake1 $peer_wake2)"
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
report_hidden after_shown $(measure_hidden)
exit $status
