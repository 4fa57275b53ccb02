#!/usr/bin/env bash
# Starts the built program in a virtual X session, waits until its window is
# hidden in the notification area, then prints what it costs while idle:
# CPU use over a minute (percent of one core), wake-ups, resident memory, and
# the time from start to the splash being shown.
#   tools/measure-idle.sh [build-dir] [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-60}
program="$build/bin/kolvira"
[ -x "$program" ] || { echo "no program at $program: build first" >&2; exit 1; }
[ -f "$build/bin/kolvira.db" ] || { echo "no database at $build/bin/kolvira.db" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 & pids+=($!)
trayer --edge top --align right --widthtype pixel --width 64 --height 24 >/dev/null 2>&1 & pids+=($!)
sleep 1

cp "$program" "$build/bin/kolvira.db" "$work/"
export HOME=$work XDG_RUNTIME_DIR=$work
start=$(date +%s.%N)
"$work/kolvira" >"$work/out.txt" 2>&1 & app=$!; pids+=($app)
splash=""
for _ in $(seq 200); do
    if xdotool search --name '^Form1$' >/dev/null 2>&1; then splash=$(date +%s.%N); break; fi
    sleep 0.01
done
main=""
for _ in $(seq 100); do
    main=$(xdotool search --onlyvisible --name '^Kolvira$' 2>/dev/null | head -1) && [ -n "$main" ] && break
    sleep 0.1
done
[ -n "$main" ] || { echo "the main window did not appear" >&2; cat "$work/out.txt" >&2; exit 1; }
xdotool windowclose "$main" 2>/dev/null || xdotool key --window "$main" alt+F4
sleep 5 # let it settle, hidden

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$app/stat"; }
switches() { awk '/ctxt_switches/ {s += $2} END {print s}' "/proc/$app/status"; }
c0=$(cpu); w0=$(switches); t0=$(date +%s.%N)
sleep "$seconds"
c1=$(cpu); w1=$(switches); t1=$(date +%s.%N)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$app/status")
hidden=$( (xdotool search --onlyvisible --name '^Kolvira$' 2>/dev/null || true) | wc -l)

machine="${MACHINE_DESC:-$(nproc) cores, $(free -g | awk '/Mem/ {print $2}') GiB, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), Debian $(cat /etc/debian_version)}"
MACHINE_DESC=$machine awk -v c0="$c0" -v c1="$c1" -v hz="$ticks" -v t0="$t0" -v t1="$t1" -v w0="$w0" -v w1="$w1" \
    -v rss="$rss" -v start="$start" -v splash="$splash" -v hidden="$hidden" 'BEGIN {
    wall = t1 - t0
    printf "machine:           %s\n", ENVIRON["MACHINE_DESC"]
    printf "idle, hidden:      %s\n", (hidden == 0 ? "yes" : "NO (window still visible)")
    printf "CPU while idle:    %.3f %% of one core over %.0f s\n", 100 * (c1 - c0) / hz / wall, wall
    printf "wake-ups:          %.1f per second (context switches)\n", (w1 - w0) / wall
    printf "resident memory:   %.1f MB\n", rss / 1024
    if (splash != "") printf "start to splash:   %.0f ms\n", 1000 * (splash - start)
    else printf "start to splash:   not seen\n"
}'
