#!/bin/bash
# Draws the program's pictures into this folder with ImageMagick (convert). The build
# embeds the results; run this again after changing it and commit what it writes.
set -e
cd "$(dirname "$0")"

# PNG output: 8-bit RGBA at 96 dpi with no chunks beyond the pixels and the resolution,
# so GDI+ applies no gamma and the files come out the same on every run.
png=(-units PixelsPerInch -density 96 -define png:include-chunk=none,pHYs -define png:color-type=6
     -define png:bit-depth=8)

# --- Background: a misty lake at dawn under a dusk-blue band, 917 x 513, JPEG of about
# 8 KB. Every window shows it stretched, so its rows map to the title bar by the window's
# height: the band is dark down to row 43 (the caption of the lowest window, 281 pixels,
# ends at its row 24) for the white caption text, and everything below row 46 is pale
# enough for black text: labels, check boxes and what a user types stand right on it.
background() {
  local W=917 H=513 args
  ridge() {  # base amplitude1 frequency1 amplitude2 frequency2 phase: a wavy ridge, closed below
    awk -v W=$W -v H=$H -v b=$1 -v a1=$2 -v f1=$3 -v a2=$4 -v f2=$5 -v p=$6 'BEGIN {
      s = "polygon -40," H
      for (x = -40; x <= W + 40; x += 8) s = s " " x "," int(b + a1 * sin(x * f1 + p) + a2 * sin(x * f2 + 2 * p))
      print s " " W + 40 "," H }'
  }
  layer() {  # colour blur ridge-arguments...
    local colour=$1 blur=$2
    shift 2
    args+=(\( -size ${W}x${H} xc:none -fill "$colour" -draw "$(ridge "$@")" -virtual-pixel edge -blur 0x$blur \)
           -composite)
  }
  args=(-size ${W}x${H} gradient:'#eef3f5'-'#d3e0e6')
  layer '#c7d6dc' 10 250 38 0.006 14 0.021 0.7
  layer '#b6c9d1' 5 330 30 0.009 10 0.027 2.1
  layer '#a8bec8' 3 410 22 0.012 8 0.033 4.0
  args+=(-fill '#6f8a98' -draw "polygon 690,452 760,452 750,461 700,461"
         -draw "polygon 724,449 724,412 746,448" -draw "rectangle 721,406 722,452")
  # The band, with a soft lower edge of three rows.
  args+=(\( -size ${W}x44 gradient:'#16293a'-'#22405a' \) -geometry +0+0 -composite
         -fill '#5d7487' -draw "rectangle 0,44 $W,44" -fill '#9fb2bf' -draw "rectangle 0,45 $W,45")
  convert "${args[@]}" -strip -sampling-factor 2x2 -quality 82 background.jpg
}

# --- Caption buttons, 18 pixels high: a white glyph over a dark soft shadow on a band of
# alpha 3/255. GLYPH in the primitives stands for the colour being drawn (black for the
# shadow, white for the glyph).
caption_button() {  # name width primitives...
  local name=$1 width=$2
  shift 2
  convert -size ${width}x18 xc:'rgba(0,0,0,0.012)' \
    \( -size ${width}x18 xc:none -fill none -stroke black -strokewidth 2.2 "${@//GLYPH/black}" \
       -blur 0x1.3 -channel A -evaluate multiply 0.85 +channel \) -composite \
    \( -size ${width}x18 xc:none -fill none -stroke white -strokewidth 1 "${@//GLYPH/white}" \) -composite \
    "${png[@]}" PNG32:$name.png
}

caption_buttons() {
  # Speech bubble.
  caption_button caption_help 26 -draw "roundrectangle 7,3 18,11 2,2" -draw "polyline 9,11 9,14 12,11"
  # Small window with text lines, and a pointer.
  caption_button caption_menu 26 -draw "rectangle 5,3 15,13" -draw "line 7,6 12,6" -draw "line 7,8 12,8" \
    -draw "line 7,10 10,10" \
    +antialias -fill GLYPH -stroke none -draw "polygon 14,9 14,16 16,14 18,17 19,16 17,13 20,13"
  caption_button caption_minimize 26 -draw "line 8,11 17,11" -draw "line 8,12 17,12"
  caption_button caption_maximize 26 -draw "rectangle 8,4 17,13" -draw "line 8,5 17,5"
  # Two overlapping windows.
  caption_button caption_restore 26 -draw "polyline 10,4 10,3 18,3 18,10 16,10" \
    -draw "rectangle 7,6 15,13" -draw "line 7,7 15,7"
  caption_button caption_close 38 -strokewidth 1.7 -draw "line 15,5 23,13" -draw "line 23,5 15,13"
}

# --- Pixel pictures: "x y red green blue alpha" lines on stdin; every other pixel is
# transparent.
pixels() {  # name width height
  { echo "# ImageMagick pixel enumeration: $2,$3,255,srgba"
    awk -v W=$2 -v H=$3 '{ p[$1 "," $2] = "(" $3 "," $4 "," $5 "," $6 ")" }
      END { for (y = 0; y < H; y++) for (x = 0; x < W; x++) print x "," y ": " ((x "," y) in p ? p[x "," y] : "(0,0,0,0)") }'
  } | convert txt:- "${png[@]}" PNG32:$1.png
}

# Check box, 13 x 13: a one-pixel frame round an interior whose colour is constant along
# each anti-diagonal, lightening towards the bottom right.
check_box_pixels() {  # frame red green blue alpha
  awk -v frame="$*" '
    function hex(s,  i, v) { for (i = 1; i <= 2; i++) v = v * 16 + index("0123456789ABCDEF", substr(s, i, 1)) - 1; return v }
    BEGIN {
      split("DEDFD6 E0E0D8 E2E2DA E4E4DC E7E6DF E9E8E1 EBE9E3 EDEBE5 F0EDE8 F2EFEA F4F1EC F7F3EF F7F4F0 F8F5F1 " \
            "F9F6F3 F9F7F4 FAF8F6 FBF9F7 FCFAF9 FCFBFA FDFCFC", ramp, " ")
      for (y = 0; y < 13; y++) for (x = 0; x < 13; x++) {
        if (x == 0 || y == 0 || x == 12 || y == 12) { print x, y, frame; continue }
        c = ramp[x + y - 1]
        print x, y, hex(substr(c, 1, 2)), hex(substr(c, 3, 2)), hex(substr(c, 5, 2)), 255
      } }'
}

check_boxes() {
  check_box_pixels 3 3 3 230 | pixels check_box 13 13
  local tick="9,3 8,4 9,4 3,5 7,5 8,5 9,5 3,6 4,6 6,6 7,6 8,6 3,7 4,7 5,7 6,7 7,7 4,8 5,8 6,8 5,9"
  { check_box_pixels 24 81 132 255; for p in $tick; do echo "${p/,/ } 36 110 117 255"; done; } |
    pixels check_box_checked 13 13
}

# Arrows of the combo box and the up-down control: solid near-black triangles. Each
# input line is "row first-column last-column".
arrow() {  # name width height
  awk '{ for (x = $2; x <= $3; x++) print x, $1, 2, 2, 2, 255 }' | pixels "$@"
}

arrows() {
  printf '0 3 3\n1 2 4\n2 1 5\n3 0 6\n' | arrow arrow_up 7 4
  printf '0 0 6\n1 1 5\n2 2 4\n3 3 3\n' | arrow arrow_down 7 4
  printf '0 3 3\n1 2 3\n2 1 3\n3 0 3\n4 1 3\n5 2 3\n6 3 3\n' | arrow arrow_left 4 7
  printf '0 0 0\n1 0 1\n2 0 2\n3 0 3\n4 0 2\n5 0 1\n6 0 0\n' | arrow arrow_right 4 7
}

# --- Application icon: a white sail boat before a misty ridge on a rounded blue tile,
# drawn at 256 pixels and scaled to 48, 32 and 16.
icon() {
  local work
  work=$(mktemp -d)
  convert -size 256x256 gradient:'#3b93bd'-'#153f5a' \
    \( -size 256x256 xc:black -fill white -draw "roundrectangle 8,8 247,247 44,44" \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    -fill '#5b93ad' -draw "polygon 8,178 40,138 74,158 118,104 160,146 196,120 247,168 247,200 8,200" \
    -fill '#d8eef6' -draw "polygon 132,44 132,176 200,176" -draw "polygon 122,64 122,176 72,176" \
    -fill white -draw "rectangle 126,40 130,182" -draw "polygon 52,184 212,184 190,212 74,212" \
    "$work/icon.png"
  for size in 48 32 16; do
    convert "$work/icon.png" -filter Lanczos -resize ${size}x$size PNG32:"$work/$size.png"
  done
  convert "$work/48.png" "$work/32.png" "$work/16.png" program.ico
  rm -r "$work"
}

background
caption_buttons
check_boxes
arrows
icon
