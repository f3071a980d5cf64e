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
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$scratch"' EXIT

# Polls every 10 ms, for at most 20 s, until the command succeeds.
until_true() {
  timeout 20 bash -c "until $1 >/dev/null 2>&1; do sleep 0.01; done" || { echo "gave up waiting: $1"; exit 1; }
}

trayer --edge top --align right --widthtype request --height 24 --transparent false &
until_true "xdotool search --class trayer"
faketime '2026-12-06 09:14:55' "$bin" 2>/dev/null &
# The clock's icon is the only one in the tray: its middle is the tray's.
until_true "xprop -root _NET_SYSTEM_TRAY_S0"
sleep 2
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --class trayer | head -n 1)")"
# The disk driver makes its file when the announcement opens the device.
until_true "test -s $SDL_DISKAUDIOFILE"
sleep 1
clicked=$(date +%s%N)
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
until_true "xdotool search --onlyvisible --name '^Chimewise [0-9:]+$'"
shown=$(date +%s%N)
echo "window shown $(((shown - clicked) / 1000000)) ms after the tray click"
