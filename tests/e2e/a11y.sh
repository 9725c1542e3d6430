#!/usr/bin/env bash
# What a screen reader hears of the real window, through AT-SPI on a private session bus: the
# name of every input and the caption of every result, page by page, against accessible-names.tsv,
# and the announcement of a result that changes.   Usage: a11y.sh PROGRAM SCREENSHOT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
here=$(dirname "${BASH_SOURCE[0]}")
atspi() { /usr/bin/python3 "$here/atspi.py" "$@"; }

# The session bus starts the accessibility bus and its registry on demand; a runtime folder of the
# test's own keeps their sockets apart from any other session's.
mkdir -m 700 "$e2e_tmp/run"
export XDG_RUNTIME_DIR=$e2e_tmp/run
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || e2e_fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
e2e_pids+=("${bus##*$'\n'}")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
e2e_begin "$@"

e2e_key_glow_mix # and back to the page selector:
e2e_key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
e2e_screenshot "$shots/a11y-page0.png" changed
atspi check "$here/accessible-names.tsv" 0 || e2e_fail "glow fuel page names differ"
for page in 1 2 3; do
    e2e_key Down
    e2e_screenshot "$shots/a11y-page$page.png" changed
    atspi check "$here/accessible-names.tsv" $page || e2e_fail "page $page names differ"
done

# One more engine tooth on the drive page: the tooth count and the ratio are announced.
e2e_key Up Tab
atspi announce "9 teeth" xdotool key --window "$e2e_win" Up || e2e_fail "the tooth count was not announced"
e2e_end
