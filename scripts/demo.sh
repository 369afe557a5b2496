#!/usr/bin/env bash
# Starts the programs on the simulated devices. The programs arrive one by one;
# this script starts whichever of them are built.
set -euo pipefail
build="${1:-build/release}"
found=0
for program in quelda-keyboard sonvair-app; do
    if [ -x "$build/bin/$program" ]; then
        found=1
        echo "demo: starting $program on its simulated device"
        "$build/bin/$program" --simulate &
    fi
done
if [ "$found" -eq 0 ]; then
    echo "demo: no program is built yet; the libraries and tests are (make test)."
    exit 0
fi
wait
