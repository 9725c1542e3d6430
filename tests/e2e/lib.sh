# Harness for the end-to-end tests: a private Xvfb, the real program on it, keys, screenshots, and
# cleanup of everything started here. Sourced by the tests, after `set -euo pipefail`.
#   e2e_begin PROGRAM SHOTS_DIR; e2e_key KEY...; e2e_screenshot FILE [changed]; e2e_end
# shellcheck shell=bash

e2e_tmp=$(mktemp -d)
e2e_pids=() # stopped on exit
e2e_app_pid=""
e2e_win=""
e2e_last_signature=""
title="Rotorix (v1.2.0)"

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
# window, which must have the fixed client area of 314 x 479 and the keyboard focus.
e2e_begin() {
    local program=$1 i info
    [[ -x $program ]] || e2e_fail "program '$program' is missing or not executable"
    shots=$2
    mkdir -p "$shots"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$e2e_tmp/display" >/dev/null 2>&1 &
    e2e_pids+=($!)
    for ((i = 0; i < 100; i++)); do [[ -s $e2e_tmp/display ]] && break || sleep 0.1; done
    [[ -s $e2e_tmp/display ]] || e2e_fail "Xvfb did not start"
    export DISPLAY=":$(cat "$e2e_tmp/display")"
    unset WAYLAND_DISPLAY
    QT_QPA_PLATFORM=xcb "$program" >"$e2e_tmp/app.log" 2>&1 &
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
    grep -q "Width: 314" <<<"$info" && grep -q "Height: 479" <<<"$info" || e2e_fail "client area is not 314 x 479"
    xprop -id "$e2e_win" WM_NORMAL_HINTS | grep -q "maximum size: 314 by 479" || e2e_fail "window is resizable"
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
