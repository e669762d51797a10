#!/usr/bin/env bash
# Makes the desktop icon from the game's own artwork: a card back with the seven of coins fanned over it.
# Run by hand after the artwork changes; the icons are committed. Needs ImageMagick 6.
set -euo pipefail
cd "$(dirname "$0")/.."
pictures=resources/pictures
out=packaging/icons
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert-im6.q16 "$pictures/168.png" -resize 64x106 -background none -rotate -14 "$work/back.png"
convert-im6.q16 "$pictures/195.png" -resize 64x106 -background none -rotate 10 "$work/seven.png"
convert-im6.q16 -size 128x128 xc:none \
  "$work/back.png" -geometry +6+5 -composite \
  "$work/seven.png" -geometry +40+6 -composite \
  -depth 8 "$out/brivano-128.png"
for size in 64 48 32; do
  convert-im6.q16 "$out/brivano-128.png" -resize ${size}x${size} -depth 8 "$out/brivano-$size.png"
done
