# Sourced by the desktop checks: polling, the virtual display's window manager, and a portable
# copy of Grovekeep with its own options, all inside the check's folder $work.

waitfor() { # waitfor SECONDS COMMAND...: polls until COMMAND succeeds
    local tries=$(($1 * 4))
    shift
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.25
    done
}

# startSession GROVEKEEP: once Xvfb (started with -displayfd into $work/display) accepts
# connections, starts openbox on it ($wm), exports the session's environment and makes
# $work/app, a portable copy of GROVEKEEP's folder (linked where the file system allows) whose
# options name $work/game and $work/gk. Exits 77 when the display or the window manager does
# not come up.
startSession() {
    waitfor 20 test -s "$work/display" || { echo "skipped: Xvfb did not start"; exit 77; }
    display=":$(cat "$work/display")"
    DISPLAY=$display openbox >/dev/null 2>&1 &
    wm=$!
    export QT_QPA_PLATFORM=xcb DISPLAY=$display QTWEBENGINE_DISABLE_SANDBOX=1
    export XDG_RUNTIME_DIR=$work HOME=$work
    # The checks read Grovekeep's English texts, whatever the machine's language.
    export GROVEKEEP_LANGUAGE=en
    wmready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
    waitfor 20 wmready || { echo "skipped: openbox did not start"; exit 77; }
    mkdir -p "$work/game" "$work/gk"
    cp -al "$(dirname "$1")" "$work/app" 2>/dev/null || cp -a "$(dirname "$1")" "$work/app"
    rm -f "$work/app/options.txt"
    printf '%s/game/\r\n%s/gk/\r\n\r\n\r\n\r\n\r\n\r\n' "$work" "$work" >"$work/app/options.txt"
}
