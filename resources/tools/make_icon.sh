#!/bin/sh
# Remakes Caveto's desktop icon (the SVG and the PNG sizes of the hicolor
# theme in dist/icons), all drawn by make_icon.cpp.
#
#   resources/tools/make_icon.sh
#
# Needs g++, pkg-config and Qt 6 Gui (qt6-base-dev). The program is built in
# a scratch folder under /tmp, never in the source tree.
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${TMPDIR:-/tmp}/caveto-make-icon
mkdir -p "$build"
g++ -std=c++20 -O2 -fPIC -Wall -Wextra $(pkg-config --cflags Qt6Gui) \
    "$here/make_icon.cpp" -o "$build/make_icon" $(pkg-config --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$build/make_icon" "$here/../../dist" es.morvent.Caveto
