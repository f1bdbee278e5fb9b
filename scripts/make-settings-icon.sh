#!/usr/bin/env bash
# Draws the settings program's icon with ImageMagick and writes it as a .ico file into the
# source tree, where it is committed: one 32-pixel image with 16 colours. Run it again
# after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/.."

# make_icon_16_colours OUTPUT.ico DRAWING: the drawing (a 64-pixel picture on standard
# output) scaled to 32 pixels and reduced to a palette of 16 colours.
make_icon_16_colours() {
  local output="$1" drawing="$2" work
  work="$(mktemp -d)"
  "$drawing" >"$work/large.png"
  convert "$work/large.png" -filter Lanczos -resize 32x32 -background none +dither -colors 16 -type Palette \
    -strip "$work/32.png"
  convert "$work/32.png" -strip "$output"
  rm -rf "$work"
  echo "wrote $output"
}

# The settings program: the launcher's blue tile with a ticked check box and a slider.
draw_settings() {
  convert -size 64x64 xc:none \
    -fill '#1d4f91' -draw 'roundrectangle 2,2 61,61 12,12' \
    -fill white -stroke '#1d4f91' -draw 'rectangle 12,12 38,38' -stroke none \
    -fill '#1d4f91' -draw 'polygon 16,24 22,20 26,27 38,12 44,17 26,36' \
    -fill '#8fc1ff' -draw 'rectangle 12,46 52,51' \
    png:-
}

make_icon_16_colours settings/icons/VLOption.ico draw_settings
