#!/usr/bin/env bash
# Runs a command with a PulseAudio server of its own, playing into a null sink,
# and three seconds of a 440 Hz tone in $KOLVIRA_TONE.
set -euo pipefail
dir=$(mktemp -d)
export PULSE_RUNTIME_PATH=$dir PULSE_SERVER=unix:$dir/native KOLVIRA_TONE=$dir/tone.wav
sox -n -r 44100 -b 16 -c 1 "$KOLVIRA_TONE" synth 3 sine 440 vol 0.25
pulseaudio --daemonize=no --system=false --exit-idle-time=-1 --disallow-exit \
    --use-pid-file=false -n --load="module-null-sink sink_name=kolvira_null" \
    --load="module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
    >"$dir/pulseaudio.log" 2>&1 &
server=$!
trap 'kill $server; wait $server 2>/dev/null || true; rm -rf "$dir"' EXIT
for _ in $(seq 150); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
"$@"
