# Harness for the end-to-end tests: a private Xvfb, the real program on it, its window, keys,
# screenshots, and cleanup of everything started here. Sourced by the tests, after `set -euo pipefail`.
#
#   e2e_start_xvfb; e2e_start_app PROGRAM; e2e_wait_window TITLE; e2e_focus
#   e2e_key KEY...; e2e_key_to_focus KEY...; e2e_screenshot FILE [changed]; e2e_wait_exit
#   e2e_track_pid PID: one more process (a print server, say) to stop on exit

# shellcheck shell=bash disable=SC2034  # e2e_app_status and friends are read by the tests

e2e_tmp=$(mktemp -d)
e2e_pids=()      # stopped in reverse order on exit
e2e_app_pid=""   # cleared once the program has exited and been reaped
e2e_app_status=""
e2e_win=""
e2e_last_signature=""

e2e_fail() {
    echo "FAIL: $*" >&2
    if [[ -s $e2e_tmp/app.log ]]; then
        echo "--- program output ---" >&2
        tail -n 40 "$e2e_tmp/app.log" >&2
    fi
    exit 1
}

e2e_require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || e2e_fail "missing tool '$tool' (scripts/test installs it)"
    done
}

# kill -0 also succeeds for a zombie, so a child that exited but is not reaped yet would look alive.
e2e_running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ ${stat:0:1} != Z ]]
}

e2e_stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

e2e_cleanup() {
    local i
    [[ -z $e2e_app_pid ]] || e2e_stop "$e2e_app_pid"
    for ((i = ${#e2e_pids[@]} - 1; i >= 0; i--)); do e2e_stop "${e2e_pids[i]}"; done
    rm -rf "$e2e_tmp"
}
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

e2e_track_pid() { e2e_pids+=("$1"); }

# Xvfb picks a free display number itself (-displayfd), so tests running side by side never collide.
e2e_start_xvfb() {
    local screen=${1:-1024x768x24} number_file=$e2e_tmp/display pid i
    e2e_require Xvfb xdotool xwininfo xprop import identify
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$number_file" >"$e2e_tmp/xvfb.log" 2>&1 &
    pid=$!
    e2e_track_pid "$pid"
    for ((i = 0; i < 100; i++)); do
        [[ -s $number_file ]] && break
        e2e_running "$pid" || e2e_fail "Xvfb exited at start: $(cat "$e2e_tmp/xvfb.log")"
        sleep 0.1
    done
    [[ -s $number_file ]] || e2e_fail "Xvfb did not report a display within 10 s"
    DISPLAY=":$(cat "$number_file")"
    export DISPLAY
    unset WAYLAND_DISPLAY
}

e2e_start_app() {
    QT_QPA_PLATFORM=xcb "$@" >"$e2e_tmp/app.log" 2>&1 &
    e2e_app_pid=$!
}

# shellcheck disable=SC2001,SC2016  # one sed class is clearer than a parameter expansion per character
e2e_regex_quote() { sed 's/[][\.*^$()+?{}|]/\\&/g' <<<"$1"; }

# Sets e2e_win to the visible window whose title is exactly TITLE.
e2e_wait_window() {
    local title=$1 seconds=${2:-20} pattern deadline
    pattern="^$(e2e_regex_quote "$title")\$"
    deadline=$((SECONDS + seconds))
    while ((SECONDS < deadline)); do
        e2e_win=$(timeout 1 xdotool search --sync --onlyvisible --name "$pattern" | head -n 1) || true
        if [[ -n $e2e_win ]]; then
            # xdotool matches names case-insensitively; the title must match exactly.
            local actual
            actual=$(xdotool getwindowname "$e2e_win")
            [[ $actual == "$title" ]] || e2e_fail "window title is '$actual', expected '$title'"
            return 0
        fi
        e2e_running "$e2e_app_pid" || e2e_fail "program exited before showing a window titled '$title'"
    done
    e2e_fail "no window titled '$title' appeared within $seconds s"
}

# Without a window manager (plain Xvfb) only windowfocus works; with one, activation is the proper way.
e2e_focus() {
    timeout 5 xdotool windowfocus --sync "$e2e_win" 2>/dev/null ||
        timeout 5 xdotool windowactivate --sync "$e2e_win" 2>/dev/null ||
        e2e_fail "could not give the keyboard focus to window $e2e_win"
}

e2e_key() { xdotool key --window "$e2e_win" "$@" || e2e_fail "xdotool could not send keys: $*"; }

# For a key that closes the window: a key sent to the window would have its release event hit a
# window that no longer exists, so this one goes through XTEST to whatever holds the focus.
e2e_key_to_focus() {
    local focused
    focused=$(xdotool getwindowfocus) || e2e_fail "xdotool cannot tell which window has the focus"
    [[ $focused == "$e2e_win" ]] || e2e_fail "window $focused has the focus instead of $e2e_win"
    xdotool key "$@" || e2e_fail "xdotool could not send keys: $*"
}

# No window manager means no frame, so the X window's size is the client area.
e2e_expect_client_size() {
    local info width height
    info=$(xwininfo -id "$e2e_win") || e2e_fail "xwininfo cannot read window $e2e_win"
    width=$(sed -n 's/^ *Width: //p' <<<"$info")
    height=$(sed -n 's/^ *Height: //p' <<<"$info")
    [[ $width == "$1" && $height == "$2" ]] ||
        e2e_fail "client area is ${width} x ${height}, expected $1 x $2"
}

# A fixed-size window asks the window manager for equal minimum and maximum sizes.
e2e_expect_fixed_size() {
    local hints
    hints=$(xprop -id "$e2e_win" WM_NORMAL_HINTS) || e2e_fail "xprop cannot read window $e2e_win"
    if ! grep -q "minimum size: $1 by $2" <<<"$hints" || ! grep -q "maximum size: $1 by $2" <<<"$hints"; then
        e2e_fail "window is not fixed at $1 x $2; its size hints are: $hints"
    fi
}

# e2e_screenshot FILE [changed]: saves a PNG of the window once two shots in a row agree, so a half
# painted window is never kept. With "changed" it also waits for the picture to differ from the
# previous screenshot, which is how a test knows its input had a visible effect.
e2e_screenshot() {
    local file=$1 must_change=${2:-} shot=$e2e_tmp/shot.png signature previous="" deadline
    deadline=$((SECONDS + 10))
    while ((SECONDS < deadline)); do
        import -silent -window "$e2e_win" "$shot" 2>"$e2e_tmp/import.log" ||
            e2e_fail "import could not capture window $e2e_win: $(cat "$e2e_tmp/import.log")"
        signature=$(identify -format '%#' "$shot")
        if [[ $signature == "$previous" && $(identify -format '%k' "$shot") -gt 1 ]] &&
            [[ -z $must_change || $signature != "$e2e_last_signature" ]]; then
            mv "$shot" "$file"
            e2e_last_signature=$signature
            return 0
        fi
        previous=$signature
        sleep 0.1
    done
    [[ -z $must_change ]] || e2e_fail "window did not change within 10 s before $file"
    e2e_fail "window content did not settle within 10 s before $file"
}

# Sets e2e_app_status once the program has ended by itself.
e2e_wait_exit() {
    local seconds=${1:-10} deadline
    deadline=$((SECONDS + seconds))
    while e2e_running "$e2e_app_pid"; do
        ((SECONDS < deadline)) || e2e_fail "program still running $seconds s later"
        sleep 0.1
    done
    e2e_app_status=0
    wait "$e2e_app_pid" || e2e_app_status=$?
    e2e_app_pid=""
}
