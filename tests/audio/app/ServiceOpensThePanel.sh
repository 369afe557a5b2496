#!/bin/sh
# The real service and the real panel in a session of their own: `sonvair-app`
# without a switch asks the service with 193, the service starts the panel
# with -servicestart, and the panel comes up on the emulated headset and
# finds it; a termination signal closes it the way the tray menu does.
# usage: ServiceOpensThePanel.sh BIN_DIR
set -eu
bin=$1
scratch=$(mktemp -d)
service_pid=
cleanup() {
    [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null || true
    [ -f "$scratch/panel.pid" ] && kill "$(cat "$scratch/panel.pid")" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -m 700 "$scratch/run"
export XDG_RUNTIME_DIR="$scratch/run" XDG_CONFIG_HOME="$scratch/config" SONVAIR_DEBUG=1
# What the service starts: the panel, headless on the emulated headset, its debug output kept.
cat >"$scratch/panel" <<WRAPPER
#!/bin/sh
echo \$\$ >"$scratch/panel.pid"
exec "$bin/sonvair-app" --headless --simulate "\$@" 2>>"$scratch/panel.log"
WRAPPER
chmod +x "$scratch/panel"

"$bin/audio-device-service" --panel "$scratch/panel" &
service_pid=$!
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/services/AudioDeviceService" ] && break; sleep 0.1; done

"$bin/sonvair-app" 2>"$scratch/ask.log"
grep -q "ControlTheService ret = 0" "$scratch/ask.log" || { cat "$scratch/ask.log"; echo "the service was not reached"; exit 1; }
for _ in $(seq 300); do grep -q "ZRX_Set_DEVICE_SYMBOLIC_NAME\|FormCreate" "$scratch/panel.log" 2>/dev/null && break; sleep 0.1; done
grep -q "ParamStr(1) = -servicestart" "$scratch/panel.log" || { cat "$scratch/panel.log"; echo "the panel was not started with -servicestart"; exit 1; }
grep -q "FormCreate" "$scratch/panel.log" || { cat "$scratch/panel.log"; echo "the panel's form never came"; exit 1; }
kill -TERM "$(cat "$scratch/panel.pid")"
for _ in $(seq 100); do kill -0 "$(cat "$scratch/panel.pid")" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$(cat "$scratch/panel.pid")" 2>/dev/null || { echo "the panel did not end"; exit 1; }
rm -f "$scratch/panel.pid"
echo "193 reached the service, which opened the panel"
