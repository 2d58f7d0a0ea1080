#!/bin/sh
# Installs the build into a scratch DESTDIR, as a packager does, and checks
# what a desktop reads there: the programs, the pictures, the desktop entry,
# the icon in each size and the AppStream data, with the validators of the
# desktop-file-utils and appstream packages.
#
#   check_install.sh BUILD_DIR APP_ID
set -eu
build=$1
id=$2
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "check_install.sh: $tool is missing (make test installs it)" >&2
        exit 1
    fi
done

dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT INT TERM
DESTDIR="$dest" cmake --install "$build" --prefix /usr >"$dest.log" 2>&1 || {
    cat "$dest.log" >&2
    rm -f "$dest.log"
    exit 1
}
rm -f "$dest.log"
root="$dest/usr"

fail() {
    echo "check_install.sh: $*" >&2
    exit 1
}

for f in bin/caveto bin/caveto-datos; do
    [ -x "$root/$f" ] || fail "$f is not installed"
done
for f in CopasDeVino2.gif Caveto3.gif BotonNar.gif BotonVer.gif Racimo.gif; do
    [ -f "$root/share/caveto/ApliGraf/$f" ] || fail "ApliGraf/$f is not installed"
done
[ -f "$root/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "the scalable icon is missing"
grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$id.svg" || fail "the SVG icon is no SVG"
for size in 16 22 24 32 48 64 128 256; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ -f "$png" ] || fail "the ${size}x${size} icon is missing"
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
    [ "$dims" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $dims"
done

desktop-file-validate "$root/share/applications/$id.desktop"
grep -q '^Categories=.*Office;' "$root/share/applications/$id.desktop" || fail "not in Office"
appstreamcli validate --no-net --explain "$root/share/metainfo/$id.metainfo.xml"
grep -q '<screenshot type="default">' "$root/share/metainfo/$id.metainfo.xml" \
    || fail "no screenshot in the AppStream data"
# The entry, its icon and the AppStream data as one installed tree.
appstreamcli validate-tree --no-net "$root"

# The installed tool runs from there (its usage, exit code 2).
status=0
"$root/bin/caveto-datos" >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "the installed caveto-datos does not run (exit $status)"
echo "install into DESTDIR: all checks passed"
