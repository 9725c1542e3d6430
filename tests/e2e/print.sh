#!/usr/bin/env bash
# Print on the pre-mix page of the real program, run from a folder of its own, in one of these cases:
#   cups      a private CUPS queue receives the print file, written in the program's folder, in
#             litres and then in gallons with the narrow no-break space French groups digits with
#   fallback  the program's folder is read-only to its user: the file goes to ~/.cache/Rotorix
#   nowhere   no writable place at all: the message, and no print command started
#   nolp      lp is not on the search path: the message, and the file stays
#   lpfails   lp starts but finds no scheduler: the message, and the file stays
#   closing   the window closes while lp still runs: lp is not killed and the job completes
# Usage: print.sh PROGRAM SCREENSHOT_DIR CASE
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
program=$1 shots=$2 case=$3
bin=$e2e_tmp/bin
mkdir -p "$bin" "$e2e_tmp/fake"
cp "$program" "$bin/rotorix"
chmod 755 "$e2e_tmp" "$bin" "$e2e_tmp/fake"

# report OIL GAS TOTAL: the pre-mix print file, the report and one more line break.
report() {
    printf '%s\r\n' 'For Pre-Mix Fuel ratio of 25 : 1' '' '~~~~~~~~~~' "Lube Oil = $1" \
        "Gasoline / Petrol = $2" '' "Total volume = $3" '' '~~~~~~~~~~' ''
}
report '400.00 CC / ml (13.53 US Fluid Oz)' '10 Litres' '10.400 Litres' >"$e2e_tmp/litres"
# A print command that records that it started, then, after $1, the file it was given.
fake_lp() {
    # shellcheck disable=SC2016 # "$1" is the fake lp's own argument
    printf '#!/bin/sh\necho "$1" >%q/started\n%s\ncp "$1" %q/printed.tmp && mv %q/printed.tmp %q/printed\n' \
        "$e2e_tmp" "$1" "$e2e_tmp" "$e2e_tmp" "$e2e_tmp" >"$e2e_tmp/fake/lp"
    chmod 755 "$e2e_tmp/fake/lp"
}
# The program's own folder read-only, as an installed program's is to its user; root writes there
# all the same, so root runs the program as nobody.
as_user() {
    mkdir -p "$e2e_tmp/home"
    chmod 555 "$bin"
    e2e_launcher=(env HOME="$e2e_tmp/home" "$@")
    if ((EUID == 0)); then
        chown nobody:nogroup "$e2e_tmp/home"
        e2e_launcher=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${e2e_launcher[@]}")
    fi
}
# The scheduler runs its jobs as lp, which only root can arrange.
needs_root() { ((EUID == 0)) || { echo "SKIP: a private CUPS scheduler needs root" && exit 77; }; }
same() { cmp "$1" "$2" || e2e_fail "$1 differs from $2"; }

case $case in
cups)
    needs_root
    e2e_cups_start "$e2e_tmp/cups"
    e2e_launcher=(env LC_ALL=fr_FR.UTF-8)
    report '400,00 CC / ml (13,53 US Fluid Oz)' '10 Litres' '10,400 Litres' >"$e2e_tmp/expected-1"
    report $'51,20 US Fluid Oz (1\u202f514,16 CC / ml)' '10 US Gallons' '10,400 US Gallons' >"$e2e_tmp/expected-2"
    e2e_begin "$bin/rotorix" "$shots"
    e2e_key Down alt+p
    e2e_wait_file "$e2e_tmp/cups/out/job-1" "the first job never reached the queue"
    same "$e2e_tmp/cups/out/job-1" "$e2e_tmp/expected-1"
    e2e_key Tab Down Down alt+p # US gallons
    e2e_wait_file "$e2e_tmp/cups/out/job-2" "the second job never reached the queue"
    same "$e2e_tmp/cups/out/job-2" "$e2e_tmp/expected-2"
    same "$bin/prlog.txt" "$e2e_tmp/expected-2"
    e2e_screenshot "$shots/print-gallons-fr.png" ;;
fallback)
    needs_root
    e2e_cups_start "$e2e_tmp/cups"
    as_user
    e2e_begin "$bin/rotorix" "$shots"
    e2e_key Down alt+p
    e2e_wait_file "$e2e_tmp/cups/out/job-1" "the job never reached the queue"
    same "$e2e_tmp/cups/out/job-1" "$e2e_tmp/litres"
    same "$e2e_tmp/home/.cache/Rotorix/prlog.txt" "$e2e_tmp/litres"
    [[ ! -e $bin/prlog.txt ]] || e2e_fail "a print file appeared in the read-only folder" ;;
nowhere)
    fake_lp ''
    : >"$e2e_tmp/file" # a folder under a regular file cannot be made, not even by root
    as_user PATH="$e2e_tmp/fake:$PATH" XDG_CACHE_HOME="$e2e_tmp/file/cache"
    e2e_begin "$bin/rotorix" "$shots"
    e2e_key Down alt+p
    e2e_expect_message "$shots/print-nowhere.png"
    [[ ! -e $e2e_tmp/started ]] || e2e_fail "a print command was started"
    [[ ! -e $bin/prlog.txt ]] || e2e_fail "a print file appeared in the read-only folder" ;;
nolp)
    e2e_launcher=(env PATH="$e2e_tmp/empty")
    e2e_begin "$bin/rotorix" "$shots"
    e2e_key Down alt+p
    e2e_expect_message "$shots/print-nolp.png"
    same "$bin/prlog.txt" "$e2e_tmp/litres" ;;
lpfails)
    e2e_launcher=(env CUPS_SERVER="$e2e_tmp/no-scheduler.sock")
    e2e_begin "$bin/rotorix" "$shots"
    e2e_key Down alt+p
    e2e_expect_message "$shots/print-lpfails.png" Escape # closes the message, not the window
    same "$bin/prlog.txt" "$e2e_tmp/litres" ;;
closing)
    : >"$e2e_tmp/go"
    fake_lp "while [ -e $e2e_tmp/go ]; do sleep 0.1; done" # lp waits until the window is gone
    e2e_launcher=(env PATH="$e2e_tmp/fake:$PATH")
    e2e_begin "$bin/rotorix" "$shots"
    e2e_key Down alt+p
    e2e_wait_file "$e2e_tmp/started" "the print command did not start"
    e2e_end
    rm "$e2e_tmp/go"
    e2e_wait_file "$e2e_tmp/printed" "the print command did not outlive the window"
    same "$e2e_tmp/printed" "$e2e_tmp/litres"
    exit 0 ;;
*) e2e_fail "unknown case $case" ;;
esac
e2e_end
