#!/bin/bash
# The real program at a faked moment: ten minutes before the Asr stored for
# today, and not before, a notification says "Asr in 10 minutes — 14:25",
# one that goes by itself (no Stop), while the short chime plays.
set -u
bin=$(realpath "$1")
schema=$(realpath "$2")

needs="faketime sqlite3 /usr/bin/python3"
source "$(dirname "$0")/desktop.sh"
export SDL_AUDIODRIVER=dummy

printf '[AnnounceInterval]\nInterval=3\n[Prayer]\nAlertAsr=10\n' > "$profile"
db="$XDG_DATA_HOME/Chimewise/Chimewise/KTXDB.sqlite"
mkdir -p "$(dirname "$db")"
sqlite3 "$db" < "$schema" || fail "cannot make the database"
# 6 December is day 340: Fajr 05:11, Zohor 12:02, Asr 14:25, Magreb 17:40, Isha 19:00.
sqlite3 "$db" "INSERT INTO Naamaz (Days, Fajr, Zohor, Asr, Magreb, Isha) VALUES (340, 311, 722, 865, 1060, 1140)"

notification_daemon "$scratch/notified.log"
start_tray_host
started=$(date +%s.%N)
faketime "2026-12-06 14:14:50" "$bin" &
faker=$!
wait_for 5 pgrep -P "$faker" -x chimewise || fail "the clock did not start"
pids+=($faker $(pgrep -P "$faker" -x chimewise))

alert='"Asr in 10 minutes — 14:25" "" \[\]'
# faketime keeps the real clock's fraction of a second: the minute comes 9 to 10 s on.
/usr/bin/python3 -c 'import sys, time; time.sleep(max(0, float(sys.argv[1]) + 8.5 - time.time()))' "$started"
grep -q "Asr in 10 minutes" "$scratch/notified.log" && fail "the alert came before its minute"
wait_for 20 grep -q "$alert" "$scratch/notified.log" || fail "no alert came"
/usr/bin/python3 - "$scratch/notified.log" "$started" <<'PY' || fail "the alert did not come at its minute"
import sys
line = next(l for l in open(sys.argv[1]) if "Asr in 10 minutes" in l)
after = float(line.split()[0].rstrip(":")) - float(sys.argv[2])
print("the alert came %.1f s after a start 10 s before its minute" % after)
sys.exit(not 8.5 <= after <= 12)
PY
[ "$(grep -c 'Asr in 10 minutes' "$scratch/notified.log")" -eq 1 ] || fail "the alert came more than once"
echo "the alert came once, at its minute, without a Stop"
