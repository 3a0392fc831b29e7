#!/usr/bin/env bash
# Checks that the main window survives the first web window: its X window (id), place, size and
# maximised state stay as they were when the built-in browser opens.
#   tests/desktop/webwindow.sh [GROVEKEEP]   exit 0: kept; 1: re-created or changed; 77: cannot run
# Starts its own virtual display with a window manager; needs Xvfb, openbox, xdotool, xwininfo,
# xprop.
set -euo pipefail
cd "$(dirname "$0")/../.."
. tests/desktop/session.sh
grovekeep="$(realpath "${1:-${BUILD:-build}/Grovekeep/Grovekeep}")"
for tool in Xvfb openbox xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x "$grovekeep" ] || { echo "skipped: no $grovekeep"; exit 77; }
[ -e "$(dirname "$grovekeep")/grovekeep-web.so" ] || { echo "skipped: no web module"; exit 77; }

work=$(mktemp -d)
pid="" wm=""
# Xvfb picks a free display and names it once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $pid $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
startSession "$grovekeep"
(cd "$work" && exec "$work/app/$(basename "$grovekeep")") >"$work/log" 2>&1 &
pid=$!

mainwindow() { xdotool search --name '^Grovekeep Beta 1 - Welcome$' | head -1; }
waitfor 60 mainwindow || { echo "Grovekeep did not show its main window"; cat "$work/log"; exit 1; }
main=$(mainwindow)
sleep 5 # the splash has gone and the map window is open
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X|Absolute upper-left Y|Width|Height/ {printf "%s ", $NF}'
    xprop -id "$1" _NET_WM_STATE | grep -o 'MAXIMIZED_[A-Z]*' | tr '\n' ' ' || true
    echo
}
# Maximised by a double click on its title bar, as a player would.
read -r x y w _ < <(geometry "$main")
xdotool mousemove $((x + w / 2)) $((y - 8)) click --repeat 2 --delay 80 1
sleep 1
before="$main $(geometry "$main")"
case "$before" in *MAXIMIZED_HORZ*) ;; *) echo "could not maximise the main window: $before"; exit 1 ;; esac
# Close the map window (its menus give way to the main ones); File > Visit Marrowby, the
# menu's first entry, opens the built-in browser.
xdotool windowactivate --sync "$main"
xdotool key ctrl+w
sleep 1
xdotool mousemove --window "$main" 19 8 click 1 # the File menu, as older builds had no mnemonics
sleep 0.7
xdotool key Down Return
# The browser is a child window inside the main one: wait for the web module and its renderer.
for _ in $(seq 60); do
    grep -q grovekeep-web "/proc/$pid/maps" 2>/dev/null && pgrep -P "$pid" -f QtWebEngineProcess >/dev/null && break
    sleep 0.5
done
grep -q grovekeep-web "/proc/$pid/maps" || { echo "the browser did not open"; exit 1; }
sleep 4
after="$(mainwindow)"
after="$after $(geometry "$after")"
kill "$pid" 2>/dev/null || true
echo "main window before the first web window: $before"
echo "main window after it:                    $after"
if [ "$before" != "$after" ]; then
    echo "the main window was re-created or moved"
    exit 1
fi
echo "the main window stayed as it was"
