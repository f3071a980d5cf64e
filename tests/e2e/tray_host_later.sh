#!/bin/bash
# The real program with a panel that comes later, as at login: with no tray at
# all the window shows normally, and what it opens (the footer's mail link)
# does not inherit the clock's own X11 setting; a StatusNotifierWatcher started 10 s after
# the clock gets the clock's item, whose Activate brings the window back and
# whose exported menu holds the clock's popup and runs its commands; a panel
# restart gets it again.
set -u
bin=$(realpath "$1")
needs="dbus-send"
source "$(dirname "$0")/desktop.sh"
watcher_log="$scratch/items"
# The desktop's opener, standing in: it notes its environment.
mkdir -p "$scratch/bin"
printf '#!/bin/sh\nenv > "%s"\necho "$@" >> "%s"\n' "$scratch/opened" "$scratch/opened" > "$scratch/bin/xdg-open"
chmod +x "$scratch/bin/xdg-open"
export PATH="$scratch/bin:$PATH"
unset QT_XCB_NO_MITSHM

"$bin" &
pids+=($!)
started=$(date +%s%N)
wait_for 15 visible_clock || fail "with no tray at all the window did not show"
window=$(visible_clock | head -n 1)
! xprop -id "$window" WM_HINTS _NET_WM_STATE | grep -q "Iconic State\|_NET_WM_STATE_HIDDEN" ||
  fail "the window started minimised: $(xprop -id "$window" WM_HINTS _NET_WM_STATE)"
# The footer's link lies a little above the window's bottom edge.
eval "$(xdotool getwindowgeometry --shell "$window")"
y=$((HEIGHT - 2))
while [ ! -s "$scratch/opened" ] && [ $y -gt $((HEIGHT - 60)) ]; do
  xdotool mousemove --window "$window" 146 "$y" click 1; sleep 0.3; y=$((y - 3))
done
grep -q '^mailto:' "$scratch/opened" || fail "a click on the footer's link opened nothing"
! grep -q QT_XCB_NO_MITSHM "$scratch/opened" || fail "the opened program inherited QT_XCB_NO_MITSHM"
echo "the mail link opened without the clock's X11 setting"

left=$((10000 - ($(date +%s%N) - started) / 1000000))
sleep "$((left / 1000)).$(printf %03d $((left % 1000)))"
/usr/bin/python3 "$(dirname "$0")/status_notifier_watcher.py" "$watcher_log" &
panel=$!
pids+=($panel)
wait_for 10 grep -q StatusNotifierItem "$watcher_log" || fail "the item did not register with the late watcher"
read -r item path < "$watcher_log"
echo "registered 10 s after start: $item $path"

sni() { dbus-send --session --print-reply --dest="$item" "$path" "$@"; }
property() { sni org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem "string:$1"; }
property Status | grep -q '"Active"' || fail "the item's status is not Active: $(property Status)"
property ToolTip | grep -q 'string "Chimewise [0-2][0-9]:' || fail "the item's tip lacks the time"

xdotool key --window "$window" Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --name '$title_pattern'" ||
  fail "Escape did not hide the window behind the item"
# Hidden, the panel is still told the time every second.
tip_time() { property ToolTip | grep -o 'Chimewise [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' | head -n 1; }
tip_moved() { [ "$(tip_time)" != "$hidden_tip" ]; }
hidden_tip=$(tip_time)
wait_for 3 tip_moved || fail "the hidden clock's item tip stayed at $hidden_tip"
sni org.kde.StatusNotifierItem.Activate int32:0 int32:0 >/dev/null || fail "Activate was refused"
wait_for 10 visible_clock || fail "Activate did not show the window"
echo "Activate showed the window"

menu=$(property Menu | sed -n 's/.*object path "\(.*\)"/\1/p')
layout=$(dbus-send --session --print-reply --dest="$item" "$menu" com.canonical.dbusmenu.GetLayout \
         int32:0 int32:-1 array:string:)
for label in E_xit _About "Repair Databases" "_Toggle Language" "_Enable Aazan" "View _Alarms" \
             "_Web Browser" "View E_vents" "Start at login"; do
  grep -q "string \"$label\"" <<< "$layout" || fail "the exported menu lacks \"$label\""
done
echo "the exported menu holds the clock's popup"

# A click on "About" in the panel's menu opens the About box.
about=$(awk '/int32 [0-9]+/ { id = $2 } /string "_About"/ { print id; exit }' <<< "$layout")
dbus-send --session --print-reply --dest="$item" "$menu" com.canonical.dbusmenu.Event \
  "int32:$about" string:clicked variant:int32:0 uint32:0 >/dev/null || fail "the menu refused the click"
wait_for 10 xdotool search --onlyvisible --name '^About Chimewise$' || fail "the menu's About did not open the About box"
echo "the menu's About opened the About box"

# A panel that restarts learns of the item again.
kill "$panel"; wait "$panel" 2>/dev/null
/usr/bin/python3 "$(dirname "$0")/status_notifier_watcher.py" "$watcher_log.again" &
pids+=($!)
wait_for 10 grep -q StatusNotifierItem "$watcher_log.again" || fail "the item did not register with the restarted watcher"
echo "registered again after a panel restart"
