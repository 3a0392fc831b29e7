#!/usr/bin/env bash
# Checks that the web engine's helper processes end with Grovekeep: the built-in browser is
# opened and closed, the help viewer is started from the Help menu (a program that outlives
# Grovekeep), Grovekeep is left by File > Exit, and no QtWebEngineProcess of its session remains.
#   tests/desktop/webexit.sh [GROVEKEEP]   exit 0: none left; 1: some left; 77: cannot run
# Starts its own virtual display with a window manager; needs Xvfb, openbox, xdotool, setsid.
set -euo pipefail
cd "$(dirname "$0")/../.."
. tests/desktop/session.sh
grovekeep="$(realpath "${1:-${BUILD:-build}/Grovekeep/Grovekeep}")"
for tool in Xvfb openbox xdotool setsid; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x "$grovekeep" ] || { echo "skipped: no $grovekeep"; exit 77; }
[ -e "$(dirname "$grovekeep")/grovekeep-web.so" ] || { echo "skipped: no web module"; exit 77; }

work=$(mktemp -d)
session="" wm=""
# Everything Grovekeep starts stays in the session it leads; the check and the clean-up go by it.
inSession() { [ -n "$session" ] && ps -o pid=,args= -s "$session" 2>/dev/null | grep "$1" || true; }
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    for p in $(inSession . | awk '{print $1}') $(pgrep -f "^$work/app/" || true); do
        kill -9 "$p" 2>/dev/null || true
    done
    kill $wm $xvfb 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
startSession "$grovekeep"
program="$work/app/$(basename "$grovekeep")"
setsid bash -c 'echo $$ >"$1/session"; cd "$1"; exec "$2"' - "$work" "$program" >"$work/log" 2>&1 &
waitfor 10 test -s "$work/session" || { echo "Grovekeep did not start"; exit 1; }
session=$(cat "$work/session")

mainwindow() { xdotool search --name '^Grovekeep Beta 1 - Welcome$' | head -1; }
waitfor 60 mainwindow || { echo "Grovekeep did not show its main window"; cat "$work/log"; exit 1; }
main=$(mainwindow)
sleep 5 # the splash has gone and the map window is open
menu() { # menu KEY...: opens the main window's menu by a click on its menu bar, then keys
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    xdotool mousemove --window "$main" "$1" 8 click 1
    sleep 0.7
    shift
    xdotool key "$@"
    sleep 0.5
}
xdotool windowactivate --sync "$main"
xdotool key ctrl+w # the map window
sleep 1
menu 19 Down Return # File > Visit Marrowby: the built-in browser
engine() { inSession QtWebEngineProcess | grep -q .; }
waitfor 60 engine || { echo "the browser did not open"; cat "$work/log"; exit 1; }
sleep 3
xdotool windowactivate --sync "$main"
xdotool key ctrl+w # the browser
sleep 1
menu 160 Down Return # Help > Contents: the help viewer, which stays open
helpviewer() { pgrep -f "^$work/app/Help/" >/dev/null; }
waitfor 20 helpviewer || { echo "the help viewer did not start"; exit 1; }
sleep 2
menu 19 Up Return # File > Exit
grovekeepRuns() { inSession "$program" | grep -q .; }
gone() { ! grovekeepRuns; }
waitfor 20 gone || { echo "Grovekeep did not end on File > Exit"; exit 1; }
sleep 3 # the engine's helpers see their parent gone
left=$(inSession QtWebEngineProcess)
helpviewer || { echo "the help viewer ended with Grovekeep: the check cannot tell"; exit 1; }
if [ -n "$left" ]; then
    echo "the web engine's helpers outlived Grovekeep:"
    echo "$left" | cut -c1-120
    exit 1
fi
echo "no helper of the web engine outlived Grovekeep"
