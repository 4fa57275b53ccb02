# Shared by the end-to-end tests: each test runs the real program in a desktop
# session of its own (Xvfb, openbox, trayer as the notification area, a
# PulseAudio server with a null sink, libfaketime for the clock) and looks at
# it only from outside, as a user would. Every wait has a time limit; the exit
# trap stops everything started here and keeps screenshots and logs.
#
# A test script runs:  source lib.sh; e2e_begin NAME PROGRAM DATABASE ARTEFACTS
# shellcheck disable=SC2034 # the constants are for the test scripts
set -euo pipefail

# The fixed day every test runs on, and the times written into its row.
readonly E2E_DAY_DATE=2026-12-06
readonly E2E_TIMES_FEXHRI=05:10:00
readonly E2E_TIMES_DHUHRI=12:15:00
# A moment of that day far from every adhan, for the tests that need none.
readonly E2E_QUIET_INSTANT="$E2E_DAY_DATE 09:30:00"
# The two recordings differ in pitch, so the sink tells which one played.
readonly E2E_DAILY_HZ=440
readonly E2E_DAWN_HZ=880
readonly E2E_DAILY_RECORDING="Ezani në Mekke - 1.mp3"
readonly E2E_DAWN_RECORDING="Ezani i sabahut në Medine.mp3"
readonly E2E_SCREEN_W=1024 E2E_SCREEN_H=768
readonly E2E_RUNS_KEPT=5
readonly E2E_RATE=44100 # of the recording of the sink
# A test gives up after this long, within CTest's limit, and still cleans up.
readonly E2E_TIME_LIMIT=100

E2E_PIDS=() # processes started here, stopped in reverse order
E2E_APP_PID=""
E2E_WATCHDOG=""

E2E_SHOT_NO=0

log() {
    local now
    now=$(awk -v a="$EPOCHREALTIME" -v b="$E2E_T0" 'BEGIN { printf "%6.2f", a - b }')
    # On standard error, so that functions printing a result may log too.
    echo "[$now s] $*" | tee -a "$E2E_WORK/steps.log" >&2
}

fail() {
    log "FAIL: $*"
    exit 1
}

need() {
    local tool=$1 package=$2
    command -v "$tool" >/dev/null ||
        fail "$tool is missing: install $package (tools/install-deps.sh)"
}

# Seconds since $1 (an $EPOCHREALTIME value), with two decimals.
seconds_since() {
    awk -v a="$EPOCHREALTIME" -v b="$1" 'BEGIN { printf "%.2f", a - b }'
}

# True when awk finds the comparison true, e.g. is_true "1.5 >= 2".
is_true() {
    awk "BEGIN { exit !($1) }"
}

# wait_until SECONDS WHAT COMMAND...: polls COMMAND until it succeeds.
wait_until() {
    local limit=$1 what=$2
    shift 2
    local start=$EPOCHREALTIME
    until "$@" >/dev/null 2>&1; do
        is_true "$(seconds_since "$start") < $limit" || fail "no $what within $limit s"
        sleep 0.1
    done
    log "$what ($(seconds_since "$start") s)"
}

shot() {
    E2E_SHOT_NO=$((E2E_SHOT_NO + 1))
    local file
    file=$(printf '%s/%02d-%s.png' "$E2E_ART" "$E2E_SHOT_NO" "$1")
    timeout 10 import -display "$DISPLAY" -window root "$file" 2>/dev/null ||
        log "screenshot $1 could not be taken"
}

e2e_begin() {
    [ $# -eq 4 ] || { echo "usage: $0 NAME PROGRAM DATABASE ARTEFACTS" >&2; exit 2; }
    E2E_NAME=$1
    E2E_PROGRAM=$2
    E2E_DATABASE=$3
    E2E_T0=$EPOCHREALTIME
    [ -x "$E2E_PROGRAM" ] || { echo "no program at $E2E_PROGRAM" >&2; exit 2; }
    [ -f "$E2E_DATABASE" ] || { echo "no database at $E2E_DATABASE" >&2; exit 2; }
    E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/kolvira-e2e.XXXXXX")
    mkdir -p "$4"
    E2E_ART=$4/run-$(date +%Y%m%d-%H%M%S)-$$
    mkdir -p "$E2E_ART"
    # Only the latest runs are kept.
    find "$4" -maxdepth 1 -name 'run-*' -type d | sort | head -n -"$E2E_RUNS_KEPT" |
        xargs -r rm -rf
    trap e2e_end EXIT
    trap 'fail "time limit of $E2E_TIME_LIMIT s reached"' TERM
    # The watchdog waits with read's own timeout on a pipe nobody writes to,
    # so it has no child process that could outlive it.
    mkfifo "$E2E_WORK/watchdog"
    (
        read -r -t "$E2E_TIME_LIMIT" <>"$E2E_WORK/watchdog" || kill -TERM $$
    ) &
    E2E_WATCHDOG=$!
    log "$E2E_NAME: artefacts in $E2E_ART"

    need Xvfb xvfb
    need openbox openbox
    need trayer trayer
    need pulseaudio pulseaudio
    need parec pulseaudio-utils
    need xdotool xdotool
    need xwininfo x11-utils
    need xprop x11-utils
    need xev x11-utils
    need sox sox
    need import imagemagick
    need sqlite3 sqlite3
    need stdbuf coreutils
    local lib
    E2E_FAKETIME=""
    for lib in /usr/lib/*/faketime/libfaketime.so.1 /usr/lib/faketime/libfaketime.so.1; do
        [ -e "$lib" ] && E2E_FAKETIME=$lib && break
    done
    [ -n "$E2E_FAKETIME" ] || fail "libfaketime is missing: install libfaketime"

    # Nothing of the user's desktop leaks in: folders, bus, session, locale.
    export HOME=$E2E_WORK/home
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
    export XDG_CACHE_HOME=$HOME/.cache XDG_RUNTIME_DIR=$E2E_WORK/run
    # The program looks for no installed database, nor for anything else shared.
    E2E_PROGRAM_DATA_DIRS=$E2E_WORK/no-shared-data
    mkdir -p "$HOME" "$E2E_PROGRAM_DATA_DIRS" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    # No session bus: the icon goes to the notification area over XEmbed.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_WORK/no-bus
    export LANG=C.UTF-8 TZ=UTC QT_QPA_PLATFORM=xcb
    unset SESSION_MANAGER LC_ALL DESKTOP_SESSION XDG_CURRENT_DESKTOP QT_QPA_PLATFORMTHEME
}

start_helper() { # LOGNAME COMMAND...: a helper process, stopped at the end
    local name=$1
    shift
    "$@" >"$E2E_WORK/$name.log" 2>&1 &
    E2E_PIDS+=($!)
}

stop_pid() {
    local pid=$1 i
    kill "$pid" 2>/dev/null || return 0
    for i in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

e2e_end() {
    local status=$?
    set +e
    trap - EXIT
    [ -n "$E2E_WATCHDOG" ] && stop_pid "$E2E_WATCHDOG"
    if [ -n "${DISPLAY:-}" ]; then
        if [ "$status" -ne 0 ]; then shot failure; else shot end; fi
    fi
    [ -n "$E2E_APP_PID" ] && stop_pid "$E2E_APP_PID"
    local i
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        stop_pid "${E2E_PIDS[i]}"
    done
    cp "$E2E_WORK"/*.log "$E2E_WORK"/program.* "$E2E_ART"/ 2>/dev/null
    if [ -s "$E2E_WORK/sink.raw" ]; then
        sox -t raw -r $E2E_RATE -e signed -b 16 -c 1 "$E2E_WORK/sink.raw" "$E2E_ART/sink.flac"
    fi
    rm -rf "$E2E_WORK"
    if [ "$status" -eq 0 ]; then
        echo "$E2E_NAME passed; screenshots and logs: $E2E_ART"
    else
        echo "$E2E_NAME FAILED; screenshots and logs: $E2E_ART"
    fi
    exit "$status"
}

# --- The session ---------------------------------------------------------

x_server_answers() {
    xprop -root _NET_SUPPORTING_WM_CHECK
}

start_display() {
    # Xvfb picks a free display number itself and writes it to fd 5. Without
    # -noreset it would start afresh whenever its last client leaves, and a
    # client connecting in that moment (the window manager after a query of
    # this script) would be turned away.
    start_helper xvfb Xvfb -displayfd 5 -noreset -screen 0 \
        "${E2E_SCREEN_W}x${E2E_SCREEN_H}x24" -nolisten tcp 5>"$E2E_WORK/display"
    wait_until 15 "X server" test -s "$E2E_WORK/display"
    DISPLAY=:$(head -n 1 "$E2E_WORK/display")
    export DISPLAY
    wait_until 5 "X server answering on $DISPLAY" x_server_answers
}

wm_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id" &&
        xprop -root _NET_WORKAREA | grep -q " = "
}

start_window_manager() {
    start_helper openbox openbox
    wait_until 15 "window manager" wm_running
}

# The trayer panel: "id" of its window, once it is shown.
tray_panel() {
    local id
    id=$(timeout 5 xdotool search --onlyvisible --classname '^panel$' | head -n 1)
    [ -n "$id" ] && printf '0x%x\n' "$id"
}

start_tray_host() {
    start_helper trayer trayer --edge top --align right --widthtype pixel --width 160 \
        --height 32 --transparent false --tint 0xc0c0c0 --SetDockType true
    wait_until 15 "notification area" tray_panel
}

pulse_ready() {
    pactl list short sinks | grep -q kolvira_null
}

start_sound_server() {
    mkdir -p "$E2E_WORK/pulse"
    export PULSE_RUNTIME_PATH=$E2E_WORK/pulse
    export PULSE_SERVER=unix:$E2E_WORK/pulse/native
    # A server of this session only, with a null sink whose monitor the test
    # records; it runs as whoever runs the tests (root in a container, too).
    start_helper pulseaudio pulseaudio --daemonize=no --system=false --exit-idle-time=-1 \
        --disallow-exit --use-pid-file=false -n \
        --load="module-null-sink sink_name=kolvira_null" \
        --load="module-native-protocol-unix socket=$E2E_WORK/pulse/native auth-anonymous=1"
    wait_until 15 "sound server" pulse_ready
}

e2e_session() {
    start_display
    start_window_manager
    start_tray_host
    start_sound_server
    watch_clients
    shot session
}

# Every change of the window manager's list of windows: its contents, stamped
# on arrival (clients.log), and the X server's own time of each change, in ms
# (server-events.log). Both watchers see the same changes in the same order.
watch_clients() {
    mkfifo "$E2E_WORK/clients.fifo"
    stdbuf -oL xprop -root -spy _NET_CLIENT_LIST >"$E2E_WORK/clients.fifo" 2>/dev/null &
    E2E_PIDS+=($!)
    (
        while IFS= read -r line; do echo "$EPOCHREALTIME $line"; done
    ) <"$E2E_WORK/clients.fifo" >"$E2E_WORK/clients.log" &
    E2E_PIDS+=($!)
    stdbuf -oL xev -root -event property >"$E2E_WORK/server-events.log" 2>&1 &
    E2E_PIDS+=($!)
    wait_until 5 "window list watcher" test -s "$E2E_WORK/clients.log"
    wait_until 5 "server event watcher" server_watcher_ready
}

# xev may not be listening yet when it starts: touch a property of the root
# window until xev reports it.
server_watcher_ready() {
    xprop -root -f _KOLVIRA_E2E_READY 32c -set _KOLVIRA_E2E_READY 1
    grep -q _KOLVIRA_E2E_READY "$E2E_WORK/server-events.log"
}

# The X server's times of the changes of the list so far, one a line.
client_list_times() {
    sed -n 's/.*(_NET_CLIENT_LIST), time \([0-9]*\),.*/\1/p' "$E2E_WORK/server-events.log"
}

# Both watchers have seen every change so far (the first line of clients.log
# is the list as it was when watching began).
client_watchers_agree() {
    [ "$(client_list_times | wc -l)" -eq $(($(wc -l <"$E2E_WORK/clients.log") - 1)) ]
}

# When window $1 (0x...) entered and left the window manager's list, in the X
# server's ms: "IN OUT" (OUT empty while it is still there).
client_interval() {
    wait_until 5 "both window list watchers agree" client_watchers_agree
    client_list_times | awk -v id="$1" '
        FNR == NR { time[FNR + 1] = $1; next }
        FNR > 1 {
            has = 0
            for (i = 2; i <= NF; i++) { f = $i; sub(/,$/, "", f); if (f == id) has = 1 }
            if (has && tin == "") tin = time[FNR]
            if (!has && tin != "" && tout == "") tout = time[FNR]
        }
        END { print tin, tout }' - "$E2E_WORK/clients.log"
}

# When window $1 (0x...) last came into the window manager's list.
client_last_entry() {
    awk -v id="$1" '{
        has = 0
        for (i = 2; i <= NF; i++) { f = $i; sub(/,$/, "", f); if (f == id) has = 1 }
        if (has && !had) t = $1
        had = has
    } END { print t }' "$E2E_WORK/clients.log"
}

# Windows that were ever in the list, other than the tray panel.
clients_ever() {
    local panel
    panel=$(tray_panel)
    awk '{ for (i = 2; i <= NF; i++) if ($i ~ /^0x/) { f = $i; sub(/,$/, "", f); print f } }' \
        "$E2E_WORK/clients.log" | sort -u | grep -vx "$panel" || true
}

# --- The program ---------------------------------------------------------

# The program folder without a database: the built program, two recordings.
prepare_program_without_database() {
    E2E_APP=$E2E_WORK/app
    mkdir -p "$E2E_APP"
    cp "$E2E_PROGRAM" "$E2E_APP/kolvira"
    sox -n -r 44100 "$E2E_APP/$E2E_DAILY_RECORDING" synth 8 sine "$E2E_DAILY_HZ" gain -6
    sox -n -r 44100 "$E2E_APP/$E2E_DAWN_RECORDING" synth 8 sine "$E2E_DAWN_HZ" gain -6
}

# The program folder with the database, its test day's times set.
prepare_program() {
    prepare_program_without_database
    cp "$E2E_DATABASE" "$E2E_APP/kolvira.db"
    local day=${E2E_DAY_DATE:8:2} month=${E2E_DAY_DATE:5:2}
    sql "UPDATE kolvira SET Imsaku='05:00:00', Fexhri='$E2E_TIMES_FEXHRI',
            \"Lindja e diellit\"='06:51:00', Dhuhri='$E2E_TIMES_DHUHRI', Asri='14:00:00',
            Magribi='16:02:00', Isha='17:37:00'
         WHERE Dita=$((10#$day)) AND Muaji=$((10#$month))"
    # The adhan minute is the time moved by the selected city's offset: 0 here.
    sql "UPDATE Qytetet SET Minuta=0 WHERE ESelektuar"
    [ "$(sql 'SELECT count(*) FROM Qytetet WHERE ESelektuar')" = 1 ] ||
        fail "the database has no single selected city"
}

sql() {
    sqlite3 -bail "$E2E_APP/kolvira.db" "$1"
}

# start_program INSTANT: runs the program with its clock starting at INSTANT
# (local time of the day, UTC here); wall time runs on from there, the
# monotonic clock is left alone so timers and the media pipeline keep going.
start_program() {
    E2E_FAKE_START=$1
    rm -f "$E2E_WORK/program.status"
    E2E_APP_START=$EPOCHREALTIME
    (
        set +e
        XDG_DATA_DIRS=$E2E_PROGRAM_DATA_DIRS LD_PRELOAD=$E2E_FAKETIME FAKETIME="@$1" \
            FAKETIME_DONT_FAKE_MONOTONIC=1 "$E2E_APP/kolvira" \
            >"$E2E_WORK/program.stdout" 2>"$E2E_WORK/program.stderr" &
        echo $! >"$E2E_WORK/program.pid"
        wait $!
        echo $? >"$E2E_WORK/program.status"
    ) &
    E2E_PIDS+=($!)
    wait_until 5 "program started" test -s "$E2E_WORK/program.pid"
    E2E_APP_PID=$(cat "$E2E_WORK/program.pid")
    log "program started, clock at $1"
}

# The usual start: the session, the program on a day's quiet moment, until
# its main window (then in E2E_MAIN) and its icon are shown.
start_to_main_window() {
    e2e_session
    prepare_program
    start_program "$E2E_QUIET_INSTANT"
    wait_until 30 "main window shown" main_window
    E2E_MAIN=$(main_window)
    wait_until 10 "icon in the notification area" tray_icon
}

program_ended() {
    test -s "$E2E_WORK/program.status"
}

# wait_program_end SECONDS: sets E2E_APP_STATUS.
wait_program_end() {
    wait_until "$1" "program ended" program_ended
    E2E_APP_STATUS=$(cat "$E2E_WORK/program.status")
    E2E_APP_PID=""
    log "exit status $E2E_APP_STATUS"
}

assert_running() {
    program_ended && fail "the program ended (status $(cat "$E2E_WORK/program.status")): $1"
    return 0
}

# seconds_of_day HH:MM:SS
seconds_of_day() {
    awk -v t="$1" 'BEGIN { split(t, p, ":"); print p[1] * 3600 + p[2] * 60 + p[3] }'
}

# program_clock [INSTANT]: the program's clock in seconds of the day, now or
# at INSTANT (an $EPOCHREALTIME value). Its clock started at E2E_FAKE_START a
# little after E2E_APP_START, so this is never behind it.
program_clock() {
    awk -v s="$(seconds_of_day "${E2E_FAKE_START#* }")" -v a="${1:-$EPOCHREALTIME}" \
        -v b="$E2E_APP_START" 'BEGIN { printf "%.3f", s + a - b }'
}

# --- Windows -------------------------------------------------------------

# Windows the window manager shows now, one "0x..." a line.
managed_windows() {
    xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*' || true
}

# managed_window TITLE TYPE: the shown window of that title and type
# (NORMAL, SPLASH, DIALOG), printed as 0x... The title is the one the program
# set (WM_NAME); Qt adds " — Kolvira" to the other title, _NET_WM_NAME.
managed_window() {
    local w props
    for w in $(managed_windows); do
        props=$(xprop -id "$w" WM_NAME _NET_WM_WINDOW_TYPE 2>/dev/null) || continue
        grep -qx "WM_NAME([A-Z_]*) = \"$1\"" <<<"$props" || continue
        grep -q "= _NET_WM_WINDOW_TYPE_$2\b" <<<"$props" || continue
        xwininfo -id "$w" | grep -q 'Map State: IsViewable' || continue
        echo "$w"
        return 0
    done
    return 1
}

main_window() { managed_window Kolvira NORMAL; }
splash_window() { managed_window Form1 SPLASH; }
no_main_window() { ! main_window; }

# geometry WINDOW: "X Y WIDTH HEIGHT" of its inside, on the screen.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /  Width:/ { w = $NF } /  Height:/ { h = $NF } END { print x, y, w, h }'
}

# frame_extents WINDOW: "LEFT RIGHT TOP BOTTOM" of the decoration around it.
frame_extents() {
    xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ','
}

# assert_size_and_centred WINDOW WIDTH HEIGHT: the inside has that size, and
# the window with its decoration stands in the middle of the work area (the
# program centres its inside; the title bar may shift it by its height).
assert_size_and_centred() {
    local x y w h l r t b wx wy ww wh
    read -r x y w h <<<"$(geometry "$1")"
    read -r l r t b <<<"$(frame_extents "$1")"
    read -r wx wy ww wh <<<"$(xprop -root _NET_WORKAREA | sed -n 's/.* = //p' | tr -d ',')"
    [ "$w" = "$2" ] && [ "$h" = "$3" ] || fail "window $1 is ${w}x$h, not ${2}x$3"
    local dx dy
    dx=$(awk -v a="$((x - l))" -v fw="$((w + l + r))" -v z="$wx" -v zw="$ww" \
        'BEGIN { d = a + fw / 2 - (z + zw / 2); print d < 0 ? -d : d }')
    dy=$(awk -v a="$((y - t))" -v fh="$((h + t + b))" -v z="$wy" -v zh="$wh" \
        'BEGIN { d = a + fh / 2 - (z + zh / 2); print d < 0 ? -d : d }')
    is_true "$dx <= $l + $r + 1 && $dy <= $t + $b + 1" ||
        fail "window $1 at $x,$y is not centred (off by $dx, $dy)"
    log "window $1: ${w}x$h at $x,$y, centred"
}

hidden() { # WINDOW: it exists and is not shown
    xwininfo -id "$1" | grep -q 'Map State: IsUnMapped' && ! managed_windows | grep -qx "$1"
}

click_at() { # X Y BUTTON
    xdotool mousemove "$1" "$2" click "$3"
    xdotool mousemove 5 $((E2E_SCREEN_H - 5)) # away, so no tooltip covers anything
}

# tree_windows WINDOW: every window below it, one "ID WIDTH HEIGHT X Y NAME" a
# line, X and Y on the screen, NAME as xwininfo gives it ("Kolvira": (...)).
tree_windows() {
    local size='\([0-9]*\)x\([0-9]*\)+-*[0-9]*+-*[0-9]*'
    local place='+\(-*[0-9]*\)+\(-*[0-9]*\)'
    xwininfo -tree -id "$1" |
        sed -n "s/^ *\(0x[0-9a-f]*\) \(.*\) $size *$place\$/\1 \3 \4 \5 \6 \2/p"
}

root_window() {
    xwininfo -root | awk '/Window id:/ { print $4 }'
}

parent_window() {
    xwininfo -children -id "$1" | awk '/Parent window id:/ { print $4 }'
}

# The close box of the window manager's title bar around WINDOW: the right-most
# small square button above the window's inside. Prints "X Y" of its middle.
close_box() {
    local w=$1 frame=$1 root parent x y
    root=$(root_window)
    while :; do
        parent=$(parent_window "$frame")
        [ "$parent" = "$root" ] && break
        frame=$parent
    done
    read -r x y _ <<<"$(geometry "$w")"
    tree_windows "$frame" |
        while read -r id bw bh bx by _; do
            [ "$bw" = "$bh" ] && [ "$bw" -ge 8 ] && [ "$bw" -le 32 ] &&
                [ $((by + bh)) -le "$y" ] && [ "$bx" -ge "$x" ] || continue
            xwininfo -id "$id" | grep -q 'Map State: IsViewable' || continue
            echo "$bx $by $bw"
        done | sort -n | tail -n 1 | awk '{ print $1 + int($3 / 2), $2 + int($3 / 2) }'
}

has_close_box() {
    [ -n "$(close_box "$1")" ]
}

click_close_box() {
    local xy
    wait_until 5 "close box drawn" has_close_box "$1"
    xy=$(close_box "$1")
    log "close box of $1 at $xy"
    # shellcheck disable=SC2086
    click_at $xy 1
}

# The program's icon in the notification area (its window bears the
# program's name, "kolvira"): "ID X Y WIDTH HEIGHT".
tray_icon() {
    local panel
    panel=$(tray_panel) || return 1
    tree_windows "$panel" | awk '$6 == "\"kolvira\":" { print $1, $4, $5, $2, $3; found = 1; exit }
        END { exit !found }'
}

no_tray_icon() { ! tray_icon; }

click_tray_icon() { # BUTTON
    local id x y w h
    read -r id x y w h <<<"$(tray_icon)" || fail "no icon in the notification area"
    log "button $1 on the icon $id"
    click_at $((x + w / 2)) $((y + h / 2)) "$1"
}

# The program's open pop-up menu, printed as a window id: a top-level window
# of the program laid over the others (override-redirect) that is no tooltip.
popup_menu() {
    local w root
    root=$(root_window)
    for w in $(timeout 5 xdotool search --onlyvisible --class '^kolvira$'); do
        [ "$(parent_window "$w")" = "$root" ] || continue
        xwininfo -stats -id "$w" | grep -q 'Override Redirect State: yes' || continue
        xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q 'TOOLTIP\|NOTIFICATION' && continue
        echo "$w"
        return 0
    done
    return 1
}

# --- Sound ---------------------------------------------------------------

start_sink_capture() {
    parec --device=kolvira_null.monitor --format=s16le --rate=$E2E_RATE --channels=1 --raw \
        >"$E2E_WORK/sink.raw" 2>"$E2E_WORK/parec.log" &
    E2E_PIDS+=($!)
    wait_until 5 "sink recording" test -s "$E2E_WORK/sink.raw"
}

# sink_stat SECONDS: sox's figures on the last SECONDS heard at the sink
# (0: all of it).
sink_stat() {
    local size bytes
    size=$(stat -c %s "$E2E_WORK/sink.raw")
    size=$((size / 2 * 2))
    bytes=$(($1 > 0 ? $1 * E2E_RATE * 2 : size))
    [ "$size" -ge "$bytes" ] && [ "$size" -gt 0 ] || return 1
    head -c "$size" "$E2E_WORK/sink.raw" | tail -c "$bytes" |
        sox -t raw -r $E2E_RATE -e signed -b 16 -c 1 - -n stat 2>&1
}

sink_rms() { # SECONDS
    sink_stat "$1" | awk '/^RMS +amplitude/ { print $3 }'
}

sink_pitch() { # SECONDS
    sink_stat "$1" | awk '/^Rough +frequency/ { print $3 }'
}

sound_heard() { # the last second is loud enough
    local rms
    rms=$(sink_rms 1) && [ -n "$rms" ] && is_true "$rms > 0.05"
}
