#!/bin/sh
# The configurator on a real (virtual) desktop: it opens its window on the
# emulated keyboard, stays up, writes its files, and a SIGTERM ends it cleanly.
# Usage (under xvfb-run): QtWindowSmoke.sh PROGRAM
set -u
program="$1"
scratch=$(mktemp -d)
chmod 700 "$scratch"
trap 'rm -rf "$scratch"' EXIT
XDG_RUNTIME_DIR="$scratch" QT_QPA_PLATFORM=xcb "$program" --simulate --program-folder "$scratch/home" &
pid=$!
sleep 3
if ! kill -0 "$pid" 2>/dev/null; then
    echo "the configurator ended by itself"
    exit 1
fi
kill -TERM "$pid"
wait "$pid"
status=$?
if [ "$status" -ne 0 ]; then
    echo "the configurator ended with $status after SIGTERM"
    exit 1
fi
if [ ! -f "$scratch/home/config/config.ini" ]; then
    echo "no config/config.ini was written"
    exit 1
fi
echo "window up, files written, clean end"
