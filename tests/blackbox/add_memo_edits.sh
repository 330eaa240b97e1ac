#!/usr/bin/env bash
# The add-memo window's two edit boxes, seen from outside: typing, selecting and scrolling
# and then emptying each one must bring back the picture it had before, with no text,
# caret or selection left over stale background. Screenshots before and after are kept
# in the work folder.
#   add_memo_edits.sh PROGRAM.exe WORK_FOLDER
set -euo pipefail
program=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)

source "$here/window_tools.sh"
fresh_copy "$program" "$work"

start_copy "$work"

main=$(find_window "岚舟备忘录") || fail "the main window did not appear"
xdotool windowfocus "$main"
sleep 1
keys Tab Return
add=$(find_window "添加备忘") || fail "the add-memo window did not open"
xdotool windowfocus "$add"
sleep 1
read -r x y < <(window_origin "$add")

# The edit's inside, away from the frame ring (which shows focus and hover).
crop() { convert "$1" -crop "$2" +repage "$3"; }
title_area="277x18+$((x + 80))+$((y + 71))"
body_area="320x136+$((x + 20))+$((y + 132))"
# Pixels that differ by more than a little; the blinking caret may account for a few.
changed() { compare -metric AE -fuzz 6% "$1" "$2" null: 2>&1 || true; }

# Away from both edits, so neither is drawn hot.
xdotool mousemove $((x + 200)) $((y + 300))
sleep 0.5
import -window root "$work/before.png"
crop "$work/before.png" "$title_area" "$work/title_before.png"
crop "$work/before.png" "$body_area" "$work/body_before.png"

click_in "$add" 200 80
xdotool type --delay 40 "Standup with the whole team at nine"
keys shift+Home
sleep 0.3
import -window root "$work/title_typed.png"
keys BackSpace
click_in "$add" 180 200
for i in $(seq 14); do xdotool type --delay 10 "line $i of the agenda"; keys Return; done
keys ctrl+Home shift+ctrl+End
sleep 0.3
import -window root "$work/body_typed.png"
keys BackSpace
xdotool mousemove $((x + 200)) $((y + 300))
# Focus back to the title so the body's caret is gone.
click_in "$add" 200 80
xdotool mousemove $((x + 200)) $((y + 300))
sleep 1
import -window root "$work/after.png"
crop "$work/after.png" "$title_area" "$work/title_after.png"
crop "$work/after.png" "$body_area" "$work/body_after.png"
crop "$work/title_typed.png" "$title_area" "$work/title_typed_crop.png"
crop "$work/body_typed.png" "$body_area" "$work/body_typed_crop.png"

typed=$(changed "$work/title_before.png" "$work/title_typed_crop.png")
(( typed > 200 )) || fail "the typed title did not show ($typed pixels changed)"
typed=$(changed "$work/body_before.png" "$work/body_typed_crop.png")
(( typed > 1000 )) || fail "the typed body did not show ($typed pixels changed)"
left=$(changed "$work/title_before.png" "$work/title_after.png")
(( left < 40 )) || fail "the emptied title left $left stale pixels"
left=$(changed "$work/body_before.png" "$work/body_after.png")
(( left < 40 )) || fail "the emptied body left $left stale pixels"

kill $program_pid 2>/dev/null || true
trap - EXIT
echo "1 passed, 0 failed"
