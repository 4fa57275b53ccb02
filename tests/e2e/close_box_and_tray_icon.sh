#!/usr/bin/env bash
# The close box hides the main window, the program goes on in the notification
# area; a click on its icon shows the same window again, another hides it.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
start_to_main_window
main=$E2E_MAIN
shot main

click_close_box "$main"
wait_until 5 "main window hidden by the close box" hidden "$main"
shot hidden
assert_running "after the close box"
no_main_window || fail "another main window is shown"

click_tray_icon 1
wait_until 5 "main window shown by the icon" main_window
[ "$(main_window)" = "$main" ] || fail "the icon showed another window than the one hidden"
shot shown-again

click_tray_icon 1
wait_until 5 "main window hidden by the icon" hidden "$main"
shot hidden-again
assert_running "after the icon hid the window"
