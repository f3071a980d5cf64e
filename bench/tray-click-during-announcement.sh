#!/bin/bash
# How long the window takes to appear after a tray click made while the
# clock speaks the time: the real program under Xvfb with a tray host,
# started by faketime five seconds before 09:15 (the default interval speaks
# at every quarter), with SDL's disk audio driver.
#
#   bench/tray-click-during-announcement.sh build/chimewise
set -u
bin=$(realpath "$1")

if [ -z "${CHIMEWISE_BENCH_INNER:-}" ]; then
  export CHIMEWISE_BENCH_INNER=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$bin"
fi

scratch=$(mktemp -d)
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$scratch/out.raw"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"; }
trap cleanup EXIT

wait_for() {
  local tries=$(($1 * 100)); shift
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1)); [ $tries -gt 0 ] || return 1; sleep 0.01
  done
}
visible_clock() { xdotool search --onlyvisible --name '^Chimewise [0-9:]+$'; }
tray_icon() {
  for w in $(xdotool search --class chimewise 2>/dev/null); do
    xprop -id "$w" _XEMBED_INFO 2>/dev/null | grep -q '^_XEMBED_INFO(' && { echo "$w"; return 0; }
  done
  return 1
}

trayer --edge top --align right --widthtype request --height 24 --transparent false &
pids+=($!)
wait_for 10 xdotool search --class trayer || { echo "no tray host"; exit 1; }
sleep 0.3

faketime '2026-12-06 09:14:55' "$bin" 2>/dev/null &
pids+=($!)
wait_for 15 tray_icon || { echo "no tray icon"; exit 1; }
icon=$(tray_icon)
# The disk driver makes its file when the announcement opens the device.
wait_for 20 test -s "$SDL_DISKAUDIOFILE" || { echo "no announcement at 09:15"; exit 1; }
sleep 1
clicked=$(date +%s.%N)
xdotool mousemove --window "$icon" 5 5 click 1
wait_for 10 visible_clock || { echo "the window never appeared"; exit 1; }
shown=$(date +%s.%N)
echo "window shown $(echo "($shown - $clicked) * 1000" | bc | cut -d. -f1) ms after the tray click"
