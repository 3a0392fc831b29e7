#!/usr/bin/env bash
# Keystrokes and loading of large maps in the map editor (LargeTextEdit) beside QPlainTextEdit,
# in one run: medians in ms and their ratio.
#   bench/editor.sh [KEYS [RUNS]]        (defaults 10 and 3)
# Runs on the X display in DISPLAY (start one with Xvfb and a window manager to measure what the
# user sees), offscreen without one. Run from the repository after building bench_editor
# (BUILD names the build folder; default build).
set -euo pipefail
cd "$(dirname "$0")/.."
exe="${BUILD:-build}/bench/editor/bench_editor"
[ -x "$exe" ] || {
    echo "build first: cmake --build ${BUILD:-build} --target bench_editor" >&2
    exit 2
}
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.qpa.*=false}"
exec "$exe" "$@"
