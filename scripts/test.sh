#!/usr/bin/env bash
# Builds everything and runs every test under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
cd "$root/build"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure -j2 "$@"
