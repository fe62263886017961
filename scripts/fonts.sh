#!/usr/bin/env bash
# fonts.sh <make_fon binary> <destination dir>
# Puts the two font files the studio reads into the destination: zarvo.fon, a Windows bitmap
# font built from misc-fixed 7x13 (xfonts-base), and arial.ttf, Liberation Sans (fonts-liberation).
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: fonts.sh <make_fon binary> <destination dir>" >&2
  exit 2
fi
make_fon="$1"
dest="$2"
bitmap_source=/usr/share/fonts/X11/misc/7x13-ISO8859-1.pcf.gz
text_source=/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf

for file in "$bitmap_source" "$text_source"; do
  [ -r "$file" ] || { echo "fonts.sh: missing $file (packages xfonts-base, fonts-liberation)" >&2; exit 1; }
done
[ -x "$make_fon" ] || { echo "fonts.sh: $make_fon is not an executable" >&2; exit 1; }

mkdir -p "$dest"
# Written beside the target and renamed, so a failed run never leaves half a font behind.
"$make_fon" "$bitmap_source" "$dest/zarvo.fon.tmp" "Zarvo" || { rm -f "$dest/zarvo.fon.tmp"; exit 1; }
mv -f "$dest/zarvo.fon.tmp" "$dest/zarvo.fon"
cp -f "$text_source" "$dest/arial.ttf.tmp"
mv -f "$dest/arial.ttf.tmp" "$dest/arial.ttf"
