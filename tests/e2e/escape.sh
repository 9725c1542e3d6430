#!/usr/bin/env bash
# Escape on each open drop-down list closes only the list: the window stays, looking exactly as
# before the list opened (same item, same focus); the access keys wait while a list is open; with
# no list open, Escape ends the program.
#   Usage: escape.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$@"
bare_x=140 bare_y=456 # window surface between the credit labels and the buttons

# dismiss NAME X Y: the focused list at X,Y opened by a click, its highlight moved, then Escape.
dismiss() {
    xdotool mousemove --window "$e2e_win" $bare_x $bare_y
    e2e_screenshot "$e2e_tmp/before.png"
    local before=$e2e_last_signature
    e2e_click "$2" "$3"
    e2e_wait_popups 1
    xdotool key Down Escape
    e2e_wait_popups 0
    xdotool mousemove --window "$e2e_win" $bare_x $bare_y
    e2e_screenshot "$shots/escape-$1.png"
    [[ $e2e_last_signature == "$before" ]] || e2e_fail "Escape on the open $1 list changed the window"
}

dismiss selector 164 18
e2e_click 164 18
e2e_wait_popups 1
xdotool key alt+c alt+o alt+p
e2e_wait_popups 1
e2e_running "$e2e_app_pid" || e2e_fail "an access key ended the program while a list was open"
xdotool key Escape
e2e_wait_popups 0
e2e_key Tab
dismiss units 184 42
e2e_key shift+Tab Down Down Tab Tab Tab Tab Tab Tab Tab # the drive page, on to its charge rates
dismiss rates 216 338
e2e_end
