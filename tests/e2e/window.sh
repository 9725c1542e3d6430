#!/usr/bin/env bash
# The real program on its own X server: title, fixed 314 x 479 client area, a screenshot of each page
# reached with the Down key from the page selector, and Escape closing the program.
# Usage: window.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

(($# == 2)) || e2e_fail "usage: window.sh PROGRAM SCREENSHOT_DIR"
program=$1
shots=$2
[[ -x $program ]] || e2e_fail "program '$program' is missing or not executable"
mkdir -p "$shots"
rm -f "$shots"/page*.png # an old picture must never pass for a new one

e2e_start_xvfb 1024x768x24
e2e_start_app "$program"
e2e_wait_window "Rotorix (v1.2.0)"
e2e_expect_client_size 314 479
e2e_expect_fixed_size 314 479
e2e_focus

pages=(page0-glow page1-premix page2-drive page3-convert)
e2e_screenshot "$shots/${pages[0]}.png"
for page in "${pages[@]:1}"; do
    e2e_key Down
    e2e_screenshot "$shots/$page.png" changed
done

e2e_key_to_focus Escape
e2e_wait_exit 10
((e2e_app_status == 0)) || e2e_fail "program exited with status $e2e_app_status after Escape"
echo "window.sh: ${#pages[@]} pages captured in $shots; Escape closed the program"
