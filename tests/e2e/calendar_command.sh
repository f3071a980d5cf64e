#!/bin/bash
# The real program's calendar commands, without a window: --import reports
# on standard output and ends with 0 once the file was read, with 1 and the
# reason on standard error when it was not; --export-events writes a file
# that imports again into the same rows.
set -u
bin=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" TZ=Asia/Dhaka
# No data source of the machine's: the events go into the file under XDG_DATA_HOME.
export ODBCSYSINI="$scratch" ODBCINI="$scratch/odbc.ini"
fail() { echo "FAIL: $*"; exit 1; }

printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//y//EN\r\nBEGIN:VEVENT\r\nUID:1\r\nSUMMARY:Dentist\r\nDTSTART:20990312T093000Z\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Dentist\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:2\r\nSUMMARY:Long ago\r\nDTSTART:20000101T090000Z\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' > "$scratch/in.ics"
out=$("$bin" --import "$scratch/in.ics") || fail "--import of a calendar ended with $?"
[ "$out" = "1 event imported; 1 had already passed" ] || fail "--import said '$out'"

echo "Subject,Date" > "$scratch/notes.csv"
err=$("$bin" --import "$scratch/notes.csv" 2>&1 >/dev/null); status=$?
[ $status -eq 1 ] || fail "--import of a text file ended with $status"
case $err in *"Line 1 is not the beginning of a calendar"*) ;; *) fail "--import said '$err'" ;; esac

"$bin" --export-events "$scratch/out.ics" >/dev/null || fail "--export-events ended with $?"
grep -q "^DTSTART;TZID=Asia/Dhaka:20990312T153000" "$scratch/out.ics" || fail "the export lacks the local start"
out=$("$bin" --import "$scratch/out.ics") || fail "--import of the export ended with $?"
[ "$out" = "0 events imported; 1 was already there" ] || fail "importing the export said '$out'"

"$bin" --import 2>/dev/null; [ $? -eq 2 ] || fail "--import without a file should end with 2"
echo "imported, refused, exported and imported again as the commands say"
