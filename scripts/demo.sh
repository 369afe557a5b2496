#!/usr/bin/env bash
# Starts the programs on their emulated devices, each with a program folder of
# its own under build/demo so the demo never touches the user's settings.
# With a desktop: the real windows, in the foreground, for whichever programs
# are built. Without one: scripted tours of the configurator and of the headset
# panel, headless, that leave screenshots in build/demo.
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
        local command=(env QUELDA_KEYBOARD_HOME="$demo/home" "$build/bin/$program" --simulate)
        if [ "$program" = sonvair-app ]; then
            # The panel's shipped data stays in the build; its per-user files go under build/demo.
            command=(env XDG_CONFIG_HOME="$demo/sonvair-config" XDG_RUNTIME_DIR="$demo/run"
                     "$build/bin/$program" --simulate -servicestart)
            mkdir -p "$demo/run" && chmod 700 "$demo/run"
        fi
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

run_panel_tour() {
    local runtime="$demo/run"
    mkdir -p "$runtime" && chmod 700 "$runtime"
    echo "demo: touring the headset panel headless"
    (cd "$demo" && XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$demo/sonvair-config" \
        "$build/bin/sonvair-app" --simulate --script "$here/demo-panel-tour.txt" -servicestart)
    echo "demo: the panel's pages, unplugged and plugged in again:"
    for shot in "$demo"/panel-*.png; do
        echo "  $shot"
    done
}

if desktop_usable; then
    run_windows
else
    [ -x "$build/bin/quelda-keyboard" ] && run_tour
    [ -x "$build/bin/sonvair-app" ] && run_panel_tour
    true
fi
