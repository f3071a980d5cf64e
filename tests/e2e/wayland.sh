#!/bin/bash
# The real program on Wayland (a headless weston): with no tray the window
# shows, not minimised; a panel's menu opens a dialog; and behind a panel's
# item, a second start brings the hidden window up. The clock's own protocol
# log (WAYLAND_DEBUG) tells what it asked of the compositor.
set -u
bin=$(realpath "$1")
for tool in weston dbus-run-session dbus-send; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run tools/install-deps"; exit 1; }
done
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] ||
  { echo "missing qt6-wayland: run tools/install-deps"; exit 1; }
if [ -z "${CHIMEWISE_E2E_INNER:-}" ]; then
  export CHIMEWISE_E2E_INNER=1
  exec dbus-run-session -- "$0" "$@"
fi

scratch=$(mktemp -d)
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
export XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=chimewise-e2e TZ=UTC
unset DISPLAY
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }
wait_for() {
  local tries=$(($1 * 10)); shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1)); [ $tries -gt 0 ] || return 1; sleep 0.1
  done
}

weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 > "$scratch/weston.log" 2>&1 &
pids+=($!)
wait_for 10 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start: $(cat "$scratch/weston.log")"

# clock <log>: the clock in the background, its protocol log in <log>.
clock() { WAYLAND_DEBUG=client "$bin" 2> "$1" & pids+=($!); clock_pid=$!; }
titled() { grep -q "xdg_toplevel@[0-9]*\.set_title(\"$2" "$1"; }
panel() {
  /usr/bin/python3 "$(dirname "$0")/status_notifier_watcher.py" "$1" &
  pids+=($!)
  wait_for 10 grep -q StatusNotifierItem "$1" || fail "the clock's item did not register with the panel"
}

clock "$scratch/first.log"
wait_for 15 titled "$scratch/first.log" "Chimewise [0-2][0-9]:" || fail "with no tray the window did not show"
! grep -q "set_minimized" "$scratch/first.log" || fail "the window was minimised at start"
echo "with no tray the window shows, not minimised"

panel "$scratch/items"
read -r item path < "$scratch/items"
layout=$(dbus-send --session --print-reply --dest="$item" /MenuBar com.canonical.dbusmenu.GetLayout \
         int32:0 int32:-1 array:string:)
about=$(awk '/int32 [0-9]+/ { id = $2 } /string "_About"/ { print id; exit }' <<< "$layout")
dbus-send --session --print-reply --dest="$item" /MenuBar com.canonical.dbusmenu.Event \
  "int32:$about" string:clicked variant:int32:0 uint32:0 >/dev/null || fail "the menu refused the click"
wait_for 10 titled "$scratch/first.log" "About Chimewise" || fail "the panel's About did not open the About box"
echo "the panel's menu opened the About box"
kill "$clock_pid"; wait "$clock_pid" 2>/dev/null

# With the panel there, the clock starts hidden behind its item.
clock "$scratch/second.log"
wait_for 10 grep -q "StatusNotifierItem-$clock_pid-" "$scratch/items" || fail "the new clock's item did not register"
sleep 1
! titled "$scratch/second.log" "Chimewise" || fail "with a panel the window should start hidden"
XDG_ACTIVATION_TOKEN=e2e-token timeout 20 "$bin"
status=$?
[ $status -eq 0 ] || fail "the second start ended with status $status"
wait_for 10 titled "$scratch/second.log" "Chimewise [0-2][0-9]:" || fail "the second start did not bring the window up"
echo "a second start brought the hidden window up and ended with 0"
