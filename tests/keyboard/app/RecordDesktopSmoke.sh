#!/bin/sh
# The RECORD page on a real (virtual) desktop: a macro is named and recorded
# while another program's window has the focus, so the keys reach the
# recording only through the system-wide hook.
# Usage (under xvfb-run, a screen of at least 1024x768): RecordDesktopSmoke.sh PROGRAM
set -u
program="$1"
scratch=$(mktemp -d)
chmod 700 "$scratch"
trap 'kill "$app" "$other" 2>/dev/null; rm -rf "$scratch"' EXIT
XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=xcb "$program" --program-folder "$scratch/home" &
app=$!
other=""
window=$(xdotool search --sync --name "Quelda Keyboard" | head -1)
sleep 2
# A click at a point of the configurator's client area.
click() {
    xdotool mousemove --window "$window" "$1" "$2"
    sleep 0.3
    xdotool click 1
    sleep 0.5
}
click 240 148 # RECORD
click 667 218 # NEW
xdotool type --delay 50 "Desk"
xdotool key Return
sleep 0.5
click 145 214 # the new macro
click 667 443 # START RECORD
xmessage -geometry 300x100+0+660 "another program" &
other=$!
xdotool search --sync --name xmessage windowfocus --sync
sleep 0.5
focused=$(xdotool getwindowfocus getwindowname)
xdotool key --delay 200 h i
kill "$other"
sleep 1
click 667 443 # STOP RECORD
sleep 1
library="$scratch/home/config/MacroLibraryFile.mlf"
if [ "$focused" != "xmessage" ]; then
    echo "the keys went to \"$focused\", not to the other program"
    exit 1
fi
# H press and release, I press and release: four key actions, no delays.
if ! grep -q "MacroActionNum=4" "$library" || ! grep -q "AllAction=48000000488000004900000049800000" "$library"; then
    echo "the macro does not hold the four keys:"
    grep "MacroKey0Name\|MacroActionNum\|AllAction" "$library" | cut -c1-80
    exit 1
fi
echo "keys typed into another program were recorded"
