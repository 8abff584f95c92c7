#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quibra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Draws the program's two icons and writes them into res/ as PNG (installed
# into the desktop's icon theme, shown in documents) and as raw pixels,
# 8-bit R, G, B, A per pixel, which the program compiles in: raw pixels need
# no image decoder, and so no image-format plugins loaded at start-up.
# Building needs neither this script nor its tools (librsvg2-bin,
# imagemagick); run it after editing res/quibra.svg and commit what it writes.
#   quibra-NN.*   the application icon, rendered from res/quibra.svg: a pocket
#                 calculator on a ruler. The icon theme gets every size, the
#                 program all from 16 to 128 pixels but 22, so the window and
#                 the menu show the same image, and a screen of 1.25 to 2
#                 times the pixels gets art at least as large as it needs.
#   help-NN.*     the help window's icon, 32 to 64 pixels (up to twice its
#                 size on the screen): a speech bubble with a question mark
set -euo pipefail
cd "$(dirname "$0")/../res"

# Each size rendered from the vector image itself, not scaled down from a
# large bitmap, so the small ones stay sharp.
for size in 16 22 24 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" quibra.svg --output "quibra-$size.png"
done

# Drawn once, large, and scaled down to each size.
for size in 32 48 64; do
  convert -size 256x256 xc:none \
    -fill '#2f6db5' -stroke '#173a66' -strokewidth 8 -draw 'roundrectangle 16,20 240,196 40,40' \
    -draw 'polygon 70,190 60,244 120,192' -stroke none -draw 'polygon 74,186 64,236 116,188' \
    -fill white -font DejaVu-Sans-Bold -pointsize 170 -gravity center -annotate +0-18 '?' \
    -filter Lanczos -resize "${size}x$size" -strip "help-$size.png"
done

for png in quibra-{16,24,32,48,64,128}.png help-{32,48,64}.png; do
  convert "$png" -depth 8 "rgba:${png%.png}.rgba"
done
