#!/usr/bin/env bash
# Starts one or more builds of the program side by side in one virtual X
# session and prints what each costs while it waits: wake-ups a second while
# its window shows, then, closed to the notification area, CPU use (percent
# of one core) and wake-ups a second, resident memory, and the time from
# start to the splash being shown. Wake-ups are the context switches of all
# the program's threads. Give the build of main and a branch to compare them.
#   tools/measure-idle.sh [-s seconds-hidden] [build-dir...]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=60 shown_seconds=20
if [ "${1:-}" = -s ]; then seconds=$2; shift 2; fi
[ $# -gt 0 ] || set -- build
for build in "$@"; do
    [ -x "$build/bin/kolvira" ] || { echo "no program at $build/bin/kolvira: build first" >&2; exit 1; }
    [ -f "$build/bin/kolvira.db" ] || { echo "no database at $build/bin/kolvira.db" >&2; exit 1; }
done

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

ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Context switches of each thread, "TID COUNT" a line.
switches() {
    for t in /proc/"$1"/task/*; do
        awk -v t="${t##*/}" '/ctxt_switches/ {s += $2} END {print t, s}' "$t/status" 2>/dev/null || true
    done
}
# Switches between two snapshots: threads started meanwhile count from zero;
# one that ended takes its last switches with it.
switches_between() { awk 'NR == FNR {a[$1] = $2; next} {s += $2 - a[$1]} END {print s + 0}' "$1" "$2"; }
main_window() { xdotool search --all --onlyvisible --pid "$1" --name '^Kolvira$' 2>/dev/null | head -1; }

apps=() splash_ms=()
for i in $(seq $#); do
    build=${!i}
    mkdir -p "$work/$i"
    cp "$build/bin/kolvira" "$build/bin/kolvira.db" "$work/$i/"
    start=$(date +%s.%N)
    HOME=$work/$i XDG_RUNTIME_DIR=$work/$i "$work/$i/kolvira" >"$work/$i/out.txt" 2>&1 & app=$!
    pids+=($app) apps+=($app)
    splash="not seen"
    for _ in $(seq 200); do
        if xdotool search --pid "$app" --name '^Form1$' >/dev/null 2>&1; then
            splash="$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN {printf "%.0f ms", 1000 * (b - a)}')"
            break
        fi
        sleep 0.01
    done
    splash_ms+=("$splash")
done
for app in "${apps[@]}"; do
    for _ in $(seq 100); do [ -n "$(main_window "$app")" ] && break; sleep 0.1; done
    [ -n "$(main_window "$app")" ] || { echo "a main window did not appear" >&2; exit 1; }
done
sleep 3 # let them settle, shown

# measure SECONDS VARIABLE-PREFIX: CPU ticks and switches of every program over SECONDS
measure() {
    local i
    for i in "${!apps[@]}"; do c0[$i]=$(cpu "${apps[$i]}"); switches "${apps[$i]}" >"$work/w0.$i"; done
    t0=$(date +%s.%N)
    sleep "$1"
    t1=$(date +%s.%N)
    for i in "${!apps[@]}"; do
        eval "$2_cpu[$i]=$(awk -v a="${c0[$i]}" -v b="$(cpu "${apps[$i]}")" -v hz="$ticks" -v t0="$t0" -v t1="$t1" 'BEGIN {printf "%.3f", 100 * (b - a) / hz / (t1 - t0)}')"
        switches "${apps[$i]}" >"$work/w1.$i"
        eval "$2_wake[$i]=$(awk -v n="$(switches_between "$work/w0.$i" "$work/w1.$i")" -v t0="$t0" -v t1="$t1" 'BEGIN {printf "%.2f", n / (t1 - t0)}')"
    done
}
declare -a c0 shown_cpu shown_wake hidden_cpu hidden_wake
measure "$shown_seconds" shown
for app in "${apps[@]}"; do
    main=$(main_window "$app")
    # Through the window manager, as the close box does (destroying the
    # window would leave the program believing it still shows).
    xdotool windowactivate --sync "$main" key --clearmodifiers alt+F4
done
sleep 5 # let them settle, hidden
measure "$seconds" hidden

machine="${MACHINE_DESC:-$(nproc) cores, $(free -g | awk '/Mem/ {print $2}') GiB, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs), Debian $(cat /etc/debian_version)}"
echo "machine: $machine"
row() { printf '%-34s' "$1"; shift; printf '%24s' "$@"; printf '\n'; }
row "" "$@"
cols=() ; for i in "${!apps[@]}"; do cols+=("${shown_wake[$i]} /s"); done
row "wake-ups, shown (${shown_seconds} s)" "${cols[@]}"
cols=() ; for i in "${!apps[@]}"; do
    hidden=$( (main_window "${apps[$i]}" || true) | wc -l)
    cols+=("$([ "$hidden" = 0 ] && echo yes || echo 'NO, still visible')")
done
row "hidden" "${cols[@]}"
cols=() ; for i in "${!apps[@]}"; do cols+=("${hidden_cpu[$i]} %"); done
row "CPU, hidden (${seconds} s)" "${cols[@]}"
cols=() ; for i in "${!apps[@]}"; do cols+=("${hidden_wake[$i]} /s"); done
row "wake-ups, hidden (${seconds} s)" "${cols[@]}"
cols=() ; for i in "${!apps[@]}"; do
    cols+=("$(awk '/VmRSS/ {printf "%.1f MB", $2 / 1024}' "/proc/${apps[$i]}/status")"); done
row "resident memory, hidden" "${cols[@]}"
row "start to splash shown" "${splash_ms[@]}"
cols=() ; for i in "${!apps[@]}"; do cols+=("$(ls /proc/"${apps[$i]}"/task | wc -l)"); done
row "threads" "${cols[@]}"
