#!/bin/bash
# The real program under Xvfb, with a tray host, faketime and logind played
# by python-dbusmock on a private bus that stands in for the system bus.
# A stored VISIBLE=1 opens the window with the face drawn; the user picks
# 06:00 PM on the face and sets it as alarm 1, opens "View all ALARMS", and
# arms the sleep timer with "Power Off?" for the next minute, when logind is
# asked to power off. CHIMEWISE_E2E_SHOTS=<dir> keeps screenshots (xwd).
#   tests/e2e/clock_face_sleep_timer.sh build/chimewise
set -u
bin=$(realpath "$1")
needs="xwd faketime dbus-daemon dbus-send"
source "$(dirname "$0")/desktop.sh"
printf '[AnalogClock]\nVISIBLE=1\n' > "$profile"
shot() { [ -n "${CHIMEWISE_E2E_SHOTS:-}" ] && xwd -root -silent > "$CHIMEWISE_E2E_SHOTS/$1.xwd"; true; }

logind_mock "$scratch/logind.log"

start_tray_host

faketime '2026-12-06 09:15:35' "$bin" &
pids+=($!)
wait_for 15 tray_icon || fail "no tray icon appeared"
xdotool mousemove --window "$(tray_icon)" 5 5 click 1
clock_window() { xdotool search --onlyvisible --name '^Chimewise [0-9:]+$' | head -n 1 | grep .; }
wait_for 10 clock_window || fail "a left click on the tray icon did not show the window"
win=$(clock_window)
eval "$(xdotool getwindowgeometry --shell "$win")"
menu=$((HEIGHT - 412)) # the surface: 302 pixels of normal area and the 110 of the face
sleep 1.2
shot face

# The face's rim colour, counted in the window's lower part.
rim=$(xwd -id "$win" -silent | /usr/bin/python3 -c '
import struct, sys
data = sys.stdin.buffer.read()
h = struct.unpack(">25I", data[:100])
width, height, bpl, ncolors = h[4], h[5], h[12], h[19]
pixels = data[h[0] + 12 * ncolors:]
print(sum(pixels[y * bpl + 4 * x: y * bpl + 4 * x + 3] == bytes((255, 180, 255))
          for y in range(height // 2, height) for x in range(width)))')
[ "$rim" -gt 100 ] || fail "the window did not open with the face drawn ($rim rim pixels)"
echo "the window opened with the face: $rim pixels of its rim"

at() { xdotool mousemove --window "$win" "$1" $(($2 + menu)); sleep 0.2; }
at 85 352 && xdotool click 1           # "AM" becomes "PM"
at 233 392 && xdotool click 1          # below the centre: 06:00
at 186 184 && xdotool click 1 && xdotool type "$scratch/wake.wav"
touch "$scratch/wake.wav"
at 273 184 && xdotool click 1          # "&Set"
wait_for 5 grep -qx 'Alarm1=1080' "$profile" || fail "06:00 PM picked on the face was not set as alarm 1"
echo "06:00 PM picked on the face and set as alarm 1"

at 160 30 && xdotool key alt+o v
wait_for 10 xdotool search --onlyvisible --name '^View all ALARMS$' || fail "View Alarms opened no list"
sleep 0.5
shot alarms
xdotool key Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^View all ALARMS$'" || fail "Escape did not close the list"
echo "the alarm list opened and closed with Escape"

at 86 165 && xdotool click 1           # "&Time" closes the face
wait_for 5 grep -qx 'VISIBLE=0' "$profile" || fail "closing the face was not stored"
[ "$(xdotool getwindowgeometry --shell "$win" | grep HEIGHT)" = "HEIGHT=$((HEIGHT - 110))" ] ||
  fail "closing the face did not shrink the window by 110 pixels"
echo "\"&Time\" closed the face"

# The next minute, or the one after when this one is nearly over.
now=$(xdotool getwindowname "$win")
minute=$((10#${now:13:2} + 1 + (10#${now:16:2} >= 45)))
at 232 88 && xdotool click 1           # "Enable Sleep Timer"
at 137 110 && xdotool click 1 && xdotool key ctrl+a && xdotool type "$(printf '09:%02d AM' $minute)"
at 51 106 && xdotool click 1           # "Power Off?"
at 235 109 && xdotool click 1          # "Set &Shutdown Time"
wait_for 5 grep -qx "ShutdownTime=$((540 + minute))" "$profile" || fail "the sleep timer was not set for 09:$minute"
grep -qx 'PowerOff=1' "$profile" || fail "the power-off choice was not stored"
shot armed
echo "sleep timer armed at $(xdotool getwindowname "$win")"
wait_for 130 grep -q 'PowerOff True' "$scratch/logind.log" || fail "logind was not asked to power off"
grep -q 'Halt' "$scratch/logind.log" && fail "logind was asked to halt as well"
echo "at $(xdotool getwindowname "$win") logind was asked: $(grep -o 'PowerOff True' "$scratch/logind.log")"
