#!/usr/bin/env bash
# With no database beside the program (and none in the user's or the shared
# folders) the program says which file is missing, on standard error and in a
# message; once the message is dismissed it ends with a non-zero status,
# having shown no other window and no icon.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
e2e_session
prepare_program_without_database
start_program "$E2E_QUIET_INSTANT"

message() { managed_window Kolvira DIALOG; }
wait_until 30 "error message shown" message
box=$(message)
shot message
missing=$E2E_APP/kolvira.db
grep -q '^kolvira: Gabim' "$E2E_WORK/program.stderr" ||
    fail "nothing on standard error: $(cat "$E2E_WORK/program.stderr")"
grep -qF "\"$missing\"" "$E2E_WORK/program.stderr" ||
    fail "standard error does not name $missing: $(cat "$E2E_WORK/program.stderr")"
log "standard error: $(tr '\n' ' ' <"$E2E_WORK/program.stderr")"
assert_running "before the message was dismissed"
no_main_window || fail "the main window is shown"
no_tray_icon || fail "an icon is in the notification area"

xdotool windowactivate --sync "$box" key Return
wait_program_end 10
shot after-exit
[ "$E2E_APP_STATUS" -ne 0 ] || fail "exit status 0 after the failure"
no_tray_icon || fail "an icon is left in the notification area"
[ "$(clients_ever)" = "$box" ] ||
    fail "windows other than the message were shown: $(clients_ever | tr '\n' ' ')"
[ ! -e "$XDG_DATA_HOME/kolvira/kolvira.db" ] || fail "a database was made up in the user's folder"
