# Sourced first thing by each end-to-end script. The script runs again inside
# a private X server and session bus, with a throw-away home and runtime
# folder; the helpers wait for the clock's windows. A script names the tools
# it needs beyond these in $needs before sourcing.
for tool in xvfb-run xauth trayer xdotool xprop dbus-run-session ${needs:-}; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run tools/install-deps"; exit 1; }
done
if [ -z "${CHIMEWISE_E2E_INNER:-}" ]; then
  export CHIMEWISE_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$@"
fi

scratch=$(mktemp -d)
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb TZ=UTC
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Chimewise" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
profile="$XDG_CONFIG_HOME/Chimewise/Chimewise.conf"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"; }
trap cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
# wait_for <seconds> <command…>: polls every 0.1 s until the command succeeds.
wait_for() {
  local tries=$(($1 * 10)); shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1)); [ $tries -gt 0 ] || return 1; sleep 0.1
  done
}

title_pattern='^Chimewise [0-2][0-9]:[0-5][0-9]:[0-5][0-9]$'
visible_clock() { xdotool search --onlyvisible --name "$title_pattern"; }
# The icon carries _XEMBED_INFO; so does the tray's own message, a tool tip.
tray_icon() {
  for w in $(xdotool search --class chimewise 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_TOOLTIP && continue
    xprop -id "$w" _XEMBED_INFO 2>/dev/null | grep -q '^_XEMBED_INFO(' && { echo "$w"; return 0; }
  done
  return 1
}
start_tray_host() {
  trayer --edge top --align right --widthtype request --height 24 --transparent false &
  pids+=($!)
  wait_for 10 xdotool search --class trayer || fail "the tray host did not start"
  sleep 0.3
}

# wave <file> <seconds> <byte>: 8-bit mono at 8000 Hz, every sample that byte,
# so that the device's float output tells sounds apart (160: 0.25, 96: -0.25).
wave() {
  /usr/bin/python3 -c 'import sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000)
w.writeframes(bytes([int(sys.argv[3])]) * (8000 * int(sys.argv[2])))' "$@"
}

# The faked clock's library, for the scripts that start the clock at a chosen moment.
find_faketime() {
  faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
  [ -n "$faketime_lib" ] || fail "libfaketime is missing: run tools/install-deps"
}

# work_alarm_profile <days>: alarm 1, "Work", rings alarm.wav at 07:00 on the
# days given (seven 0/1, Monday first); nothing is spoken, nothing offered.
work_alarm_profile() {
  wave "$scratch/alarm.wav" 60 160
  printf '[AnnounceInterval]\nInterval=3\nAazan_Announce=0\n[Startup]\nLoginStartOffered=1
[Alarms]\nAlarm1=420\nAlarm1_file=%s\nAlarm1_days=%s\nAlarm1_name=Work\n' "$scratch/alarm.wav" "$1" > "$profile"
}

# record <out> <log>: SDL's disk driver truncates its file at every device
# open, so it writes into a pipe instead (SDL_DISKAUDIOFILE=/proc/self/fd/3),
# whose reader notes when (seconds since 1970) each piece arrived.
record() {
  /usr/bin/python3 -c 'import os, sys, time
with open(sys.argv[1], "wb") as out, open(sys.argv[2], "w") as log:
    while chunk := os.read(0, 65536):
        out.write(chunk); log.write("%f %d\n" % (time.time(), out.tell())); log.flush()' "$@"
}

# notification_daemon <log>: a notification service that logs each call,
# prefixed with the (real) seconds since 1970.
notification_daemon() {
  /usr/bin/python3 -m dbusmock --template notification_daemon -l "$1" >/dev/null 2>&1 &
  pids+=($!)
  wait_for 10 /usr/bin/python3 -c 'import dbus, sys
sys.exit(not dbus.SessionBus().name_has_owner("org.freedesktop.Notifications"))' ||
    fail "the notification daemon did not start"
}

# show_clock: clicks the tray icon once it is there; $window is the clock's window.
show_clock() {
  wait_for 15 tray_icon || fail "no tray icon appeared"
  xdotool mousemove --window "$(tray_icon)" 5 5 click 1
  wait_for 10 visible_clock || fail "a tray click did not show the window"
  window=$(visible_clock | head -n 1)
}

# logind_mock <log>: logind (with a Halt method) on a private bus that stands
# in for the system bus; the calls it gets are logged.
logind() { dbus-send --system --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 "$@"; }
logind_mock() {
  dbus-daemon --session --fork --print-address=1 --print-pid=1 > "$scratch/bus" || fail "no private bus"
  export DBUS_SYSTEM_BUS_ADDRESS=$(sed -n 1p "$scratch/bus")
  pids+=("$(sed -n 2p "$scratch/bus")")
  /usr/bin/python3 -m dbusmock --system --template logind -l "$1" &
  pids+=($!)
  wait_for 20 logind org.freedesktop.DBus.Peer.Ping || fail "the logind mock did not start"
  logind org.freedesktop.DBus.Mock.AddMethod string:org.freedesktop.login1.Manager string:Halt \
    string:b string: string: >/dev/null
}
