#!/usr/bin/env bash
# A new user's first memo, seen from outside: the built program under Wine on the test
# display, driven by the keyboard only. Then the memo must be listed on screen and its
# page and record must be on disk. The program was built to fetch its update manifest from
# PORT on this machine; the test serves one there that offers nothing new, and holding the
# port keeps anything else from answering.
#   first_memo.sh PROGRAM.exe WORK_FOLDER PORT
set -euo pipefail
program=$1
work=$2
port=$3
here=$(cd "$(dirname "$0")" && pwd)

source "$here/window_tools.sh"
fresh_copy "$program" "$work"

# The program's own version, enabled: no question at start.
mkdir -p "$work/site/app/qzbwl"
printf '1【↑更新↑】真【↑更新↑】说明【↑更新↑】http://127.0.0.1:%s/x.exe' "$port" | iconv -f UTF-8 -t GBK \
  >"$work/site/app/qzbwl/qzbwl.txt"
python3 -u -m http.server --bind 127.0.0.1 --directory "$work/site" "$port" 2>"$work/server.log" >&2 &
server_pid=$!
trap 'kill $server_pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do grep -q "Serving HTTP" "$work/server.log" 2>/dev/null && break; sleep 0.1; done
kill -0 $server_pid 2>/dev/null ||
  fail "cannot serve the manifest on port $port (configure with another -DLZ_TEST_PORT): $(cat "$work/server.log")"

start_copy "$work"

main=$(find_window "岚舟备忘录") || fail "the main window did not appear"
grep -q '"GET /app/qzbwl/qzbwl.txt HTTP' "$work/server.log" || fail "the program did not ask for its manifest: $(cat "$work/server.log")"
xdotool windowfocus "$main"
sleep 1
import -window root "$work/start.png"

# The list pane has the keyboard; its first link is the add-memo command.
keys Tab Return
add=$(find_window "添加备忘") || fail "the add-memo window did not open from the keyboard"
xdotool windowfocus "$add"
# Date box has the keyboard: past the every-day box to the title.
keys Tab space Tab
xdotool type --delay 60 "Standup"
keys Tab Tab Tab
xdotool type --delay 60 "<h3>Agenda</h3>"
# The body keeps Tab for itself, so the add button is clicked with the mouse.
click_in "$add" $((296 + 32)) $((98 + 12))
confirm=$(find_window "岚舟提醒您") || fail "no message after pressing the add button"
import -window root "$work/saved.png"
xdotool windowfocus "$confirm"
keys Return
sleep 1
import -window root "$work/listed.png"

pages=("$work"/qztext/Standup*.htm)
[[ -f ${pages[0]} ]] || fail "no page file in qztext"
grep -q "<body><h3>Agenda</h3></body>" "${pages[0]}" || fail "page does not hold the body: $(cat "${pages[0]}")"
grep -q "Standup" "$work/qzedb/qzbwl.edb" || fail "record not in the database"

# Links are green in the list pane: the new memo's link adds green to what the header
# links had at the start.
read -r x y < <(window_origin "$main")
green_in() {
  convert "$1" -crop "276x319+$((x + 2))+$((y + 25))" +repage -fill black -opaque white \
    -fuzz 10% -fill white -opaque "rgb(0,128,0)" -fuzz 0 -fill black +opaque white -format "%[fx:round(mean*w*h)]" info:
}
before=$(green_in "$work/start.png")
after=$(green_in "$work/listed.png")
(( after > before + 30 )) || fail "no green link for the memo in the list (green pixels $before before, $after after)"

# Closing the main window ends the program cleanly. A click above the panes makes it
# the active window again after the message box.
click_in "$main" 140 12
keys alt+F4
for _ in $(seq 50); do kill -0 $program_pid 2>/dev/null || break; sleep 0.2; done
kill -0 $program_pid 2>/dev/null && fail "the program did not end when its main window closed"
wait $program_pid || fail "the program ended with code $?"
kill $server_pid 2>/dev/null || true
trap - EXIT
echo "1 passed, 0 failed"
