#!/usr/bin/env bash
# The converter page: into each pair a number is typed in one box, the partner read back through the
# clipboard, then a number typed into the partner and the first box read back. Numbers are typed
# with a full stop in every locale and shown with the locale's decimal separator.
# Usage: convert.sh PROGRAM SCREENSHOT_DIR (LC_ALL=de_DE.UTF-8 for the comma-decimal run)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
separator=. suffix=""
if [[ ${LC_ALL:-} == de_* ]]; then separator=, suffix=-de; fi

# expect WHAT TEXT: the focused box must show TEXT, its full stops in the locale's separator.
expect() {
    local shown wanted=${2//./$separator}
    shown=$(e2e_copied_text)
    [[ $shown == "$wanted" ]] || e2e_fail "$1 shows '$shown', not '$wanted'"
}

# pair NAME A B WANT_B C: types A into the first box, checks WANT_B in the partner, types B there
# and checks C in the first box.
pair() {
    e2e_type "$2"
    e2e_key Tab
    expect "$1, the second box" "$3"
    e2e_type "$4"
    e2e_key shift+Tab
    expect "$1, the first box" "$5"
}

e2e_begin "$@"
e2e_key Down Down Down
e2e_screenshot "$shots/convert-empty$suffix.png" changed
e2e_key Tab
pair "millimetres and inches" 25.4 1.000 1 25.400
e2e_key Tab Tab
pair "metres and feet" 1 3.281 1 0.305
e2e_key Tab Tab
pair "cubic centimetres and inches" 1000 61.0240 1 16.3871
e2e_key Tab Tab
pair "millilitres and US fluid ounces" 100 3.38 1 29.57
e2e_key Tab Tab
pair "litres and US gallons" 1 0.26 1 3.785
e2e_key Tab Tab
pair "ounce-inches and kilogram-centimetres" 1 0.0720 1 13.8874
e2e_key Tab Tab
pair "Celsius and Fahrenheit" 100 212.00 -40 -40.00
e2e_screenshot "$shots/convert-filled$suffix.png" changed
e2e_end
