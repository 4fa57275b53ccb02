#!/usr/bin/env bash
# With no notification area there would be no way back to a hidden window:
# the close box minimises the main window instead and the program goes on.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
start_display
start_window_manager
start_sound_server
watch_clients
prepare_program
start_program "$E2E_QUIET_INSTANT"

wait_until 30 "main window shown" main_window
main=$(main_window)
shot main

click_close_box "$main"
minimised() {
    xprop -id "$main" WM_STATE | grep -q 'window state: Iconic'
}
wait_until 5 "main window minimised by the close box" minimised
shot minimised
managed_windows | grep -qx "$main" || fail "the main window left the window manager's list"
assert_running "after the close box"
