#!/usr/bin/env bash
# Takes one PNG of the control gallery's window for each state it names.
#   shots.sh CONTROL_GALLERY.exe OUT_DIR
# Runs on $DISPLAY when set, else on a display of its own under xvfb-run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
[[ $# -eq 2 && -f $1 ]] || { echo "usage: shots.sh CONTROL_GALLERY.exe OUT_DIR" >&2; exit 2; }
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
gallery=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$2
mkdir -p "$out"
source "$root/tests/blackbox/window_tools.sh"

# The window stands at (10, 10) and is 1000 x 720; without a window manager that is
# exactly where X shows it.
# A shot that fails still ends its gallery.
gallery_pid=
trap '[[ -n $gallery_pid ]] && kill "$gallery_pid" 2>/dev/null || true' EXIT
shoot() {
  local state=$1
  xdotool mousemove 1010 760
  "$root/scripts/wine-run" "$gallery" --state "$state" &
  gallery_pid=$!
  find_window "控件一览" >/dev/null || fail "the gallery window did not appear for $state"
  sleep 2
  import -window root -crop 1000x720+10+10 +repage "$out/$state.png"
  kill "$gallery_pid"
  wait "$gallery_pid" 2>/dev/null || true
  gallery_pid=
  echo "$out/$state.png"
}

for state in $("$root/scripts/wine-run" "$gallery" --list | tr -d '\r'); do
  shoot "$state"
done
