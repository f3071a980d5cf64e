#!/bin/bash
# The real program on a faked clock ten times as fast, with a notification
# service and logind played by python-dbusmock:
# - alarm 1, "Work" on weekdays at 07:00, is quiet on Saturday and rings on
#   Monday; Snooze on its notification rings it again five minutes later;
# - the sleep timer, armed for 07:08, warns at 07:07 with a countdown, and
#   Cancel on that notification keeps logind from being asked.
#   tests/e2e/alarm_snooze_sleep_timer.sh build/chimewise
set -u
bin=$(realpath "$1")
needs="dbus-daemon dbus-send /usr/bin/python3"
source "$(dirname "$0")/desktop.sh"
find_faketime
export SDL_AUDIODRIVER=dummy

work_alarm_profile 1111100

logind_mock "$scratch/logind.log"
start_tray_host
notification_daemon "$scratch/notified.log"

# start_clock <local time>: the program from that moment on, ten times as fast.
start_clock() {
  # The start in the environment, read once: a timestamp file re-read by every
  # thread's clock call can hand one of them a moment far ahead, which defers
  # Qt's next timer by as much.
  LD_PRELOAD="$faketime_lib" FAKETIME="@$1 x10" "$bin" &
  clock=$!
  pids+=($clock)
  show_clock
}
shown() { xdotool getwindowname "$window" | cut -d' ' -f2; }
title_reached() { [[ "$(shown)" > "$1" ]]; }
# press <id> <action>: the user presses that button of the notification.
press() {
  /usr/bin/python3 -c 'import dbus, sys
mock = dbus.Interface(dbus.SessionBus().get_object("org.freedesktop.Notifications", "/org/freedesktop/Notifications"),
                      "org.freedesktop.DBus.Mock")
mock.EmitSignal("org.freedesktop.Notifications", "ActionInvoked", "us", [dbus.UInt32(int(sys.argv[1])), sys.argv[2]])' "$@"
}
# The daemon numbers new notifications from 1; replacing one keeps its number.
newest_id() { grep -c ' Notify "Chimewise" 0 ' "$scratch/notified.log"; }
rang() { grep -c '"Alarm 1 — Work — 07:00 AM" "" \["default", "", "stop", "Stop", "snooze", "Snooze 5 min"\]' "$scratch/notified.log"; }
rang_times() { [ "$(rang)" -eq "$1" ]; }

start_clock "2026-12-05 06:59:50"   # a Saturday
wait_for 20 title_reached 07:00:10 || fail "the Saturday clock did not reach 07:00:10"
rang_times 0 || fail "the weekday alarm rang on Saturday"
echo "Saturday 07:00: the weekday alarm stayed quiet"
kill "$clock"; wait "$clock" 2>/dev/null

start_clock "2026-12-07 06:59:50"   # a Monday
wait_for 20 rang_times 1 || fail "the weekday alarm did not ring on Monday"
echo "Monday $(shown): $(grep -o '"Alarm 1 — Work — 07:00 AM" "" \[[^]]*\]' "$scratch/notified.log" | head -n 1)"
snoozed=$(shown)
press "$(newest_id)" snooze
wait_for 10 grep -q "CloseNotification $(newest_id)" "$scratch/notified.log" || fail "Snooze did not end the ringing"
echo "snoozed at $snoozed"
wait_for 60 rang_times 2 || fail "the snoozed alarm did not ring again"
again=$(shown)
echo "rang again at $again"
/usr/bin/python3 -c 'import sys
s = lambda t: sum(int(x) * f for x, f in zip(t.split(":"), (3600, 60, 1)))
sys.exit(not 295 <= s(sys.argv[2]) - s(sys.argv[1]) <= 305)' "$snoozed" "$again" ||
  fail "the snoozed alarm rang again at $again, not five minutes after $snoozed"
press "$(newest_id)" stop

# The sleep timer for 07:08, with "Power Off?", set in the window.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 302))
at() { xdotool mousemove --window "$window" "$1" $(($2 + menu)); sleep 0.2; }
wait_for 20 title_reached 07:05:40
at 232 88 && xdotool click 1           # "Enable Sleep Timer"
at 137 110 && xdotool click 1 && xdotool key ctrl+a && xdotool type "07:08 AM"
at 51 106 && xdotool click 1           # "Power Off?"
at 235 109 && xdotool click 1          # "Set &Shutdown Time"
wait_for 5 grep -qx "ShutdownTime=428" "$profile" || fail "the sleep timer was not set for 07:08"
echo "sleep timer armed at $(shown)"
warning='"The machine will power off in [0-9]* s" "The sleep timer asks to power off at 07:08 AM." \["cancel", "Cancel", "postpone", "Postpone 10 min"\]'
wait_for 60 grep -q "$warning" "$scratch/notified.log" || fail "no warning before the sleep timer's minute"
first=$(grep -o '"The machine will power off in [0-9]* s"' "$scratch/notified.log" | head -n 1)
echo "at $(shown) the warning said $first"
[ "$first" = '"The machine will power off in 60 s"' ] || fail "the warning did not come a minute before"
sleep 0.5
counted=$(grep -c '"The machine will power off in [0-9]* s"' "$scratch/notified.log")
[ "$counted" -gt 1 ] || fail "the warning did not count down"
press "$(newest_id)" cancel
wait_for 10 grep -q "CloseNotification $(newest_id)" "$scratch/notified.log" || fail "Cancel did not close the warning"
echo "cancelled at $(shown), after $counted countdown texts"
wait_for 30 title_reached 07:08:10 || { kill -0 "$clock" && echo "alive, title $(shown)"; tail -n 5 "$scratch/notified.log"; cat "$scratch/logind.log"; fail "the clock did not pass 07:08"; }
grep -q 'PowerOff' "$scratch/logind.log" && fail "logind was asked to power off after Cancel"
echo "at $(shown) logind had not been asked"
