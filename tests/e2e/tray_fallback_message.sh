#!/bin/bash
# With a tray but no notification service, an alarm's notice is the tray
# icon's own message. A click on that message opens the window, and so does
# a click on the icon while the message still shows.
#   tests/e2e/tray_fallback_message.sh build/chimewise
set -u
bin=$(realpath "$1")
source "$(dirname "$0")/desktop.sh"
find_faketime
export SDL_AUDIODRIVER=dummy

work_alarm_profile 1111111
start_tray_host

# The message: a visible window of the clock that is neither its icon nor its main window.
message() {
  for w in $(xdotool search --onlyvisible --class chimewise 2>/dev/null); do
    [ "$w" = "$(tray_icon)" ] || xdotool getwindowname "$w" | grep -Eq "$title_pattern" || { echo "$w"; return 0; }
  done
  return 1
}
# ring_with_message: a clock started just before its alarm, hidden, its message up.
ring_with_message() {
  LD_PRELOAD="$faketime_lib" FAKETIME="@2026-12-07 06:59:57" "$bin" &
  clock=$!
  pids+=($clock)
  wait_for 15 tray_icon || fail "no tray icon appeared"
  visible_clock && fail "the window should start hidden behind the tray icon"
  wait_for 15 message || fail "the alarm showed no message at the tray icon"
}

ring_with_message
xdotool mousemove --window "$(message)" 120 40 click 1
wait_for 10 visible_clock || fail "a click on the tray's message did not open the window"
echo "a click on the message opened the window"
kill "$clock"; wait "$clock" 2>/dev/null

ring_with_message
xdotool mousemove --window "$(tray_icon)" 5 5 click 1
wait_for 10 visible_clock || fail "a click on the tray icon under its message did not open the window"
echo "a click on the icon with the message up opened the window"
