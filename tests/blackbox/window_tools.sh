# Shared by the black-box tests: finding the program's windows on the test display and
# acting on them with xdotool. Sourced, not run.

tools_folder=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

fail() { echo "FAIL: $*"; exit 1; }

# Copies PROGRAM into a new WORK folder, where its memo store and pages will live.
fresh_copy() { rm -rf "$2" && mkdir -p "$2" && cp "$1" "$2/qzbwl.exe"; }

# Starts the copy in WORK under Wine; program_pid is its process. Whatever way the
# script ends, the program (and a test's server_pid, when it runs one) ends with it.
start_copy() {
  "$tools_folder/../../scripts/wine-run" "$1/qzbwl.exe" &
  program_pid=$!
  trap 'kill $program_pid ${server_pid:-} 2>/dev/null || true' EXIT
}

# xdotool's --name does not match Wine's CJK titles, but getwindowname reads them.
find_window() {
  # Up to a minute: a loaded host can take long to start Wine the first time.
  for _ in $(seq 300); do
    for w in $(xdotool search --onlyvisible --name '.*' 2>/dev/null); do
      [[ $(xdotool getwindowname "$w" 2>/dev/null) == "$1" ]] && { echo "$w"; return 0; }
    done
    sleep 0.2
  done
  return 1
}

keys() { xdotool key --delay 80 "$@"; sleep 0.5; }

window_origin() { xdotool getwindowgeometry "$1" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p'; }
window_size() { xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p'; }

click_in() {
  read -r wx wy < <(window_origin "$1")
  xdotool mousemove $((wx + $2)) $((wy + $3)) click 1
  sleep 0.5
}

# Presses at a point of the window, moves the mouse by (dx, dy) in five steps and lets go.
drag_in() {
  read -r wx wy < <(window_origin "$1")
  xdotool mousemove $((wx + $2)) $((wy + $3))
  sleep 0.3
  xdotool mousedown 1
  sleep 0.3
  for _ in 1 2 3 4 5; do xdotool mousemove_relative -- $(($4 / 5)) $(($5 / 5)); sleep 0.1; done
  sleep 0.3
  xdotool mouseup 1
  sleep 0.8
}
