#!/bin/sh
# Remakes Caveto's pictures: the animated GIFs in resources/ApliGraf and the
# button pictures in resources/icons, drawn by make_pictures.cpp, and the
# desktop icon in dist/icons (an SVG and the PNG sizes of the hicolor theme),
# drawn by make_icon.cpp.
#
#   resources/tools/make_pictures.sh [--preview <dir>]
#
# Needs g++, pkg-config and Qt 6 Gui (qt6-base-dev). The programs are built in
# a scratch folder under /tmp, never in the source tree.
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${TMPDIR:-/tmp}/caveto-make-pictures
mkdir -p "$build"
for generator in make_pictures make_icon; do
    g++ -std=c++20 -O2 -fPIC -Wall -Wextra $(pkg-config --cflags Qt6Gui) \
        "$here/$generator.cpp" -o "$build/$generator" $(pkg-config --libs Qt6Gui)
done
QT_QPA_PLATFORM=offscreen "$build/make_pictures" "$here/.." "$@"
QT_QPA_PLATFORM=offscreen "$build/make_icon" "$here/../../dist" example.caveto.Caveto
