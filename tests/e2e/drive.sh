#!/usr/bin/env bash
# The drive page in the real program: opened with the keyboard from the page selector, then Tab to
# the head speed spin button and one Up, which makes head speed the input. Screenshots of both.
# Usage: drive.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

(($# == 2)) || e2e_fail "usage: drive.sh PROGRAM SCREENSHOT_DIR"
program=$1
shots=$2
[[ -x $program ]] || e2e_fail "program '$program' is missing or not executable"
mkdir -p "$shots"
rm -f "$shots"/drive-*.png # an old picture must never pass for a new one

e2e_start_xvfb 1024x768x24
e2e_start_app "$program"
e2e_wait_window "Rotorix (v1.2.0)"
e2e_focus
e2e_screenshot "$e2e_tmp/glow.png"

e2e_key Down Down
e2e_screenshot "$shots/drive-loaded.png" changed

# The volume unit list is disabled on this page, so the Tab stops run engine teeth, mast teeth,
# engine speed, head speed.
e2e_key Tab Tab Tab Tab
e2e_screenshot "$e2e_tmp/focused.png" changed
e2e_key Up
e2e_screenshot "$shots/drive-headspeed-input.png" changed

e2e_running "$e2e_app_pid" || e2e_fail "program ended while on the drive page"
e2e_key_to_focus Escape
e2e_wait_exit 10
((e2e_app_status == 0)) || e2e_fail "program exited with status $e2e_app_status after Escape"
echo "drive.sh: drive page after load and with head speed as the input captured in $shots"
