#!/usr/bin/env bash
# Installs what is missing, configures and builds into build/: everything, or the
# one target named as the argument.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" -j"$(nproc)" ${1:+--target "$1"}
"$root/scripts/wine-prefix.sh"
