#!/bin/bash
# The real program at faked moments, with SDL's disk audio driver:
# - an alarm due while a longer alarm still rings is heard in full right
#   after it (what the device played is captured and timed);
# - while the opens of a missing alarm file are tried again and again, a tray
#   click shows the window at once, and then a notification names the file.
set -u
bin=$(realpath "$1")

needs="faketime /usr/bin/python3"
source "$(dirname "$0")/desktop.sh"
export SDL_AUDIODRIVER=disk

wave "$scratch/long.wav" 62 160
wave "$scratch/short.wav" 3 96

start_tray_host

# clock <start> <profile lines>: the clock from that moment with alarms only;
# its process id in $clock.
clock() {
  printf '[AnnounceInterval]\nInterval=3\nAazan_Announce=0\n[Alarms]\n%s\n' "$2" \
    > "$XDG_CONFIG_HOME/Chimewise/Chimewise.conf"
  SDL_DISKAUDIOFILE=/proc/self/fd/3 faketime "2026-12-06 $1" "$bin" \
    3> >(record "$scratch/played.raw" "$scratch/arrived.log") &
  local faker=$!
  wait_for 5 pgrep -P "$faker" -x chimewise || fail "the clock did not start"
  clock=$(pgrep -P "$faker" -x chimewise)
  pids+=($faker $clock)
}

clock 06:59:58 "Alarm1=420
Alarm1_file=$scratch/long.wav
Alarm2=421
Alarm2_file=$scratch/short.wav"
wait_for 80 grep -q . "$scratch/arrived.log" || fail "nothing was played"
# 62 s of the first alarm, then the second's 3 s.
wait_for 80 bash -c "[ \$(stat -c %s '$scratch/played.raw') -ge $(((62 + 3) * 8000 * 4)) ]" ||
  fail "the second alarm was not played in full after the first"
# The device stays open up to a second after a sound.
sleep 2
kill "$clock"
/usr/bin/python3 - "$scratch/played.raw" "$scratch/arrived.log" <<'EOF' || fail "the alarms did not follow each other in full"
import array, bisect, sys
samples = array.array("f", open(sys.argv[1], "rb").read())
arrived = [tuple(map(float, line.split())) for line in open(sys.argv[2])]
ends = [int(end) for _, end in arrived]
def when(sample):  # when the byte of that sample reached the pipe
    return arrived[bisect.bisect_right(ends, sample * 4)][0]
first = [i for i, s in enumerate(samples) if s == 0.25]
second = [i for i, s in enumerate(samples) if s == -0.25]
gap = when(second[0]) - when(first[-1])
print("first alarm %d samples, second %d samples, %.2f s apart" % (len(first), len(second), gap))
sys.exit(not (len(first) == 62 * 8000 and len(second) == 3 * 8000 and second[0] > first[-1] and gap < 2))
EOF

notification_daemon "$scratch/notified.log"
started=$(date +%s%N)
clock 07:01:57 "Alarm1=422
Alarm1_file=$scratch/gone.wav"
wait_for 15 tray_icon || fail "no tray icon appeared"
visible_clock && fail "the window should start hidden behind the tray icon"
# At 07:02:02 the clock is between the opens of the missing file.
rest=$((5000 - ($(date +%s%N) - started) / 1000000))
[ "$rest" -gt 0 ] && sleep "$((rest / 1000)).$(printf %03d $((rest % 1000)))"
clicked=$(date +%s%N)
xdotool mousemove --window "$(tray_icon)" 5 5 click 1
wait_for 10 visible_clock || fail "a tray click did not show the window"
shown_ms=$((($(date +%s%N) - clicked) / 1000000))
echo "window shown ${shown_ms} ms after the tray click during the opens"
[ "$shown_ms" -lt 1000 ] || fail "the window took ${shown_ms} ms"
grep -q "Could not play" "$scratch/notified.log" && fail "the opens were over before the click"
wait_for 20 grep -q "Could not play $scratch/gone.wav" "$scratch/notified.log" ||
  fail "no notification named the missing file"
grep -o "Notify.*Could not play[^]]*" "$scratch/notified.log"
echo "the missing file was reported after its opens; the window answered meanwhile"
