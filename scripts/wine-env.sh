# Sourced by every script that starts Wine: the settings for one architecture, named by
# LZ_WINE_ARCH: win32 (PE32, the shipped program) or win64 (PE32+).
# Each architecture has its own build folder, and its own private prefix inside it.
lz_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
case ${LZ_WINE_ARCH:-} in
  win32) BUILD_DIR=$lz_root/build ;;
  win64) BUILD_DIR=$lz_root/build64 ;;
  *) echo "wine-env.sh: LZ_WINE_ARCH must be win32 or win64, not '${LZ_WINE_ARCH:-}'" >&2; return 1 ;;
esac
export BUILD_DIR
export WINEARCH=$LZ_WINE_ARCH
export WINEPREFIX=$BUILD_DIR/wineprefix-$LZ_WINE_ARCH
# The loader is named outright: the `wine` wrapper picks the 32-bit loader whenever wine32
# is installed, which cannot start on a host without 32-bit execution.
if [[ $LZ_WINE_ARCH == win32 ]]; then
  export WINELOADER=/usr/lib/wine/wine
else
  export WINELOADER=/usr/lib/wine/wine64
fi
export WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=-all
# No Mono or Gecko install prompts: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 936: without it GetACP() is 1252 and every GBK text breaks.
export LC_ALL=zh_CN.UTF-8
