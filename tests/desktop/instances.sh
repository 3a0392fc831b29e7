#!/usr/bin/env bash
# Checks the single-instance channel with the real program on a display of its own:
# - two starts at the same moment, again and again: one main window, the other start ends;
# - files handed over while the running one still shows its splash reach its installer, one
#   after another;
# - a second copy of Grovekeep in a folder of its own is a Grovekeep of its own.
#   tests/desktop/instances.sh [GROVEKEEP]   exit 0: as described; 1: not; 77: cannot run
# Needs Xvfb, openbox, xdotool and xprop.
set -euo pipefail
cd "$(dirname "$0")/../.."
grovekeep="$(realpath "${1:-${BUILD:-build}/Grovekeep/Grovekeep}")"
for tool in Xvfb openbox xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x "$grovekeep" ] || { echo "skipped: no $grovekeep"; exit 77; }

work=$(mktemp -d)
pids=() wm=""
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
stopall() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    pids=()
}
trap 'stopall; kill $wm $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
# waitfor, shared with the other desktop checks.
source tests/desktop/session.sh
waitfor 20 test -s "$work/display" || { echo "skipped: Xvfb did not start"; exit 77; }
display=":$(cat "$work/display")"
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
# The runtime folder is the test's own: no other Grovekeep on this machine takes part.
mkdir -m 700 "$work/run"
export QT_QPA_PLATFORM=xcb DISPLAY=$display XDG_RUNTIME_DIR=$work/run HOME=$work
# The checks read Grovekeep's English texts, whatever the machine's language.
export GROVEKEEP_LANGUAGE=en
wmready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
waitfor 20 wmready || { echo "skipped: openbox did not start"; exit 77; }
mkdir -p "$work/game/Scripts/Playgrounds" "$work/game/Data/Landscape" "$work/in"
printf 'map\r\n' >"$work/in/river.txt"
printf 'land' >"$work/in/hills.lnd"
# Two portable copies of Grovekeep (linked, where the file system allows), each with its options.
for copy in app other; do
    cp -al "$(dirname "$grovekeep")" "$work/$copy" 2>/dev/null || cp -a "$(dirname "$grovekeep")" "$work/$copy"
    rm -f "$work/$copy/options.txt"
    touch "$work/$copy/portable"
    printf '%s/game/\r\n%s/\r\n\r\n\r\n\r\n\r\n\r\n' "$work" "$work/$copy" >"$work/$copy/options.txt"
done
program="$work/app/$(basename "$grovekeep")"
other="$work/other/$(basename "$grovekeep")"

windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
mainwindows() { windows '^Grovekeep Beta 1 - Welcome$'; }
splashes() { windows '^Grovekeep$'; }
waitinginstallers() { windows '^Grovekeep - Installer \(1 more file waiting\)$'; }
alive() { local n=0; for p in "${pids[@]}"; do kill -0 "$p" 2>/dev/null && n=$((n + 1)); done; echo "$n"; }
fail() { echo "$1"; for f in "$work"/log*; do echo "== $f"; cat "$f"; done; exit 1; }

# Two starts at the same moment: one main window, the other hands over and ends.
for round in 1 2 3 4 5; do
    (cd "$work" && exec "$program") >"$work/log-a$round" 2>&1 &
    pids+=($!)
    (cd "$work" && exec "$program") >"$work/log-b$round" 2>&1 &
    pids+=($!)
    waitfor 60 eval '[ "$(mainwindows)" -ge 1 ]' || fail "round $round: no main window"
    waitfor 10 eval '[ "$(alive)" -eq 1 ]' || fail "round $round: $(alive) Grovekeeps still run"
    sleep 1
    [ "$(mainwindows)" -eq 1 ] || fail "round $round: $(mainwindows) main windows"
    stopall
    waitfor 10 eval '[ "$(mainwindows)" -eq 0 ]' || fail "round $round: the main window stayed"
done
echo "two starts at once, 5 rounds: one main window each time"

# Files handed over while the running Grovekeep shows its splash: its installer opens with the
# first chosen and says that the second waits.
(cd "$work" && exec "$program") >"$work/log-splash" 2>&1 &
pids+=($!)
waitfor 30 eval '[ "$(splashes)" -ge 1 ]' || fail "no splash"
[ "$(mainwindows)" -eq 0 ] || fail "the main window came before the splash had gone"
(cd "$work" && timeout 20 "$program" in/river.txt in/hills.lnd) >"$work/log-handed" 2>&1 ||
    fail "the start with files did not end well"
waitfor 30 eval '[ "$(waitinginstallers)" -eq 1 ]' ||
    fail "the installer did not open with the handed files"
[ "$(mainwindows)" -eq 1 ] || fail "$(mainwindows) main windows"
echo "files handed over during the splash reach the installer"

# A second copy in a folder of its own is another Grovekeep: it opens its own main window.
(cd "$work" && exec "$other") >"$work/log-other" 2>&1 &
pids+=($!)
waitfor 60 eval '[ "$(mainwindows)" -eq 2 ]' || fail "the other copy handed over to the first"
[ "$(alive)" -eq 2 ] || fail "$(alive) Grovekeeps run"
echo "a copy in another folder runs on its own"
