#!/bin/sh
# Runs one panel scenario in a session of its own (runtime and config folders),
# so parallel runs never share the single-instance lock or the last profile.
# Its screenshots land in $SONVAIR_SHOTS when set (the working folder of the
# run), else in the scratch folder.
# usage: run-scenario.sh PROGRAM SCENARIO [panel arguments...]
set -e
program=$(realpath "$1"); scenario=$(realpath "$2"); shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
shots=${SONVAIR_SHOTS:-$scratch}
mkdir -p "$shots"
cd "$shots"
XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/config HOME=$scratch/home \
    "$program" --script "$scenario" "$@"
