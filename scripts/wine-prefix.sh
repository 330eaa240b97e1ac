#!/usr/bin/env bash
# Prepares the private Wine prefix of LZ_WINE_ARCH once: initialised, and the program's two
# font names mapped to a CJK font that Debian ships. A second run finds the marker and does
# nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
marker="$WINEPREFIX/.lanzhou-ready"
[[ -f $marker ]] && exit 0

mkdir -p "$WINEPREFIX"
# A win64 prefix warns that syswow64\rundll32.exe is missing: harmless for 64-bit programs.
"$WINELOADER" wineboot -i >/dev/null 2>&1 || true
"$WINESERVER" -w

# regedit reads a UTF-8 REGEDIT4 file in the ANSI code page and mangles the names,
# so the file is written as UTF-16LE with a byte-order mark.
reg="$WINEPREFIX/fonts.reg"
{
  printf '\xff\xfe'
  iconv -f UTF-8 -t UTF-16LE <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"宋体"="WenQuanYi Micro Hei"
"SimSun"="WenQuanYi Micro Hei"
"微软雅黑"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"

; Without a window manager Wine waits two seconds for every managed window that is
; hidden or destroyed; unmanaged windows look the same on a bare X server.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
REG
} >"$reg"
"$WINELOADER" regedit /S "$reg" >/dev/null 2>&1
"$WINESERVER" -w
# A prefix that did not come up must not be marked ready.
[[ -f $WINEPREFIX/system.reg ]] || { echo "wine-prefix.sh: Wine could not make $WINEPREFIX" >&2; exit 1; }
touch "$marker"
