#!/bin/sh
# Remakes the screenshots of the README (docs/screenshots/*.png): Caveto's
# main windows on a sample cellar, in an X session of their own (Xvfb and
# openbox, as the desktop tests use), each picture with its window frame.
#
#   tools/screenshots.sh [BUILD_DIR]     (make screenshots builds and runs it)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
program="$build/bin/caveto-screenshots"
if [ ! -x "$program" ]; then
    echo "screenshots.sh: $program is missing: cmake --build $build --target caveto-screenshots" >&2
    exit 1
fi
exec "$here/tests/desktop/xsession.sh" "$program" "$here/docs/screenshots"
