#!/bin/sh
# Renders Grovekeep's icon from its SVG into the hicolor PNGs and the Windows icon.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert. The outputs are committed, so
# installing needs neither; run this again after changing the SVG (and the painter in
# src/widgets/ui/style.cpp, which draws the same picture).
set -eu
cd "$(dirname "$0")"

svg=hicolor/scalable/apps/org.grovekeep.Grovekeep.svg
for size in 16 22 24 32 48 64 128 256; do
    dir=hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$dir/org.grovekeep.Grovekeep.png" "$svg"
done

# 16, 32 and 48 pixels as 32-bit bitmaps, 256 as PNG, the layout Windows resource compilers
# expect. No timestamps, so the same SVG gives the same bytes.
convert \
    hicolor/16x16/apps/org.grovekeep.Grovekeep.png \
    hicolor/32x32/apps/org.grovekeep.Grovekeep.png \
    hicolor/48x48/apps/org.grovekeep.Grovekeep.png \
    hicolor/256x256/apps/org.grovekeep.Grovekeep.png \
    -define png:exclude-chunks=date,time +set date:create +set date:modify \
    grovekeep.ico
