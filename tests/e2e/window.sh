#!/usr/bin/env bash
# The real program on its own X server: a screenshot of each page reached with the Down key from
# the page selector, then Escape ends it.   Usage: window.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$@"
cp "$e2e_tmp/opened.png" "$shots/page0-glow.png"
for page in page1-premix page2-drive page3-convert; do
    e2e_key Down
    e2e_screenshot "$shots/$page.png" changed
done
e2e_end
