#!/usr/bin/env bash
# Draws the program's two icons with ImageMagick and writes them into res/
# as PNG (for desktop entries and documents) and as raw pixels, 8-bit
# R, G, B, A per pixel, which the program compiles in: raw pixels need no
# image decoder, and so no image-format plugins loaded at start-up.
# Building needs neither this script nor ImageMagick.
#   quibra-NN.*   the application icon: a pocket calculator with a ruler edge
#   help-32.*     the help window's icon: a speech bubble with a question mark
set -euo pipefail
cd "$(dirname "$0")/../res"

calculator=(
  -size 256x256 xc:none
  -fill '#1f3a5a' -stroke '#0d1d30' -strokewidth 6 -draw 'roundrectangle 28,8 228,248 28,28'
  -fill '#c9e7b0' -stroke '#5d7a48' -strokewidth 4 -draw 'roundrectangle 52,32 204,84 8,8'
  -fill '#27411a' -stroke none -draw 'rectangle 150,48 160,70' -draw 'rectangle 172,48 182,70'
  -draw 'rectangle 190,64 196,70'
  -stroke none
)
for row in 0 1 2; do
  for col in 0 1 2; do
    x=$((56 + col * 52)); y=$((104 + row * 46))
    colour='#e8edf2'; [ "$col" -eq 2 ] && colour='#f0a040'
    calculator+=(-fill "$colour" -draw "roundrectangle $x,$y $((x + 40)),$((y + 34)) 6,6")
  done
done
# A ruler along the bottom edge: the converter side of the calculator.
calculator+=(-fill '#f5d76e' -stroke '#7a6320' -strokewidth 3 -draw 'rectangle 40,236 216,254')
for tick in $(seq 52 16 212); do
  calculator+=(-stroke '#7a6320' -strokewidth 3 -draw "line $tick,236 $tick,244")
done

convert "${calculator[@]}" quibra-256.png
for size in 16 32 48; do
  convert quibra-256.png -filter Lanczos -resize ${size}x${size} -strip quibra-$size.png
done
rm quibra-256.png

convert -size 256x256 xc:none \
  -fill '#2f6db5' -stroke '#173a66' -strokewidth 8 -draw 'roundrectangle 16,20 240,196 40,40' \
  -draw 'polygon 70,190 60,244 120,192' -stroke none -draw 'polygon 74,186 64,236 116,188' \
  -fill white -font DejaVu-Sans-Bold -pointsize 170 -gravity center -annotate +0-18 '?' \
  -filter Lanczos -resize 32x32 -strip help-32.png

for png in quibra-16.png quibra-32.png quibra-48.png help-32.png; do
  convert "$png" -depth 8 "rgba:${png%.png}.rgba"
done
