# Harness for the end-to-end tests: a private Xvfb, the real program on it, keys, screenshots, and
# cleanup of everything started here. Sourced by the tests, after `set -euo pipefail`.
#   e2e_begin PROGRAM SHOTS_DIR; e2e_key KEY...; e2e_screenshot FILE [changed]; e2e_end
# shellcheck shell=bash

e2e_tmp=$(mktemp -d)
e2e_pids=() # stopped on exit
e2e_app_pid=""
e2e_win=""
e2e_last_signature=""
e2e_launcher=() # a command that e2e_begin starts the program through, e.g. setpriv or env
title="Rotorix (v${ROTORIX_VERSION:?the project version, set by CTest})"

e2e_fail() {
    echo "FAIL: $*" >&2
    [[ ! -s $e2e_tmp/app.log ]] || tail -n 40 "$e2e_tmp/app.log" >&2
    exit 1
}

e2e_cleanup() {
    local pid
    for pid in $e2e_app_pid "${e2e_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$e2e_tmp"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

# kill -0 also succeeds for a zombie, so read the process state instead.
e2e_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ ${stat:0:1} != Z ]]
}

# Starts a private X server (it picks a free display itself), then the program, and waits for its
# window, which must have the fixed client area of 314 x 479 and the keyboard focus. With
# QT_SCALE_FACTOR set, the area is that many times larger; e2e_screen sets the screen's size.
e2e_begin() {
    local program=$1 i info scale=${QT_SCALE_FACTOR:-1}
    local width=$((314 * scale)) height=$((479 * scale))
    [[ -x $program ]] || e2e_fail "program '$program' is missing or not executable"
    shots=$2
    mkdir -p "$shots"
    Xvfb -displayfd 3 -screen 0 "${e2e_screen:-1024x768x24}" -nolisten tcp 3>"$e2e_tmp/display" >/dev/null 2>&1 &
    e2e_pids+=($!)
    for ((i = 0; i < 100; i++)); do [[ -s $e2e_tmp/display ]] && break || sleep 0.1; done
    [[ -s $e2e_tmp/display ]] || e2e_fail "Xvfb did not start"
    export DISPLAY=":$(cat "$e2e_tmp/display")"
    unset WAYLAND_DISPLAY
    QT_QPA_PLATFORM=xcb "${e2e_launcher[@]}" "$program" >"$e2e_tmp/app.log" 2>&1 &
    e2e_app_pid=$!
    for ((i = 0; i < 20; i++)); do
        e2e_win=$(timeout 1 xdotool search --sync --onlyvisible --name "^Rotorix " | head -n 1) || true
        [[ -z $e2e_win ]] || break
        e2e_running "$e2e_app_pid" || e2e_fail "program exited before showing its window"
    done
    [[ -n $e2e_win ]] || e2e_fail "no window appeared within 20 s"
    [[ $(xdotool getwindowname "$e2e_win") == "$title" ]] || e2e_fail "title is not '$title'"
    # No window manager, so no frame: the X window's size is the client area.
    info=$(xwininfo -id "$e2e_win")
    grep -q "Width: $width\$" <<<"$info" && grep -q "Height: $height\$" <<<"$info" ||
        e2e_fail "client area is not $width x $height"
    xprop -id "$e2e_win" WM_NORMAL_HINTS | grep -q "maximum size: $width by $height" || e2e_fail "window is resizable"
    timeout 5 xdotool windowfocus --sync "$e2e_win" || e2e_fail "could not focus the window"
    e2e_screenshot "$e2e_tmp/opened.png"
}

e2e_key() { xdotool key --window "$e2e_win" "$@" || e2e_fail "xdotool could not send: $*"; }

# Saves a PNG of the window once two shots in a row agree, so a half-painted window is never kept;
# with "changed", only once it differs from the previous screenshot, which proves the keys acted.
e2e_screenshot() {
    local file=$1 must_change=${2:-} shot=$e2e_tmp/shot.png signature previous="" i
    for ((i = 0; i < 100; i++)); do
        import -silent -window "$e2e_win" "$shot" || e2e_fail "import could not capture the window"
        signature=$(identify -format '%#' "$shot")
        if [[ $signature == "$previous" && (-z $must_change || $signature != "$e2e_last_signature") ]]; then
            mv "$shot" "$file"
            e2e_last_signature=$signature
            return 0
        fi
        previous=$signature
        sleep 0.1
    done
    e2e_fail "the window did not settle${must_change:+ into a new picture} for $file"
}

# Escape closes the program, which must then end by itself with status 0. The key goes through
# XTEST: a key sent to the window would have its release hit a window that no longer exists.
e2e_end() {
    local i status=0
    xdotool key Escape
    for ((i = 0; i < 100; i++)); do e2e_running "$e2e_app_pid" && sleep 0.1 || break; done
    e2e_running "$e2e_app_pid" && e2e_fail "program still running 10 s after Escape"
    wait "$e2e_app_pid" || status=$?
    e2e_app_pid=""
    ((status == 0)) || e2e_fail "program exited with status $status"
}

# Waits up to 10 s for the clipboard to serve TARGET (UTF8_STRING, STRING) exactly as the bytes in
# FILE; the program keeps serving it, since an X11 clipboard lives in the program that set it.
e2e_expect_clipboard() {
    local target=$1 expected=$2 got=$e2e_tmp/clipboard i
    for ((i = 0; i < 100; i++)); do
        timeout 2 xclip -selection clipboard -o -t "$target" >"$got" 2>/dev/null || true
        cmp -s "$got" "$expected" && return 0
        sleep 0.1
    done
    diff <(od -c "$expected") <(od -c "$got") >&2 || true
    e2e_fail "the clipboard's $target is not the bytes of $expected"
}

# Waits up to 10 s for FILE to exist and be complete (its size steady), else fails with WHAT.
e2e_wait_file() {
    local file=$1 what=$2 i size=-1
    for ((i = 0; i < 100; i++)); do
        if [[ -s $file && $(stat -c %s "$file") == "$size" ]]; then return 0; fi
        [[ ! -e $file ]] || size=$(stat -c %s "$file")
        sleep 0.1
    done
    e2e_fail "$what"
}

# Starts a private CUPS scheduler on a socket under DIR, touching nothing of the machine's, with a
# default raw queue whose backend copies every job to DIR/out/job-N. Sets CUPS_SERVER for lp.
# The scheduler runs jobs as lp, so DIR must be reachable by lp; it is stopped on exit.
e2e_cups_start() {
    local dir=$1 i
    mkdir -p "$dir"/{spool,cache,state,log,tmp,bin/backend,out}
    chmod 755 "$dir" "$dir/bin" "$dir/bin/backend"
    chown lp:lp "$dir/out" "$dir/tmp" "$dir/spool" && chmod 770 "$dir/out"
    ln -s /usr/lib/cups/daemon "$dir/bin/daemon"
    cat >"$dir/bin/backend/capture" <<'BACKEND'
#!/bin/sh
# capture:/FOLDER: a job's bytes land in FOLDER/job-N, written aside and then put in place.
[ $# -eq 0 ] && { echo 'direct capture "Unknown" "Test capture"'; exit 0; }
out=${DEVICE_URI#capture:}
if [ $# -ge 6 ]; then cat "$6"; else cat; fi >"$out/.job-$1" && mv "$out/.job-$1" "$out/job-$1"
BACKEND
    chmod 755 "$dir/bin/backend/capture"
    cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
    cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
ServerBin $dir/bin
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
User lp
Group lp
CONF
    cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    e2e_pids+=($!)
    export CUPS_SERVER=$dir/cups.sock
    for ((i = 0; i < 100; i++)); do lpstat -r >/dev/null 2>&1 && break || sleep 0.1; done
    lpstat -r >/dev/null 2>&1 || e2e_fail "the private CUPS scheduler did not start: $(cat "$dir/log/"*)"
    # A scheduler that has just begun to answer may still refuse a new queue for a moment.
    for ((i = 0; i < 50; i++)); do
        lpadmin -p capture -E -v "capture:$dir/out" -m raw 2>"$dir/log/lpadmin" && lpadmin -d capture 2>>"$dir/log/lpadmin" && break
        sleep 0.2
    done
    lpstat -d 2>/dev/null | grep -q ': capture$' || e2e_fail "could not set up the capture queue: $(cat "$dir/log/lpadmin")"
}

# Presses a key for KEYSYM (EuroSign, Greek_OMEGA) that the keyboard map lacks: it first gets a
# spare key code of its own, so the program holds the new map before the key arrives.
e2e_key_unmapped() {
    local keysym=$1 spare
    spare=$(xmodmap -pke | awk 'NF == 3 && !spare { spare = $2 } END { print spare }')
    [[ -n $spare ]] || e2e_fail "no spare key code for $keysym"
    xmodmap -e "keycode $spare = $keysym" || e2e_fail "xmodmap could not map $keysym"
    e2e_key "$keysym"
}

# Waits for a message box (a window titled just "Rotorix"), keeps a screenshot of it in FILE, closes
# it with KEY (Return unless given) and gives the window, which must still be there, the keyboard back.
e2e_expect_message() {
    local file=$1 key=${2:-Return} box window=$e2e_win i
    box=$(timeout 10 xdotool search --sync --onlyvisible --name '^Rotorix$' | head -n 1) || true
    [[ -n $box ]] || e2e_fail "no message box appeared for $file"
    e2e_win=$box
    e2e_screenshot "$file"
    e2e_win=$window
    timeout 5 xdotool windowfocus --sync "$box" || e2e_fail "could not focus the message box"
    xdotool key "$key"
    for ((i = 0; i < 100; i++)); do
        xdotool search --onlyvisible --name '^Rotorix$' >/dev/null 2>&1 && sleep 0.1 || break
    done
    xdotool search --onlyvisible --name '^Rotorix$' >/dev/null 2>&1 && e2e_fail "$key did not close the message box"
    timeout 5 xdotool windowfocus --sync "$e2e_win" || e2e_fail "could not focus the window again"
}

# e2e_click X Y: moves the pointer to a point of the window (its own pixels) and clicks there.
e2e_click() {
    xdotool mousemove --window "$e2e_win" "$1" "$2" click 1 || e2e_fail "xdotool could not click at $1,$2"
}

# e2e_wait_popups N: waits until the program shows N windows besides its own (open lists).
e2e_wait_popups() {
    local i count
    for ((i = 0; i < 50; i++)); do
        count=$(xdotool search --onlyvisible --pid "$e2e_app_pid" 2>/dev/null | grep -cvx "$e2e_win") || true
        ((count == $1)) && return 0
        e2e_running "$e2e_app_pid" || e2e_fail "program ended while waiting for $1 open lists"
        sleep 0.1
    done
    e2e_fail "expected $1 open lists, the program shows $count"
}

# Types text into the window's focused control, one keystroke per character.
e2e_type() { xdotool type --window "$e2e_win" --delay 30 -- "$1" || e2e_fail "xdotool could not type: $1"; }

# The whole text of the focused text box, as a person gets it out: Ctrl+A, Ctrl+C, then read the
# clipboard from outside. A marker placed first tells a fresh copy from an old one.
e2e_copied_text() {
    local marker="(nothing copied)" text="" i
    printf %s "$marker" | xclip -selection clipboard -i || e2e_fail "xclip could not set the clipboard"
    e2e_key ctrl+a ctrl+c
    for ((i = 0; i < 50; i++)); do
        text=$(xclip -selection clipboard -o 2>/dev/null) || text=""
        [[ $text == "$marker" ]] || break
        sleep 0.1
    done
    printf %s "$text"
}

# From the page selector, keys in the glow fuel page's 70/10/10/8/2 mix of ten litres: the unit list
# and the total, then nitro methane, synthetic oil, castor oil and the additive; KEYS go to the
# additive's box (space clears it), and methanol comes last.
e2e_key_glow_mix() {
    e2e_key Tab Tab Tab Prior Tab Prior Tab Up Up Up Up Up Up Up Up Tab Up Up Tab Tab "$@" Tab \
        Prior Prior Prior Prior Prior Prior Prior
}
