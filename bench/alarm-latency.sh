#!/bin/bash
# From the due second to the first sample of an alarm, as SDL's disk driver
# hands it out, beside a program that only sleeps until the same second and
# plays (bench_sleep_until_due). Both run under libfaketime with a
# whole-second offset, so the real phase of the second is kept and each run's
# faked minute begins 5 s after the start. Budget: a median of at most 20 ms
# and at most 10 times the peer's.
#   bench/alarm-latency.sh build/chimewise build/bench/bench_sleep_until_due [runs]
set -u
bin=$(realpath "$1")
peer=$(realpath "$2")
runs=${3:-9}
needs="/usr/bin/python3"
source "$(dirname "$0")/desktop.sh"
# The disk driver waits a buffer's time (128 ms here) before its first write;
# a millisecond instead, so that the figures tell when the sound starts.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIODELAY=1
faker=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
[ -r "$faker" ] || { echo "missing libfaketime: run tools/install-deps bench"; exit 1; }
budget_ms=20
peer_factor=10

wave "$scratch/alarm.wav" 1 160
start_tray_host

# first_sample_ms <raw> <arrivals> <due>: milliseconds from the due second
# (real seconds since 1970) to the arrival of the first sample played.
first_sample_ms() {
  /usr/bin/python3 - "$@" <<'PY'
import array, bisect, sys
samples = array.array("f", open(sys.argv[1], "rb").read())
arrived = [tuple(map(float, line.split())) for line in open(sys.argv[2])]
first = next(i for i, s in enumerate(samples) if s == 0.25)
at = arrived[bisect.bisect_right([int(end) for _, end in arrived], first * 4)][0]
print("%.1f" % ((at - float(sys.argv[3])) * 1000))
PY
}

# One run: the clock with an alarm at the next faked minute, and the peer
# due at the same moment, each recorded through a pipe of its own.
for ((run = 0; run < runs; run++)); do
  start=$(date +%s)
  offset=$(((start - 55) % 60)) # the faked clock reads hh:mm:55 at the start
  due=$((start + 5))
  minute=$((((due - offset) / 60) % 1440))
  printf '[AnnounceInterval]\nInterval=3\nAazan_Announce=0\n[Alarms]\nAlarm1=%d\nAlarm1_file=%s\n' \
    "$minute" "$scratch/alarm.wav" > "$profile"
  rm -f "$scratch"/{clock,peer}.{raw,log}
  LD_PRELOAD=$faker FAKETIME="-$offset" SDL_DISKAUDIOFILE=/proc/self/fd/3 "$bin" \
    3> >(record "$scratch/clock.raw" "$scratch/clock.log") &
  clock=$!
  LD_PRELOAD=$faker FAKETIME="-$offset" SDL_DISKAUDIOFILE=/proc/self/fd/3 "$peer" $((due - offset)) \
    3> >(record "$scratch/peer.raw" "$scratch/peer.log") &
  pids+=($clock $!)
  wait_for 10 grep -q . "$scratch/clock.log" || fail "the clock played nothing"
  wait_for 5 grep -q . "$scratch/peer.log" || fail "the peer played nothing"
  sleep 0.3
  kill "$clock"; wait "$clock" 2>/dev/null
  echo "$(first_sample_ms "$scratch/clock.raw" "$scratch/clock.log" "$due")" \
       "$(first_sample_ms "$scratch/peer.raw" "$scratch/peer.log" "$due")" >> "$scratch/latencies"
  sleep 1 # the peer has played its second
done

read -r ours theirs < <(awk '{ x[NR] = $1; y[NR] = $2 }
  function median(v, n,   i, j, t) {
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] < v[i]) { t = v[i]; v[i] = v[j]; v[j] = t }
    return n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
  }
  END { printf "%.1f %.1f\n", median(x, NR), median(y, NR) }' "$scratch/latencies")
echo "runs (clock, peer ms): $(tr '\n' ';' < "$scratch/latencies")"
budget=$(awk -v t="$theirs" -v f=$peer_factor -v b=$budget_ms 'BEGIN { v = f * t; printf "%.1f", v < b ? v : b }')
bench_line alarm_due_to_first_sample "$ours" ms "$budget" "sleep-until-due SDL program $theirs ms"
