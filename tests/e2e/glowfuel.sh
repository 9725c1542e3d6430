#!/usr/bin/env bash
# The glow fuel page of the real program, set with the keyboard alone to a 70/10/10/8/2 mix of ten
# litres, and a screenshot of the result.
# Usage: glowfuel.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
# shellcheck source=tests/e2e/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

(($# == 2)) || e2e_fail "usage: glowfuel.sh PROGRAM SCREENSHOT_DIR"
program=$1
shots=$2
[[ -x $program ]] || e2e_fail "program '$program' is missing or not executable"
mkdir -p "$shots"
rm -f "$shots"/glowfuel-*.png # an old picture must never pass for a new one

# KEY COUNT: presses one key COUNT times.
press() {
    local keys=() i
    for ((i = 0; i < $2; i++)); do keys+=("$1"); done
    e2e_key "${keys[@]}"
}

# The C locale measures in litres, so the page opens on ten litres.
e2e_start_xvfb 1024x768x24
LC_ALL=C.UTF-8 e2e_start_app "$program"
e2e_wait_window "Rotorix (v1.2.0)"
e2e_focus
e2e_screenshot "$e2e_tmp/opened.png"

# The focus starts on the page selector; the unit list and the total volume come before the rows,
# which the Tab key visits as nitro methane, synthetic oil, castor oil, other, then methanol.
press Tab 3
press Page_Up 1 # nitro methane 10 %
press Tab 1
press Page_Up 1 # synthetic oil 10 %
press Tab 1
press Up 8 # castor oil 8 %
press Tab 1
press Up 2 # other 2 %, which brings in the additive's name box and check box
press Tab 3
press Page_Up 7 # methanol 70 %
press Tab 1 # on to Print, which a correct mix enables, so no row stays highlighted
e2e_screenshot "$shots/glowfuel-70-10-10-8-2.png" changed

e2e_key_to_focus Escape
e2e_wait_exit 10
((e2e_app_status == 0)) || e2e_fail "program exited with status $e2e_app_status after Escape"
echo "glowfuel.sh: the 70/10/10/8/2 mix is in $shots/glowfuel-70-10-10-8-2.png"
