#!/usr/bin/env bash
# What `make install` gives a desktop, staged in a scratch DESTDIR: the program
# with its library, the udev rule, the menu and login entries with their icon.
# The installed program runs once headless and keeps its files per user; the
# same program laid out as in the build tree keeps them beside itself.
# Usage: InstallTest.sh BUILD_DIR
set -euo pipefail
build="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
stage="$scratch/stage"
fail() { echo "install: $*"; exit 1; }

DESTDIR="$stage" cmake --install "$build" >/dev/null
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
program="$stage$prefix/bin/quelda-keyboard"
[ -x "$program" ] || fail "no $prefix/bin/quelda-keyboard"
ls "$stage$prefix"/lib*/quelda-sonvair/libplatform.so >/dev/null 2>&1 || fail "no private libplatform.so"
[ "$(find "$stage" -path '*/rules.d/70-quelda.rules' | wc -l)" -eq 1 ] || fail "no udev rule"

menu="$stage$prefix/share/applications/quelda-keyboard.desktop"
autostart=$(find "$stage" -path '*/xdg/autostart/quelda-keyboard.desktop')
icon="$stage$prefix/share/icons/hicolor/64x64/apps/quelda-keyboard.png"
[ -f "$menu" ] || fail "no menu entry"
[ -n "$autostart" ] || fail "no autostart entry"
[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "no PNG icon"
desktop-file-validate "$menu" "$autostart" || fail "the entries do not validate"
grep -qx "Exec=$prefix/bin/quelda-keyboard" "$menu" || fail "menu entry: $(grep ^Exec= "$menu")"
grep -qx "Exec=$prefix/bin/quelda-keyboard --tray" "$autostart" || fail "autostart: $(grep ^Exec= "$autostart")"
grep -qx "Icon=quelda-keyboard" "$menu" || fail "menu entry names another icon"

defaults="config.ini default0.psf default1.psf default2.psf default3.psf default4.psf MacroLibraryFile.mlf"
run_once() {  # FOLDER PROGRAM: runs it headless with its own session and config folders
    mkdir -p "$1/run" && chmod 700 "$1/run"
    env -u QUELDA_KEYBOARD_HOME -u LD_LIBRARY_PATH XDG_CONFIG_HOME="$1/config" XDG_RUNTIME_DIR="$1/run" \
        "$2" --headless || fail "$2 ended with $?"
}

# Installed: the folder beside the program is root's; the user's config folder takes its place.
run_once "$scratch/user" "$program"
for file in $defaults; do
    [ -s "$scratch/user/config/quelda-keyboard/config/$file" ] || fail "installed: no default $file"
done
[ ! -e "$stage$prefix/bin/config" ] || fail "installed: files written beside the program"
grep -q "$scratch/user/config/quelda-keyboard/config/default0.psf" \
    "$scratch/user/config/quelda-keyboard/config/config.ini" || fail "installed: profiles kept elsewhere"

# The build tree's layout (library beside the program): config/ beside it, as always.
mkdir -p "$scratch/tree/bin"
cp "$build/bin/quelda-keyboard" "$build/bin/libplatform.so" "$scratch/tree/bin/"
run_once "$scratch/tree" "$scratch/tree/bin/quelda-keyboard"
[ -s "$scratch/tree/bin/config/config.ini" ] || fail "build tree: no config/ beside the program"
[ ! -e "$scratch/tree/config/quelda-keyboard" ] || fail "build tree: a per-user folder was made"
echo "installed, validated, and the installed program keeps its files per user"
