#!/bin/bash
# The real program on a real (virtual) X display with a tray host: the icon
# brings the window back, the title ticks, a second start hands over to the
# first copy and ends with status 0.
set -u
bin=$(realpath "$1")

if [ -z "${CHIMEWISE_E2E_INNER:-}" ]; then
  for tool in xvfb-run xauth trayer xdotool xprop dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run tools/install-deps"; exit 1; }
  done
  export CHIMEWISE_E2E_INNER=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$bin"
fi

scratch=$(mktemp -d)
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
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
tray_icon() {
  for w in $(xdotool search --class chimewise 2>/dev/null); do
    xprop -id "$w" _XEMBED_INFO 2>/dev/null | grep -q '^_XEMBED_INFO(' && { echo "$w"; return 0; }
  done
  return 1
}

trayer --edge top --align right --widthtype request --height 24 --transparent false &
pids+=($!)
wait_for 10 xdotool search --class trayer || fail "the tray host did not start"
sleep 0.3

"$bin" &
first=$!
pids+=($first)
wait_for 15 tray_icon || fail "no tray icon appeared"
icon=$(tray_icon)
visible_clock && fail "the window should start hidden behind the tray icon"
grep -qx 'Interval=0' "$XDG_CONFIG_HOME/Chimewise/Chimewise.conf" || fail "the first start did not write Interval=0"

xdotool mousemove --window "$icon" 5 5 click 1
wait_for 10 visible_clock || fail "a left click on the tray icon did not show the window"
window=$(visible_clock | head -n 1)
before=$(xdotool getwindowname "$window")
sleep 1.2
after=$(xdotool getwindowname "$window")
[ "$before" != "$after" ] || fail "the title did not tick: $before"
echo "window title ticks: $before -> $after"

xdotool key --window "$window" Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --name '$title_pattern'" || fail "Escape did not hide the window"

timeout 20 "$bin"
status=$?
[ $status -eq 0 ] || fail "the second start ended with status $status"
kill -0 "$first" 2>/dev/null || fail "the first copy is gone"
wait_for 10 visible_clock || fail "the second start did not bring the first copy's window back"
echo "second start handed over and ended with 0; the first copy runs on"
