#!/bin/sh
# Runs a test program in a real X session: an Xvfb server with the openbox
# window manager, so that activation, focus and window titles behave as on a
# desktop. The server and the manager end with the test.
#
#   xsession.sh PROGRAM [ARGS...]
set -eu
for tool in Xvfb openbox xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "xsession.sh: $tool is missing (make test installs it)" >&2
        exit 1
    fi
done

work=$(mktemp -d)
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    [ -n "${server:-}" ] && kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# The server picks a free display and writes its number to the pipe.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
server=$!
read -r number <"$work/display"
export DISPLAY=":$number"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
# Wait for the window manager to announce itself.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "xsession.sh: openbox did not start" >&2
        cat "$work/openbox.log" >&2
        exit 1
    fi
    sleep 0.1
done

QT_QPA_PLATFORM=xcb "$@"
