#!/usr/bin/env bash
# The window at a desktop scale of 2: twice the size in every direction (628 x 958), and the same
# picture as at scale 1 once shrunk back, so nothing moved or was cut off; the screenshot is kept
# for people to look at the text.   Usage: scale2.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$@"
cp "$e2e_tmp/opened.png" "$e2e_tmp/scale1.png"
e2e_end

export QT_SCALE_FACTOR=2
e2e_screen=1280x1024x24
rm "$e2e_tmp/display" # a new X server, large enough, tells its own display
e2e_begin "$@"
cp "$e2e_tmp/opened.png" "$shots/scale2.png"
e2e_end
# Text is drawn afresh at the larger size, so the shrunk picture matches only once both are blurred
# a little; a control three pixels out of place differs three times as much as the text does.
convert "$shots/scale2.png" -resize 50% -blur 0x1 "$e2e_tmp/shrunk.png"
convert "$e2e_tmp/scale1.png" -blur 0x1 "$e2e_tmp/scale1-blurred.png"
difference=$(compare -metric RMSE "$e2e_tmp/shrunk.png" "$e2e_tmp/scale1-blurred.png" null: 2>&1 |
    sed -E 's/.*\((.*)\)/\1/') || true
echo "shrunk scale-2 picture differs from scale 1 by $difference (RMSE)"
awk -v d="$difference" 'BEGIN { exit !(d < 0.03) }' || e2e_fail "the scale-2 window differs from scale 1 by $difference"
