#!/usr/bin/env bash
# Start-up of Grovekeep and of its help viewer against the floor of a Qt Widgets hello-world, in
# one run: the time until the first window exists on the display and the resident memory half a
# second later (medians), with their ratios. Grovekeep starts on a sample folder with its
# options, so its first window is the splash; Help shows its window with the welcome page.
#   bench/startup.sh [RUNS]            (default 7)
#   BEFORE=/path/to/Grovekeep bench/startup.sh   also measures another build (e.g. an older one)
# Needs a build (scripts/build), and Xvfb, openbox and xwininfo (x11-utils); it starts its own
# virtual display. Run from the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-7}"
build="${BUILD:-build}"
cmake --build "$build" --target startup_floor Grovekeep Help >/dev/null
floor="$PWD/$build/bench/startup/startup_floor"
grovekeep="$PWD/$build/Grovekeep/Grovekeep"
for tool in Xvfb openbox xwininfo; do
    command -v "$tool" >/dev/null || { echo "bench/startup.sh needs $tool" >&2; exit 2; }
done

work=$(mktemp -d)
display=:$((80 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb $wm 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb
mkdir -p "$work/game" "$work/gk"
# Grovekeep reads its options in its own folder: a portable copy of it (linked, where the file
# system allows) holds them.
cp -al "$(dirname "$grovekeep")" "$work/app" 2>/dev/null || cp -a "$(dirname "$grovekeep")" "$work/app"
rm -f "$work/app/options.txt"
printf '%s/game/\r\n%s/gk/\r\n\r\n\r\n\r\n\r\n\r\n' "$work" "$work" >"$work/app/options.txt"
grovekeep="$work/app/$(basename "$grovekeep")"
help="$work/app/Help/Help"
# An older build (BEFORE) read them in the folder it was started in.
cp "$work/app/options.txt" "$work/options.txt"

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# one TITLE PROGRAM: prints "MS KIB" for one start.
one() {
    local title=$1 program=$2 start end pid
    start=$(date +%s%N)
    (cd "$work" && exec "$program") >/dev/null 2>&1 &
    pid=$!
    # A window with the title and a window class: Qt's hidden client-leader window bears the
    # application's name too, but no class. (Not a pipe into grep -q: with pipefail the early
    # exit of grep fails the pipe, and the wait would go on after the window is there.)
    until [[ "$(xwininfo -root -tree 2>/dev/null)" == *"\"$title\": (\""* ]]; do sleep 0.005; done
    end=$(date +%s%N)
    sleep 0.5
    echo "$(((end - start) / 1000000)) $(awk '/VmRSS/{print $2}' "/proc/$pid/status")"
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
    sleep 0.3
}

# The programs take turns, run after run, so that the machine's moods fall on all of them alike.
labels=(floor Grovekeep Help)
titles=("Hello floor" Grovekeep "Grovekeep - Help")
programs=("$floor" "$grovekeep" "$help")
if [ -n "${BEFORE:-}" ]; then
    labels+=(before)
    titles+=(Grovekeep)
    programs+=("$BEFORE")
fi
for _ in $(seq "$runs"); do
    for k in "${!labels[@]}"; do
        one "${titles[$k]}" "${programs[$k]}" >>"$work/${labels[$k]}.times"
    done
done
results=()
for label in "${labels[@]}"; do
    [ -n "${VERBOSE:-}" ] && echo "  $label: $(awk '{printf "%s ", $1}' "$work/$label.times")ms" >&2
    results+=("$label $(awk '{print $1}' "$work/$label.times" | median) $(awk '{print $2}' "$work/$label.times" | median) $(awk '{print $1}' "$work/$label.times" | sort -n | head -1)")
done
read -r _ floor_ms floor_kib floor_best <<<"${results[0]}"
echo "first window (median and best) and resident memory (median), $runs runs each, taking turns"
echo "(floor: a Qt Widgets hello-world; a shared machine makes single starts slow at times, the"
echo "best start shows what the program itself costs)"
for line in "${results[@]}"; do
    read -r label ms kib best <<<"$line"
    printf "  %-10s %6d ms %6.2fx   best %5d ms %6.2fx   %5d MiB %6.2fx\n" "$label" "$ms" \
        "$(awk -v a="$ms" -v b="$floor_ms" 'BEGIN {print a / b}')" "$best" \
        "$(awk -v a="$best" -v b="$floor_best" 'BEGIN {print a / b}')" "$((kib / 1024))" \
        "$(awk -v a="$kib" -v b="$floor_kib" 'BEGIN {print a / b}')"
done
