#!/usr/bin/env bash
# Builds the program and starts it under Wine: the shipped PE32 program where this host
# can execute 32-bit code, the PE32+ build where it cannot. Without a display it starts a
# virtual one.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/host.sh"
"$here/setup.sh"
if host_runs_32bit; then
  arch=win32; echo "run.sh: starting the PE32 program under 32-bit Wine."
else
  arch=win64; echo "run.sh: starting the PE32+ program under 64-bit Wine: $host_32bit_reason."
fi
"$here/build.sh" "$arch" qzbwl
program=$(LZ_WINE_ARCH=$arch; source "$here/wine-env.sh"; echo "$BUILD_DIR/app/qzbwl.exe")
if [[ -n ${DISPLAY:-} ]]; then
  exec "$here/wine-run" "$program"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$here/wine-run" "$program"
