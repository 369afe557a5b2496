#!/bin/sh
# The on-screen display on a real (virtual) desktop with a compositor, so its
# half transparency shows; the screen's picture is left at OUTPUT for a look.
# Usage (under xvfb-run with a 24-bit screen): OsdDesktopShot.sh TOOL OUTPUT.png
set -u
tool="$1"
output="$2"
scratch=$(mktemp -d)
chmod 700 "$scratch"
compositor=""
trap 'rm -rf "$scratch"; [ -n "$compositor" ] && kill "$compositor" 2>/dev/null' EXIT
mkdir -p "$(dirname "$output")"
translucent=""
if command -v xcompmgr >/dev/null 2>&1; then
    xcompmgr &
    compositor=$!
    sleep 1
    translucent="--translucent"
else
    echo "no xcompmgr: the display is checked as an opaque window"
fi
XDG_RUNTIME_DIR="$scratch" QUELDA_KEYBOARD_HOME="$scratch/home" QT_QPA_PLATFORM=xcb \
    "$tool" "$output" $translucent
