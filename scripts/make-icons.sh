#!/usr/bin/env bash
# Renders the icon PNGs from packaging/icons/org.vexel.Vexel.svg.
#
# A developer step only: the PNGs it writes are committed, so building and
# packaging never need an SVG renderer. Run it again after editing the SVG.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert (imagemagick).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
icons="$root/packaging/icons"
svg="$icons/org.vexel.Vexel.svg"

for tool in rsvg-convert convert; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "make-icons.sh: $tool is missing (apt-get install librsvg2-bin imagemagick)" >&2
        exit 1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# rsvg-convert draws the SVG straight at each size; scaling one large bitmap
# down would smear the 1-pixel lines of the 16-pixel icon.
render() {
    rsvg-convert --width "$1" --height "$1" --output "$2" "$svg"
}

# -strip drops the time stamps ImageMagick would write, so that rendering
# an unchanged SVG again leaves the committed files byte for byte alike.
for size in 16 32 48 64 128; do
    mkdir -p "$icons/hicolor/$size"
    render "$size" "$work/full.png"
    convert "$work/full.png" -strip "$icons/hicolor/$size/org.vexel.Vexel.png"
done

# The window's icon group keeps the classic set of three images. Each is the
# same picture brought down to a fixed palette: the sixteen colours of the old
# VGA palette, or black and white. In two colours the green square would
# vanish into the dark lines, so that image goes through grey and a checker
# dither instead: the green comes out as a half-tone, the bullet black, the
# guns white. The rounded corners stay transparent, cut with a hard mask as
# an icon's mask would be, so the opaque pixels use only the palette's colours.
convert xc:'#000000' xc:'#800000' xc:'#008000' xc:'#808000' \
    xc:'#000080' xc:'#800080' xc:'#008080' xc:'#c0c0c0' \
    xc:'#808080' xc:'#ff0000' xc:'#00ff00' xc:'#ffff00' \
    xc:'#0000ff' xc:'#ff00ff' xc:'#00ffff' xc:'#ffffff' +append "$work/sixteen.png"

reduce() { # size colours output
    local full="$work/window-$1.png"
    render "$1" "$full"
    convert "$full" -alpha extract -threshold 50% "$work/mask.png"
    if [ "$2" = 2 ]; then
        convert "$full" -background black -alpha remove -grayscale Rec601Luma -level 35%,75% \
            -ordered-dither checks "$work/colour.png"
    else
        convert "$full" -background black -alpha remove -dither None \
            -remap "$work/sixteen.png" "$work/colour.png"
    fi
    convert "$work/colour.png" "$work/mask.png" -alpha off -compose CopyOpacity -composite \
        -strip "PNG8:$3"
}

mkdir -p "$icons/window"
reduce 32 2 "$icons/window/vexel-32x32-2.png"
reduce 32 16 "$icons/window/vexel-32x32-16.png"
reduce 16 16 "$icons/window/vexel-16x16-16.png"
