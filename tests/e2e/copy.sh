#!/usr/bin/env bash
# Copy on both fuel pages, read back from outside with xclip as Unicode and as 8-bit text, byte for
# byte: the 70/10/10/8/2 glow fuel mix (Copy clicked), then with a name Latin-1 lacks, then the
# pre-mix page as loaded (Alt+O, twice).   Usage: copy.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$@"
glow() { # $1: the additive's name
    printf '%s\r\n\r\n' 'For total Glow Fuel volume of 10 Litres' '~~~~~~~~~~' \
        '70 % Methanol = 7.00 Litre or 7,000 CC' '10 % Nitro Methane = 1.00 Litre or 1,000 CC' \
        '10 % Synthetic Oil = 1.00 Litre or 1,000 CC' '8 % Castor Oil = 0.80 Litre or 800 CC' \
        "2 % $1 = 0.20 Litre or 200 CC" '~~~~~~~~~~'
    printf 'Total Oil mix is 18 %%'
}
glow EDL >"$e2e_tmp/glow"
glow 'EDL€' >"$e2e_tmp/glow-utf8"
glow 'EDL?' >"$e2e_tmp/glow-latin1"
printf '%s\r\n' 'For Pre-Mix Fuel ratio of 25 : 1' '' '~~~~~~~~~~' 'Lube Oil = 400.00 CC / ml (13.53 US Fluid Oz)' \
    'Gasoline / Petrol = 10 Litres' '' 'Total volume = 10.400 Litres' '' '~~~~~~~~~~' >"$e2e_tmp/premix"

e2e_key_glow_mix space # "additive is part of oil" cleared
e2e_screenshot "$shots/copy-glowfuel.png" changed
xdotool mousemove --window "$e2e_win" 180 460 click 1 # the middle of Copy
e2e_expect_clipboard UTF8_STRING "$e2e_tmp/glow"
e2e_expect_clipboard STRING "$e2e_tmp/glow"

e2e_key shift+Tab shift+Tab shift+Tab shift+Tab End # from Copy, which the click focused, to the name
e2e_key_unmapped EuroSign
e2e_key alt+o
e2e_expect_clipboard UTF8_STRING "$e2e_tmp/glow-utf8"
e2e_expect_clipboard STRING "$e2e_tmp/glow-latin1"

# Back along the tab cycle to the page selector, then on to the pre-mix page.
e2e_key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab Down
e2e_screenshot "$shots/copy-premix.png" changed
e2e_key alt+o
e2e_expect_clipboard UTF8_STRING "$e2e_tmp/premix"
e2e_expect_clipboard STRING "$e2e_tmp/premix"
e2e_key alt+o
e2e_expect_clipboard UTF8_STRING "$e2e_tmp/premix"
e2e_end
