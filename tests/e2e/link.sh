#!/usr/bin/env bash
# The credit link in the real window: the pointer over it underlines it and turns into the
# helicopter with its point at the nose; bare window surface makes it plain again; a click hands
# the maker's address to xdg-open (a stand-in that records it) every time, and the other credit
# label does nothing.   Usage: link.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
here=$(dirname "${BASH_SOURCE[0]}")
mkdir "$e2e_tmp/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$e2e_tmp/opened" >"$e2e_tmp/bin/xdg-open"
chmod +x "$e2e_tmp/bin/xdg-open"
export PATH="$e2e_tmp/bin:$PATH"
e2e_begin "$@"

# pointer_is IMAGE: the server's pointer image, as cursor.py writes it, settles on IMAGE.
pointer_is() {
    local i pointer=""
    for ((i = 0; i < 50; i++)); do
        pointer=$(python3 "$here/cursor.py") || e2e_fail "cannot read the pointer image"
        [[ $pointer == "$1" ]] && return 0
        sleep 0.1
    done
    e2e_fail "pointer is $pointer, not $1"
}
helicopter="32x32+31+17"

xdotool mousemove --window "$e2e_win" 140 456 # bare window surface
e2e_screenshot "$shots/link-plain.png"
plain=$e2e_last_signature
[[ $(python3 "$here/cursor.py") != "$helicopter" ]] || e2e_fail "the helicopter shows away from the link"
xdotool mousemove --window "$e2e_win" 60 432 # the maker's name: tooltip, but the arrow
e2e_screenshot "$e2e_tmp/name.png"
[[ $(python3 "$here/cursor.py") != "$helicopter" ]] || e2e_fail "the helicopter shows over the maker's name"
xdotool mousemove --window "$e2e_win" 60 456
pointer_is "$helicopter"
e2e_screenshot "$shots/link-hover.png" changed # the underline
xdotool mousemove --window "$e2e_win" 140 456
# A busy machine may still show the name's tooltip for a moment: wait for the plain picture.
for ((i = 0; i < 100; i++)); do
    e2e_screenshot "$shots/link-plain-again.png"
    [[ $e2e_last_signature == "$plain" ]] && break || sleep 0.1
done
[[ $e2e_last_signature == "$plain" ]] || e2e_fail "the link did not turn plain on bare window surface"

e2e_click 60 432
e2e_click 60 456
e2e_click 60 456
for ((i = 0; i < 50; i++)); do [[ $(wc -l <"$e2e_tmp/opened" 2>/dev/null) == 2 ]] && break || sleep 0.1; done
expected=$'https://www.quillfen.com/\nhttps://www.quillfen.com/'
[[ $(cat "$e2e_tmp/opened" 2>/dev/null) == "$expected" ]] ||
    e2e_fail "xdg-open got '$(cat "$e2e_tmp/opened" 2>/dev/null)', not the site twice"
e2e_end
