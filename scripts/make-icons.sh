#!/usr/bin/env bash
# Draws the programs' icons with ImageMagick and writes them as .ico files into the source
# tree, where they are committed: the launcher's with 16 and 32 pixels each, the settings
# program's as one 32-pixel image with 16 colours. Run it again after changing a drawing.
# Each icon is a drawing function (a 64-pixel picture on standard output) and one
# make_icon (or make_icon_16_colours) line.
set -euo pipefail
cd "$(dirname "$0")/.."

# make_icon OUTPUT.ico DRAWING: the drawing scaled to 32 and 16 pixels, in one icon file.
make_icon() {
  local output="$1" drawing="$2" work
  work="$(mktemp -d)"
  "$drawing" >"$work/large.png"
  for size in 32 16; do
    convert "$work/large.png" -filter Lanczos -resize "${size}x${size}" -strip "$work/$size.png"
  done
  convert "$work/32.png" "$work/16.png" -strip "$output"
  rm -rf "$work"
  echo "wrote $output"
}

# make_icon_16_colours OUTPUT.ico DRAWING: the drawing scaled to 32 pixels and reduced to a
# palette of 16 colours, the one image of the icon file.
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

# The launcher: a blue tile with a white arrow that points onward.
draw_launcher() {
  convert -size 64x64 xc:none \
    -fill '#1d4f91' -draw 'roundrectangle 2,2 61,61 12,12' \
    -fill white -draw 'polygon 22,14 50,32 22,50' \
    -fill '#8fc1ff' -draw 'rectangle 10,14 16,50' \
    png:-
}

# A list file: a page with a folded corner, lines of a list and the launcher's arrow.
draw_list_file() {
  convert -size 64x64 xc:none \
    -fill white -stroke '#505050' -strokewidth 3 -draw 'polygon 10,3 42,3 55,16 55,61 10,61' \
    -fill '#d0d0d0' -draw 'polygon 42,3 42,16 55,16' -stroke none \
    -fill '#1d4f91' -draw 'rectangle 17,24 47,28' -draw 'rectangle 17,34 47,38' \
    -fill '#1d4f91' -draw 'polygon 17,44 33,51 17,58' \
    png:-
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

make_icon launcher/icons/Vorla.ico draw_launcher
make_icon launcher/icons/VorlaFile.ico draw_list_file
make_icon_16_colours settings/icons/VLOption.ico draw_settings
