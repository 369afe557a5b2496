#!/usr/bin/env bash
# Starts the programs on their emulated devices, each with a program folder of
# its own under build/demo so the demo never touches the user's settings.
# With a desktop: the real windows, in the foreground, for whichever programs
# are built. Without one: a scripted tour of the configurator, headless, that
# leaves screenshots in build/demo.
set -euo pipefail
build="$(realpath "${1:-build/release}")"
here="$(cd "$(dirname "$0")" && pwd)"
demo="$(dirname "$build")/demo"
mkdir -p "$demo"

desktop_usable() {
    if [ -n "${WAYLAND_DISPLAY:-}" ]; then
        case "$WAYLAND_DISPLAY" in
            /*) [ -S "$WAYLAND_DISPLAY" ] && return 0 ;;
            *) [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/$WAYLAND_DISPLAY" ] && return 0 ;;
        esac
    fi
    [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

background=()
run_windows() {
    local programs=()
    for program in sonvair-app quelda-keyboard; do
        [ -x "$build/bin/$program" ] && programs+=("$program")
    done
    if [ ${#programs[@]} -eq 0 ]; then
        echo "demo: no program is built yet; the libraries and tests are (make test)."
        return 0
    fi
    # The configurator (the last one) runs in the foreground; the others stop when it does.
    trap 'for pid in "${background[@]}"; do kill "$pid" 2>/dev/null || true; done' EXIT
    for program in "${programs[@]}"; do
        echo "demo: starting $program on its emulated device"
        local command=(env QUELDA_KEYBOARD_HOME="$demo/home" SONVAIR_HOME="$demo/sonvair-home"
                       "$build/bin/$program" --simulate)
        if [ "$program" = "${programs[-1]}" ]; then
            "${command[@]}"
        else
            "${command[@]}" &
            background+=($!)
        fi
    done
}

run_tour() {
    local runtime="$demo/run"
    mkdir -p "$runtime" && chmod 700 "$runtime"
    rm -f "$demo"/*.png
    echo "demo: no desktop; touring the configurator headless"
    # Screenshots land in the working folder; a private runtime folder keeps the
    # tour clear of a configurator the user may have running.
    (cd "$demo" && XDG_RUNTIME_DIR="$runtime" "$build/bin/quelda-keyboard" --simulate \
        --script "$here/demo-tour.txt" --program-folder "$demo/home")
    echo "demo: screenshots:"
    for shot in "$demo"/*.png; do
        echo "  $shot"
    done
    echo "demo: toured KEY MAP, RECORD, MACRO and LIGHT on the emulated keyboard," \
         "then pressed its profile key: PROFILE 2 is selected."
}

if desktop_usable; then
    run_windows
elif [ -x "$build/bin/quelda-keyboard" ]; then
    run_tour
else
    echo "demo: no desktop, and the configurator is not built yet."
fi
