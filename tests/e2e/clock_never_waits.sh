#!/bin/bash
# The real program on a faked clock that runs ten times as fast:
# - a reminder's pop-up is left open ten minutes; meanwhile the title ticks,
#   an alarm rings on its second, the quarter hour is spoken and a second
#   event's pop-up opens;
# - stopped while its clock moves two hours on, it names in one notification
#   what came due meanwhile;
# - stopped while its clock moves three minutes on, the alarm of that time
#   rings late.
set -u
bin=$(realpath "$1")
schema=$(realpath "$2")

needs="sqlite3 /usr/bin/python3"
source "$(dirname "$0")/desktop.sh"
export SDL_AUDIODRIVER=disk
find_faketime

db="$XDG_DATA_HOME/Chimewise/Chimewise/KTXDB.sqlite"
mkdir -p "$(dirname "$db")"
sqlite3 "$db" < "$schema" || fail "cannot make the database"
# event <title> <time> <first reminder> <interval>, all on 2026-12-07.
event() {
  sqlite3 "$db" "INSERT INTO TOLVEX_EVENT (EvDate, EvTime, EvTitle, EvMessage, EvPlayFile, EvRemindDate,
    EvWhenToRemind, EvInterval) VALUES ('2026-12-07', $2, '$1', 'message', ' ', '2026-12-07', $3, $4)"
}
event Dentist 560 545 60   # 09:20, reminded at 09:05
event Pharmacy 580 552 60  # 09:40, reminded at 09:12
event Bank 630 620 5       # 10:30, reminded at 10:20, while the clock is stopped
wave "$scratch/alarm.wav" 3 160
printf '[AnnounceInterval]\nInterval=0\nAazan_Announce=0\n[Startup]\nLoginStartOffered=1
[Alarms]\nAlarm1=554\nAlarm1_file=%s\nAlarm2=600\nAlarm2_file=%s\nAlarm3=693\nAlarm3_file=%s\n' \
  "$scratch/alarm.wav" "$scratch/alarm.wav" "$scratch/alarm.wav" > "$profile"

start_tray_host
notification_daemon "$scratch/notified.log"
clock_at() { echo "@2026-12-07 $1 x10" > "$scratch/faketime"; }
clock_at 09:04:50
LD_PRELOAD="$faketime_lib" FAKETIME_TIMESTAMP_FILE="$scratch/faketime" FAKETIME_NO_CACHE=1 \
  SDL_DISKAUDIOFILE=/proc/self/fd/3 "$bin" 3> >(record "$scratch/played.raw" "$scratch/arrived.log") &
clock=$!
pids+=($clock)
show_clock

# The title as it stands, noted twenty times a second with the real time.
/usr/bin/python3 - "$window" "$scratch/titles.log" <<'EOF' &
import subprocess, sys, time
with open(sys.argv[2], "w") as log:
    while True:
        name = subprocess.run(["xprop", "-id", sys.argv[1], "WM_NAME"], capture_output=True, text=True).stdout
        log.write("%f %s\n" % (time.time(), name.split('"')[1] if '"' in name else "")); log.flush()
        time.sleep(0.05)
EOF
pids+=($!)
popup() { xdotool search --onlyvisible --name "^$1\$"; }
title_reached() { tail -n 1 "$scratch/titles.log" | awk -v t="Chimewise $1" '$2 " " $3 >= t { ok = 1 } END { exit !ok }'; }

wait_for 10 popup Dentist || fail "no pop-up for the dentist"
echo "the dentist's pop-up is open; it stays so"
wait_for 60 popup Pharmacy || fail "no second pop-up while the first stayed open"
echo "the pharmacy's pop-up opened beside it"
wait_for 60 title_reached 09:16:00 || fail "the title stood still at '$(tail -n 1 "$scratch/titles.log")'"
popup Dentist >/dev/null || fail "the dentist's pop-up went away"

/usr/bin/python3 - "$scratch" <<'EOF' || fail "the clock did not keep its seconds under the pop-up"
import array, bisect, re, sys
scratch = sys.argv[1]
titles = [(float(l.split()[0]), l.split()[-1]) for l in open(scratch + "/titles.log") if "Chimewise" in l]
def shown(at):  # the title noted next after that real moment
    return titles[min(len(titles) - 1, bisect.bisect_left([t for t, _ in titles], at))][1]
# Ten faked seconds a real one: the longest the title stood still, in the clock's seconds.
changes = [t for (t, name), (_, before) in zip(titles[1:], titles) if name != before and name >= "09:05:00"]
still = 10 * max(b - a for a, b in zip(changes, changes[1:]))
print("the title stood still %.1f s at most while the pop-up was open" % still)
notified = [(float(l.split()[0]), l) for l in open(scratch + "/notified.log") if " Notify " in l]
rang = [shown(t) for t, l in notified if "Alarm 1 — 09:14 AM" in l]
print("alarm 1 rang with the title at", rang)
samples = array.array("f", open(scratch + "/played.raw", "rb").read())
arrived = [tuple(map(float, l.split())) for l in open(scratch + "/arrived.log")]
speech = next(i for i, s in enumerate(samples) if s not in (0.0, 0.25))
spoken = shown(arrived[bisect.bisect_left([int(e) for _, e in arrived], (speech + 1) * 4)][0])
print("the quarter was spoken with the title at", spoken)
sys.exit(not (still <= 3 and rang and "09:14:00" <= rang[0] <= "09:14:02" and "09:15:00" <= spoken <= "09:15:05"))
EOF

# Two hours on while stopped: a notification names what came due meanwhile, once.
kill -STOP "$clock"
clock_at 11:30:00
kill -CONT "$clock"
wait_for 15 grep -q "Missed while" "$scratch/notified.log" || fail "nothing said what was missed"
grep -o '"Missed while[^]]*' "$scratch/notified.log"
grep -q '"Missed while the clock was stopped" "Alarm 2 — 10:00 AM, Event — Bank"' "$scratch/notified.log" ||
  fail "the notification did not name the alarm and the event, in the order they came due"

# Three minutes on while stopped: the alarm of 11:33 rings late, and is not named as missed.
wait_for 30 title_reached 11:31:00 || fail "the clock did not go on after the stop"
kill -STOP "$clock"
clock_at 11:35:00
kill -CONT "$clock"
wait_for 15 grep -q '"Alarm 3 — 11:33 AM"' "$scratch/notified.log" || fail "the alarm of the stop did not ring late"
[ "$(grep -c "Missed while" "$scratch/notified.log")" -eq 1 ] || fail "the late alarm was named as missed"
echo "after three minutes stopped, alarm 3 rang late"
