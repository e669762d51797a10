#!/usr/bin/env bash
# Runs a test program through Qt's X11 platform on a private X server.
#   under_xvfb.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"
work=$(mktemp -d)
xvfb=
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work"
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
# No session bus: with a display and none named, D-Bus would try to launch one through the X server, and
# libdbus leaks the reply of that failed launch.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus"
"$@"
