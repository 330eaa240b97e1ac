#!/usr/bin/env bash
# Installs what is missing, configures and builds one architecture into its own folder:
# everything, or the one target named.
#   build.sh [win32|win64] [TARGET]
# win32 (the default) is the shipped PE32 program, in build/; win64 is PE32+, in build64/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export LZ_WINE_ARCH=${1:-win32}
source "$here/wine-env.sh"
case $LZ_WINE_ARCH in
  win32) toolchain=$lz_root/cmake/mingw-i686.cmake ;;
  win64) toolchain=$lz_root/cmake/mingw-x86_64.cmake ;;
esac
"$here/setup.sh"
# A development build reaches no site but one on this machine: the update check and the
# site link point at a local port, where a test or a developer may serve a manifest.
cmake -S "$lz_root" -B "$BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DLZ_SITE_ADDRESS=http://127.0.0.1:8765 \
      -DLZ_MANIFEST_ADDRESS=http://127.0.0.1:8765/app/qzbwl/qzbwl.txt >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" ${2:+--target "$2"}
"$here/wine-prefix.sh"
