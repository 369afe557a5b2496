#!/bin/sh
# Runs one panel scenario in a session of its own (runtime and config folders),
# so parallel runs never share the single-instance lock or the last profile.
# usage: run-scenario.sh PROGRAM SCENARIO [panel arguments...]
set -e
program=$1; scenario=$2; shift 2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/run"
XDG_RUNTIME_DIR=$scratch/run XDG_CONFIG_HOME=$scratch/config HOME=$scratch/home SONVAIR_SHOTS=${SONVAIR_SHOTS:-$scratch} \
    "$program" --script "$scenario" "$@"
