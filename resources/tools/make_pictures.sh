#!/bin/sh
# Remakes Caveto's pictures: the animated GIFs in resources/ApliGraf and the
# button pictures in resources/icons, all drawn by make_pictures.cpp.
#
#   resources/tools/make_pictures.sh [--preview <dir>]
#
# Needs g++, pkg-config and Qt 6 Gui (qt6-base-dev). The program is built in
# a scratch folder under /tmp, never in the source tree.
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${TMPDIR:-/tmp}/caveto-make-pictures
mkdir -p "$build"
g++ -std=c++20 -O2 -fPIC -Wall -Wextra $(pkg-config --cflags Qt6Gui) \
    "$here/make_pictures.cpp" -o "$build/make_pictures" $(pkg-config --libs Qt6Gui)
QT_QPA_PLATFORM=offscreen "$build/make_pictures" "$here/.." "$@"
