#!/bin/sh
# The configurator started in the tray on a desktop whose tray is a
# status-notifier host: its icon registers there, and the host's activation
# (a click on the icon) brings the window out.
# Usage (under xvfb-run and dbus-run-session): StatusNotifierTray.sh PROGRAM HOST
set -u
program="$1"
host="$2"
scratch=$(mktemp -d)
chmod 700 "$scratch"
trap 'kill "$host_pid" "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
"$host" 1000 >"$scratch/host.log" 2>&1 &
host_pid=$!
for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher 2>/dev/null | grep -q true && break
    sleep 0.1
done
XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=xcb "$program" --tray --simulate --program-folder "$scratch/home" &
pid=$!
viewable() { xwininfo -name "Quelda Keyboard" 2>/dev/null | grep -q "IsViewable"; }
sleep 0.5
if viewable; then
    echo "the window was shown at start despite --tray"
    exit 1
fi
for _ in $(seq 100); do
    grep -q activated "$scratch/host.log" && viewable && break
    sleep 0.1
done
cat "$scratch/host.log"
grep -q "^item " "$scratch/host.log" || { echo "no tray icon registered with the host"; exit 1; }
viewable || { echo "the host's activation did not bring the window out"; exit 1; }
kill -TERM "$pid"
wait "$pid" || { echo "the configurator did not end cleanly"; exit 1; }
echo "icon on the status-notifier host; its activation opened the window"
