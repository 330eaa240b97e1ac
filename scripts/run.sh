#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a display it starts a virtual one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" qzbwl
if [[ -n ${DISPLAY:-} ]]; then
  exec "$root/scripts/wine-run" "$root/build/app/qzbwl.exe"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/wine-run" "$root/build/app/qzbwl.exe"
