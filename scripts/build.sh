#!/usr/bin/env bash
# Installs what is missing, configures and builds into build/: everything, or the
# one target named as the argument.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
# A development build reaches no site but one on this machine: the update check and the
# site link point at a local port, where a test or a developer may serve a manifest.
cmake -S "$root" -B "$root/build" -DLZ_SITE_ADDRESS=http://127.0.0.1:8765 \
      -DLZ_MANIFEST_ADDRESS=http://127.0.0.1:8765/app/qzbwl/qzbwl.txt >/dev/null
cmake --build "$root/build" -j"$(nproc)" ${1:+--target "$1"}
"$root/scripts/wine-prefix.sh"
