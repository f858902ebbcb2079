#!/usr/bin/env bash
# The application under a real window manager (openbox in Xvfb): the titles the window manager shows
# (_NET_WM_NAME, read with xprop) are exactly those of the screens, with nothing appended, for the main
# window, the boxes "バージョン情報", "参考", "確認", "エラーメッセージ", the file dialogs and the closing question.
# Driven by the keyboard only (menu access keys), so that it does not depend on where widgets lie.
#
#   desktop_titles.sh NIRUKA TESTDATA
#
# Exits 77 (skipped) when xvfb-run, openbox, xprop or xdotool are missing (scripts/install-deps installs them).
set -u

niruka=$(readlink -f "${1:?the niruka executable}")
data=$(readlink -f "${2:?the tests/data folder}")

if [ -z "${NIRUKA_DESKTOP_INNER:-}" ]; then
    for tool in xvfb-run Xvfb openbox xprop xdotool; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed (scripts/install-deps installs xvfb, openbox, x11-utils, xdotool)"
            exit 77
        fi
    done
    export NIRUKA_DESKTOP_INNER=1
    # Never a fixed display: -a picks a free one. timeout: the whole run may never hang.
    exec timeout -k 5 90 xvfb-run -a -s "-screen 0 1280x900x24" "$0" "$@"
fi

unset QT_QPA_PLATFORM
work=$(mktemp -d)
export HOME="$work" XDG_RUNTIME_DIR="$work"
chmod 700 "$work"
failures=0
app=""
wm=""

cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# wait_until SECONDS COMMAND…: polls every 0.1 s.
wait_until() {
    local tries=$(($1 * 10))
    shift
    while [ "$tries" -gt 0 ]; do
        "$@" && return 0
        sleep 0.1
        tries=$((tries - 1))
    done
    return 1
}

wm_ready() { xprop -root _OB_THEME 2>/dev/null | grep -q '='; }
title_of() { xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
# The windows the window manager manages for the application, as decimal ids.
clients() {
    local w
    for w in $(xprop -root _NET_CLIENT_LIST 2>/dev/null | sed -n 's/.*# //p' | tr -d ','); do
        xprop -id "$w" _NET_WM_PID 2>/dev/null | grep -q "= $app\$" && printf '%d\n' "$w"
    done
}
# The top-level windows of the application other than the main window.
others() { clients | grep -v "^$main\$"; }
one_other() { [ "$(others | wc -l)" -eq 1 ]; }
no_other() { [ -z "$(others)" ]; }

# expect_window TITLE: a new window with exactly this title appears.
expect_window() {
    if ! wait_until 5 one_other; then
        fail "no window \"$1\" appeared"
        return 1
    fi
    local title
    title=$(title_of "$(others)")
    if [ "$title" != "$1" ]; then
        fail "title \"$title\", expected \"$1\""
    else
        echo "ok: \"$title\""
    fi
    return 0
}

# close_with KEY…: the keys close the window on top; it must go.
close_with() {
    xdotool key --delay 80 "$@"
    wait_until 5 no_other || fail "the window did not close with $*"
}

# menu KEY [ITEM]: a menu of the main window by its access key, then the item's.
menu() {
    xdotool key --delay 80 "alt+$1"
    if [ $# -gt 1 ]; then
        sleep 0.3
        xdotool key --delay 80 "$2"
    fi
}

openbox >"$work/openbox.log" 2>&1 &
wm=$!
wait_until 10 wm_ready || { echo "FAIL: openbox did not start"; exit 1; }
sleep 0.3

cd "$work" || exit 1
start_app() {
    "$niruka" >"$work/niruka.log" 2>&1 &
    app=$!
    main=""
    find_main() {
        main=$(clients | head -n 1)
        [ -n "$main" ]
    }
    wait_until 10 find_main
}
if ! start_app; then
    # A window mapped while the window manager was still starting stays unmanaged: start once more.
    kill "$app" 2>/dev/null
    wait "$app" 2>/dev/null
    start_app || {
        echo "FAIL: the main window did not appear under the window manager"
        cat "$work/niruka.log"
        exit 1
    }
fi
xdotool windowactivate --sync "$main" 2>/dev/null
sleep 0.3

title=$(title_of "$main")
[ "$title" = "ニルカ（雨水編）" ] && echo "ok: \"$title\"" || fail "main window title \"$title\""

menu h a && expect_window "バージョン情報" && close_with Return
menu s && expect_window "参考" && close_with Escape

menu f n
sleep 0.5
menu f c && expect_window "確認" && close_with Escape # Cancel is the default: nothing changes

# A damaged project file: the open dialog, then the box about what could not be read.
printf 'garbage\r\n' >"$work/damaged.nrk"
if menu f o && expect_window "ニルカ(雨水編)を開く"; then
    xdotool type --delay 20 "$work/damaged.nrk"
    xdotool key Return
    sleep 0.5
    expect_window "エラーメッセージ" && close_with Return
fi

# A design with its result, saved into a folder that does not exist: the save dialog, then the failure.
cp "$data/docs/pipe-vp.nrk" "$work/vp.nrk"
if menu f o && expect_window "ニルカ(雨水編)を開く"; then
    xdotool type --delay 20 "$work/vp.nrk"
    xdotool key Return
    wait_until 5 no_other
    sleep 0.5
    if menu f a && expect_window "ニルカ(雨水編)の保存"; then
        xdotool key ctrl+a
        xdotool type --delay 20 "$work/missing/x.nrk"
        xdotool key Return
        sleep 0.5
        expect_window "エラーメッセージ" && close_with Return
    fi
fi

# The window manager's close: the question carries the application title, and はい ends the application.
xdotool key --delay 80 alt+F4
if expect_window "ニルカ（雨水編）"; then
    xdotool key --delay 80 alt+y
    wait_until 5 sh -c "! kill -0 $app 2>/dev/null" || fail "the application did not end after はい"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all titles as written"
