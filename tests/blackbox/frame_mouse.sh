#!/usr/bin/env bash
# The main window handled with the mouse alone, seen from outside: dragged by its title
# bar, sized by its bottom-right corner, minimised and restored, closed with its close
# button, after which the program ends with exit code 0.
#   frame_mouse.sh PROGRAM.exe WORK_FOLDER
set -euo pipefail
program=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)

source "$here/window_tools.sh"
fresh_copy "$program" "$work"

start_copy "$work"

main=$(find_window "岚舟备忘录") || fail "the main window did not appear"
sleep 1
read -r x0 y0 < <(window_origin "$main")
read -r w0 h0 < <(window_size "$main")
[[ "$w0 $h0" == "281 393" ]] || fail "the main window starts at ${w0}x${h0}, not 281x393"

# Moving: pressed in the title bar left of the caption buttons.
drag_in "$main" 100 12 50 40
read -r x1 y1 < <(window_origin "$main")
(( x1 == x0 + 50 && y1 == y0 + 40 )) || fail "dragging the title bar by 50,40 moved the window from $x0,$y0 to $x1,$y1"

# Sizing: the corner zone right of the command pane, which covers the rest of the corner.
drag_in "$main" $((w0 - 1)) $((h0 - 5)) 60 50
read -r w1 h1 < <(window_size "$main")
(( w1 == w0 + 60 && h1 == h0 + 50 )) || fail "dragging the corner by 60,50 sized the window to ${w1}x${h1}"
read -r x2 y2 < <(window_origin "$main")
(( x2 == x1 && y2 == y1 )) || fail "sizing from the bottom-right corner moved the window"
# Smaller than its minimum it goes back to the minimum.
drag_in "$main" $((w1 - 1)) $((h1 - 5)) -120 -100
read -r w2 h2 < <(window_size "$main")
(( w2 == 281 && h2 == 393 )) || fail "shrinking below the minimum left the window at ${w2}x${h2}"

# The strip's buttons: minimise, then close (26 and 40 wide, 27 apart, from 2 pixels
# into a strip that ends at the right edge).
strip_x=$((w2 - 68 + 1))
click_in "$main" $((strip_x + 2 + 13)) 10
sleep 0.5
read -r wm hm < <(window_size "$main")
(( wm < 281 || hm < 393 )) || fail "the minimise button left the window at ${wm}x${hm}"
# Without a window manager Wine shows a minimised window as a small title; its system
# menu restores it from the keyboard.
xdotool windowfocus "$main" 2>/dev/null || true
keys alt+space
keys r
read -r wr hr < <(window_size "$main")
read -r xr yr < <(window_origin "$main")
[[ "$wr $hr $xr $yr" == "281 393 $x1 $y1" ]] || fail "restoring gave ${wr}x${hr} at $xr,$yr"
import -window root "$work/restored.png"

click_in "$main" $((strip_x + 2 + 27 + 20)) 10
for _ in $(seq 50); do kill -0 $program_pid 2>/dev/null || break; sleep 0.2; done
kill -0 $program_pid 2>/dev/null && fail "the program did not end when its close button was clicked"
code=0
wait $program_pid || code=$?
trap - EXIT
(( code == 0 )) || fail "the program ended with code $code"
echo "1 passed, 0 failed"
