#!/bin/bash
# The real program at faked moments: an event stored in the database file
# comes due at its minute and its pop-up appears, captioned with the title.
# Escape leaves only the advance of the stored reminder (made half a minute
# after the pop-up, when other clocks sharing the store have seen it), Enter snoozes,
# Alt+N ("No Reminder") deletes the row.
set -u
bin=$(realpath "$1")
schema=$(realpath "$2")

needs="faketime sqlite3"
source "$(dirname "$0")/desktop.sh"
export ODBCSYSINI="$scratch" ODBCINI="$scratch/odbc.ini" SDL_AUDIODRIVER=dummy

# No spoken time: the reminder check follows it in the same second.
printf '[AnnounceInterval]\nInterval=3\n' > "$profile"
db="$XDG_DATA_HOME/Chimewise/Chimewise/KTXDB.sqlite"
mkdir -p "$(dirname "$db")"
sqlite3 "$db" < "$schema" || fail "cannot make the database"
# Today 09:30, first reminder at 09:15, then every minute.
sqlite3 "$db" "INSERT INTO TOLVEX_EVENT (EvDate, EvTime, EvTitle, EvMessage, EvPlayFile, EvRemindDate,
  EvWhenToRemind, EvInterval) VALUES ('2026-12-06', 570, 'Dentist''s visit', 'Bring the card', ' ',
  '2026-12-06', 555, 1)"
stored() { sqlite3 "$db" "SELECT EvWhenToRemind || ' ' || EvHowManyTimes FROM TOLVEX_EVENT"; }
row_is() { [ "$(stored)" = "$1" ]; }
popup() { xdotool search --onlyvisible --name "^Dentist's visit\$"; }

start_tray_host

# remind <start> <keys> <row afterwards>: starts the clock ten seconds before a
# whole minute, answers the pop-up of that minute and looks at the row.
remind() {
  faketime "2026-12-06 $1" "$bin" &
  local faker=$! clock
  wait_for 15 ps -o pid= --ppid "$faker" || fail "the clock did not start"
  clock=$(ps -o pid= --ppid "$faker")
  pids+=($faker $clock)
  wait_for 20 popup || fail "no pop-up after $1"
  # Without a window manager the pop-up gets the focus from us; then the keys
  # arrive as typed, so that its mnemonics work.
  xdotool windowfocus --sync "$(popup | head -n 1)" key "$2"
  wait_for 5 bash -c "! xdotool search --onlyvisible --name \"^Dentist's visit\\\$\"" ||
    fail "$2 did not close the pop-up"
  wait_for 40 row_is "$3" || fail "after $2 the row reads '$(stored)', expected '$3'"
  echo "$2 at $1: row '$3'"
  kill $clock; wait "$faker" 2>/dev/null
}

remind 09:14:50 Escape "556 0"   # advanced by its interval
remind 09:15:50 Return "557 1"   # asks again after the 1 minute shown
remind 09:16:50 alt+n ""         # no more reminders: the row is gone
echo "each answer left the row as it should"
