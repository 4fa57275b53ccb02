#!/usr/bin/env bash
# "Dalje" in the icon's menu ends the program with status 0; the icon and
# every window of the program are gone.
source "$(dirname "$0")/lib.sh"
e2e_begin "$@"
start_to_main_window

click_tray_icon 3
wait_until 5 "icon menu open" popup_menu
menu=$(popup_menu)
shot menu
read -r x y w h <<<"$(geometry "$menu")"
log "menu ${w}x$h at $x,$y: its one entry is clicked"
click_at $((x + w / 2)) $((y + h / 2)) 1

wait_program_end 10
shot after-exit
[ "$E2E_APP_STATUS" -eq 0 ] || fail "exit status $E2E_APP_STATUS after \"Dalje\""
no_tray_icon || fail "the icon is still in the notification area"
[ -z "$(timeout 5 xdotool search --class '^kolvira$' || true)" ] ||
    fail "windows of the program are left"
