#!/usr/bin/env bash
# The glow fuel page set with the keyboard alone to a 70/10/10/8/2 mix of ten litres (the C locale
# measures in litres).   Usage: glowfuel.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$@"
# From the page selector: the unit list and the total volume, then the rows in Tab order: nitro
# methane, synthetic oil, castor oil, other, and after the additive's name and box, methanol.
e2e_key Tab Tab Tab Prior Tab Prior Tab Up Up Up Up Up Up Up Up Tab Up Up Tab Tab Tab \
    Prior Prior Prior Prior Prior Prior Prior Tab # and on to Print, which the correct mix enabled
e2e_screenshot "$shots/glowfuel-70-10-10-8-2.png" changed
e2e_end
