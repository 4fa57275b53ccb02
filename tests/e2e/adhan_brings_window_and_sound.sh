#!/usr/bin/env bash
# At an adhan minute the hidden main window comes back and the recording of
# that prayer reaches the sound server: the daily one at Dhuhri, the dawn one
# at Fexhri. The clock starts a little before the minute.
# Usage: adhan_brings_window_and_sound.sh daily|dawn NAME PROGRAM DATABASE ARTEFACTS
source "$(dirname "$0")/lib.sh"
kind=$1
shift
case $kind in
daily) adhan=$E2E_TIMES_DHUHRI pitch=$E2E_DAILY_HZ ;;
dawn) adhan=$E2E_TIMES_FEXHRI pitch=$E2E_DAWN_HZ ;;
*) echo "daily or dawn, not $kind" >&2; exit 2 ;;
esac
e2e_begin "$@"
readonly lead=15 # seconds from the start to the adhan minute
adhan_second=$(seconds_of_day "$adhan")
start=$(date -u -d "@$((adhan_second - lead))" +%H:%M:%S)

e2e_session
prepare_program
start_sink_capture
start_program "$E2E_DAY_DATE $start"

wait_until 30 "main window shown" main_window
main=$(main_window)
click_close_box "$main"
wait_until 5 "main window hidden" hidden "$main"
shot hidden
clock=$(program_clock)
is_true "$clock < $adhan_second" ||
    fail "the window was hidden only at $clock s of the day, after the adhan at $adhan"
is_true "$(sink_rms 0) < 0.001" || fail "sound at the sink before the adhan"

wait_until $((lead + 10)) "main window back" main_window
[ "$(main_window)" = "$main" ] || fail "another window came up"
# The program's clock when its window came back, read from this side: never
# behind the real one, so a reading before the minute is surely early.
clock=$(program_clock "$(client_last_entry "$main")")
is_true "$clock >= $adhan_second" ||
    fail "the window came back at $clock s of the day, before the adhan at $adhan"
is_true "$clock < $adhan_second + 3" ||
    fail "the window came back only at $clock s of the day, for the adhan at $adhan"
log "window back at $clock s of the day (adhan at $adhan_second)"
shot window-back

wait_until 15 "adhan heard at the sink" sound_heard
shot adhan
heard=$(sink_pitch 1)
log "sink: RMS $(sink_rms 1), pitch $heard Hz"
is_true "$heard > $pitch * 0.9 && $heard < $pitch * 1.1" ||
    fail "heard $heard Hz: not the $kind recording ($pitch Hz)"
assert_running "after the adhan"
