#!/usr/bin/env bash
# At start the splash "Form1" stays at least two seconds, frameless and centred;
# once it is gone the main window "Kolvira" follows, centred, with the icon in
# the notification area.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_session
prepare_program
start_program "$E2E_QUIET_INSTANT"

wait_until 20 "splash shown" splash_window
splash=$(splash_window)
shot splash
assert_size_and_centred "$splash" 499 304
[ "$(frame_extents "$splash")" = "0 0 0 0" ] || fail "the splash has a frame"

wait_until 20 "main window shown" main_window
main=$(main_window)
shot main
! splash_window || fail "the splash is still shown beside the main window"
assert_size_and_centred "$main" 471 412

# The window manager's list tells when each window came and went, in the X
# server's milliseconds.
read -r splash_in splash_out <<<"$(client_interval "$splash")"
read -r main_in main_out <<<"$(client_interval "$main")"
[ -n "$splash_out" ] || fail "the splash never left"
shown=$((splash_out - splash_in))
gap=$((main_in - splash_out))
log "splash shown for $shown ms; main window $gap ms after it"
[ "$shown" -ge 2000 ] || fail "the splash was shown for only $shown ms"
[ "$gap" -ge 0 ] || fail "the main window came $gap ms before the splash was gone"
[ "$gap" -lt 2000 ] || fail "the main window came only $gap ms after the splash"
[ -z "$main_out" ] || fail "the main window went away again"

wait_until 10 "icon in the notification area" tray_icon
assert_running "after the start"
