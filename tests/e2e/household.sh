#!/bin/bash
# A household: three clocks, each with a home of its own, share one
# PostgreSQL server through the data source KTXDB, on clocks faked thirty
# times as fast through an hour with 20 events, two of them in one minute.
# Every clock opens every event's pop-up once; each row's reminder moves on
# once per due minute (a trigger on the server notes every update); no row is
# doubled or lost.
set -u
bin=$(realpath "$1")
schema=$(realpath "$2")

needs="psql"
source "$(dirname "$0")/desktop.sh"
socket=${CHIMEWISE_TEST_POSTGRES:?run through CTest, which starts the PostgreSQL server}
find_faketime
export SDL_AUDIODRIVER=dummy

database="household_$$"
sql() { psql -X -q -t -A -v ON_ERROR_STOP=1 -h "$socket" -U ktx -d "$database" "$@"; }
psql -X -q -h "$socket" -U ktx -d postgres -c "CREATE DATABASE $database" || fail "no database on the server"
sql -f "$schema" || fail "data/schema.sql does not run on the server"
sql <<'SQL' || fail "cannot add the trigger"
CREATE TABLE moves (title VARCHAR(255), minutes INTEGER);
CREATE FUNCTION note_move() RETURNS trigger AS $$
BEGIN
  -- Every update that reaches the row, even one that leaves it as it was:
  -- a clock that lost the claim must not touch it.
  INSERT INTO moves VALUES (NEW.EvTitle, NEW.EvWhenToRemind);
  RETURN NEW;
END $$ LANGUAGE plpgsql;
CREATE TRIGGER noted AFTER UPDATE ON TOLVEX_EVENT FOR EACH ROW EXECUTE FUNCTION note_move();
SQL

# Event i at 10:02 + 3i minutes (Event 7 and Event 8 in the same minute),
# first reminded 0, 5 or 10 minutes before, then every 5 minutes up to its time.
expected="$scratch/expected.txt"
: > "$expected"
for i in $(seq 1 20); do
  time=$((600 + 3 * i - 1)); [ "$i" -eq 8 ] && time=$((time - 3))
  lead=$(( (i % 3) * 5 ))
  sql -c "INSERT INTO TOLVEX_EVENT (EvDate, EvTime, EvTitle, EvMessage, EvPlayFile, EvRemindDate,
    EvWhenToRemind, EvInterval) VALUES ('2026-12-07', $time, 'Event $i', 'message', ' ', '2026-12-07',
    $((time - lead)), 5)" || fail "cannot store Event $i"
  for ((m = time - lead; m <= time; m += 5)); do echo "Event $i|$((m + 5))" >> "$expected"; done
done
sort -o "$expected" "$expected"

printf '[PostgreSQL]\nDriver=%s\n' "$(ls /usr/lib/*/odbc/psqlodbcw.so | head -n 1)" > "$scratch/odbcinst.ini"
export ODBCSYSINI="$scratch"
clocks=()
for n in 1 2 3; do
  home="$scratch/clock$n"
  mkdir -p "$home/config/Chimewise" "$home/data" "$home/runtime" && chmod 700 "$home/runtime"
  printf '[KTXDB]\nDriver=PostgreSQL\nServername=%s\nDatabase=%s\nUsername=ktx\n' "$socket" "$database" > "$home/.odbc.ini"
  printf '[AnnounceInterval]\nInterval=0\nAazan_Announce=0\n[Startup]\nLoginStartOffered=1\n' \
    > "$home/config/Chimewise/Chimewise.conf"
done
# Started together, so that their faked clocks agree to a fraction of a second.
for n in 1 2 3; do
  home="$scratch/clock$n"
  # The driver manager looks for ~/.odbc.ini in the account's home, not in $HOME.
  HOME="$home" ODBCINI="$home/.odbc.ini" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
    LD_PRELOAD="$faketime_lib" FAKETIME="@2026-12-07 09:59:50 x30" "$bin" 2> "$scratch/clock$n.log" &
  clocks+=($!)
done
pids+=("${clocks[@]}")

moves() { sql -c "SELECT title || '|' || minutes FROM moves ORDER BY 1"; }
all_moved() { [ "$(moves | wc -l)" -ge "$(wc -l < "$expected")" ]; }
# popups <pid>: the titles of that clock's open pop-ups, one line each.
popups() {
  for w in $(xdotool search --all --onlyvisible --pid "$1" --name '^Event [0-9]+$' 2>/dev/null); do
    xdotool getwindowname "$w"
  done | sort
}
# The last event is at 11:01, two real minutes on.
wait_for 160 all_moved || fail "after two and a half minutes only $(moves | wc -l) of $(wc -l < "$expected") moves;
clock 1 said: $(tail -n 20 "$scratch/clock1.log")"
sleep 3 # a clock that moved a row twice would do so by now
for n in 1 2 3; do
  kill -0 "${clocks[$((n - 1))]}" || fail "clock $n ended: $(cat "$scratch/clock$n.log")"
done

diff <(moves | sort) "$expected" > "$scratch/moves.diff" ||
  fail "the rows did not move once per due minute (< moved, > expected):
$(cat "$scratch/moves.diff")"
echo "$(wc -l < "$expected") moves of 20 rows, each once per due minute"
[ "$(sql -c 'SELECT count(*), count(DISTINCT EvTitle) FROM TOLVEX_EVENT')" = "20|20" ] ||
  fail "the table holds $(sql -c 'SELECT count(*) FROM TOLVEX_EVENT') rows, not 20"
for n in 1 2 3; do
  shown=$(popups "${clocks[$((n - 1))]}")
  [ "$shown" = "$(seq 1 20 | sed 's/^/Event /' | sort)" ] ||
    fail "clock $n shows these pop-ups: $(echo "$shown" | tr '\n' ',')"
  grep -i "error\|fail" "$scratch/clock$n.log" && fail "clock $n reported an error"
done
echo "each of the three clocks shows each of the 20 events in one pop-up"
