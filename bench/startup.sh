#!/usr/bin/env bash
# Start-up time and memory of Grovekeep, with the web engine kept out of start-up (as built)
# and with the engine's libraries preloaded (as if the program linked them directly).
# Needs an X display (DISPLAY) and xwininfo (x11-utils); run from the repository after scripts/build.
#   bench/startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/../build/Grovekeep"
runs="${1:-5}"
libdir=$(dirname "$(ldconfig -p | awk '/libQt6WebEngineCore.so.6 /{print $NF; exit}')")
preload="$libdir/libQt6WebEngineCore.so.6:$libdir/libQt6WebEngineWidgets.so.6"

measure() {
    local label=$1 env=$2 total=0 rss=0
    for _ in $(seq "$runs"); do
        local start end pid
        start=$(date +%s%N)
        env $env ./Grovekeep >/dev/null 2>&1 &
        pid=$!
        until xwininfo -root -tree 2>/dev/null | grep -q '"Grovekeep'; do :; done
        end=$(date +%s%N)
        sleep 0.5
        rss=$(awk '/VmRSS/{print $2}' "/proc/$pid/status")
        kill "$pid"; wait "$pid" 2>/dev/null || true
        total=$((total + (end - start) / 1000000))
    done
    echo "$label: first window after $((total / runs)) ms on average, $((rss / 1024)) MiB resident"
}

measure "engine loaded on first use" ""
measure "engine preloaded at start" "LD_PRELOAD=$preload"
