# Sourced by the run and test scripts: the Wine settings every start of the program needs.
# WINEPREFIX defaults to a private prefix inside the build folder.
: "${BUILD_DIR:=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build}"
export WINEPREFIX="${WINEPREFIX:-$BUILD_DIR/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko install prompts: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Code page 936: without it GetACP() is 1252 and every GBK text breaks.
export LC_ALL=zh_CN.UTF-8
