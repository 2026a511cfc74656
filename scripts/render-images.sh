#!/usr/bin/env bash
# Renders the drawings of art/ into the PNG resources of images/ and rewrites images/images.qrc.
#   art/<folder>/<id>-<name>.svg  ->  images/png/<id>.png at the drawing's own size
#   art/icons/icon<id>.svg        ->  images/png/icon<id>_<size>.png for every program icon size:
#                                     from 48 pixels up the scalable drawing, below that the
#                                     nearest drawing made for a pixel size, icon<id>-<size>.svg
# The rendered PNGs are committed, so building the programs needs no renderer.
# Needs rsvg-convert (Debian: librsvg2-bin) and python3.
set -euo pipefail
shopt -s nullglob

cd "$(dirname "$0")/.."
out=images/png
icon_sizes=(16 22 24 32 48 64 128 256)

command -v rsvg-convert >/dev/null || { echo "rsvg-convert not found (librsvg2-bin)" >&2; exit 1; }

python3 art/status/generate.py
python3 art/icons/compose-notifier.py

rm -f "$out"/*.png
mkdir -p "$out"

for svg in art/status/*.svg art/buttons/*.svg art/pictures/*.svg art/icons/[0-9]*.svg; do
    name=$(basename "$svg" .svg)
    id=${name%%-*}
    [[ $id =~ ^[0-9]+$ ]] || { echo "drawing without an id: $svg" >&2; exit 1; }
    [ -e "$out/$id.png" ] && { echo "id $id drawn twice ($svg)" >&2; exit 1; }
    rsvg-convert "$svg" -o "$out/$id.png"
done

for main in art/icons/icon*.svg; do
    name=$(basename "$main" .svg)
    [[ $name =~ ^icon[0-9]+$ ]] || continue
    for size in "${icon_sizes[@]}"; do
        src=$main
        if [ "$size" -lt 48 ]; then
            best=
            for variant in art/icons/"$name"-*.svg; do
                vsize=$(basename "$variant" .svg)
                vsize=${vsize##*-}
                distance=$(( vsize > size ? vsize - size : size - vsize ))
                if [ -z "$best" ] || [ "$distance" -le "$best" ]; then
                    best=$distance
                    src=$variant
                fi
            done
        fi
        rsvg-convert -w "$size" -h "$size" "$src" -o "$out/${name}_${size}.png"
    done
done

{
    echo '<!DOCTYPE RCC>'
    echo '<RCC version="1.0">'
    echo '    <qresource prefix="/images">'
    find "$out" -maxdepth 1 -name '*.png' -printf '%f\n' | sort -V | while read -r png; do
        echo "        <file alias=\"$png\">png/$png</file>"
    done
    echo '    </qresource>'
    echo '</RCC>'
} > images/images.qrc

echo "Rendered $(find "$out" -maxdepth 1 -name '*.png' | wc -l) images into $out"
