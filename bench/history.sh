#!/usr/bin/env bash
# What a long history costs an installation: a one-file install with grovekeep-vif after 1,000
# operations, and after one operation of 100,000 entries, each against the same install in the
# same game folder with an empty history (the history moved aside), in the same run: median wall
# time, the ratio, and peak resident memory.
#   bench/history.sh            goal: within 1.2x of an empty history, under 64 MiB
# Run from the repository after scripts/build (GROVEKEEP_VIF names another grovekeep-vif).
# OPERATIONS and ENTRIES make the history smaller for a quick look; RUNS the measurements.
set -euo pipefail
cd "$(dirname "$0")/.."
vif="${GROVEKEEP_VIF:-$PWD/build/Grovekeep/grovekeep-vif}"
[ -x "$vif" ] || { echo "build first: scripts/build" >&2; exit 2; }
command -v /usr/bin/time >/dev/null 2>&1 || {
    echo "bench/history.sh needs GNU time: apt-get install time" >&2
    exit 2
}
work="${BENCH_DIR:-${TMPDIR:-/tmp}/grovekeep-history-bench}"
runs="${RUNS:-21}"
operations="${OPERATIONS:-1000}"
entries="${ENTRIES:-100000}"
rm -rf "$work"
mkdir -p "$work/game/Data/Landscape" "$work/game/Scripts/Playgrounds" "$work/gk"

# A package of N entries of 1 KiB into Data/Landscape, written directly in the package format.
package() { # package FILE N PREFIX
    awk -v n="$2" -v prefix="$3" 'BEGIN {
        body = sprintf("%1024s", "");
        gsub(/ /, "x", body);
        for (i = 0; i < n; i++)
            printf "###Begin_VIF###\r\n###Install###C:\\BW\\Data\\Landscape\\%s%d.lnd###/Install###\r\n###Title###%s%d.lnd###/Title###\r\n%s\r\n###End_VIF###\r\n", prefix, i, prefix, i, body;
        printf "\r\n";
    }' >"$1"
}
package "$work/one.vif" 1 one
# An empty history as the store makes it, for the installs to compare with.
mkdir -p "$work/empty/objects" "$work/empty/operations" "$work/empty/pending" "$work/empty/tmp" \
    "$work/empty/index"
: >"$work/empty/index/complete"
folders=(--game-folder "$work/game" --manager-folder "$work/gk")

# One install of the one-file package; prints "SECONDS KIB".
one() {
    /usr/bin/time -o "$work/.time" -f "%e %M" "$vif" install "$work/one.vif" "${folders[@]}" \
        >/dev/null 2>&1 || { echo "the install failed" >&2; exit 1; }
    cat "$work/.time"
}
# Wall time in milliseconds, taken by the shell around the command (GNU time rounds to 10 ms).
timed() { # timed: prints "MS KIB" for one install
    local start end kib
    start=$(date +%s%N)
    kib=$(one | awk '{print $2}')
    end=$(date +%s%N)
    echo "$(((end - start) / 1000)) $kib"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# Measures RUNS installs with the history as it is and RUNS with it moved aside, interleaved so
# that both meet the same machine; prints the medians, the ratio and the peak memory.
compare() { # compare LABEL
    local with="$work/with" without="$work/without" r
    : >"$with"
    : >"$without"
    sync
    for r in $(seq "$runs"); do
        timed >>"$with"
        mv "$work/gk/History" "$work/History.kept"
        cp -r "$work/empty" "$work/gk/History"
        timed >>"$without"
        rm -rf "$work/gk/History"
        mv "$work/History.kept" "$work/gk/History"
    done
    local a b rss
    a=$(awk '{print $1}' "$with" | median)
    b=$(awk '{print $1}' "$without" | median)
    rss=$(awk '{print $2}' "$with" "$without" | sort -n | tail -1)
    awk -v label="$1" -v a="$a" -v b="$b" -v rss="$rss" 'BEGIN {
        ratio = b > 0 ? a / b : 0;
        printf "  %-44s %7.1f ms vs %7.1f ms empty  %5.2fx  %4d MiB peak  %s\n", label, a / 1000,
               b / 1000, ratio, rss / 1024, (ratio <= 1.2 && rss < 65536) ? "goal met" : "GOAL MISSED";
    }'
}

echo "== a one-file install, against the same with an empty history (runs: $runs)"
echo "   building a history of $operations operations..."
for n in $(seq "$operations"); do
    package "$work/op.vif" 1 "op$((n % 50))-"
    "$vif" install "$work/op.vif" "${folders[@]}" >/dev/null 2>&1
done
compare "after $operations operations"
echo "   installing one package of $entries entries..."
package "$work/big.vif" "$entries" big
/usr/bin/time -o "$work/.time" -f "%e %M" "$vif" install "$work/big.vif" "${folders[@]}" \
    >/dev/null 2>&1
awk '{printf "   (it took %.1f s, %d MiB peak)\n", $1, $2 / 1024}' "$work/.time"
compare "after one operation of $entries entries"
/usr/bin/time -o "$work/.time" -f "%e %M" "$vif" history "${folders[@]}" >/dev/null 2>&1
awk '{printf "  %-44s %7.2f s  %4d MiB peak\n", "history, listing every operation", $1, $2 / 1024}' \
    "$work/.time"
rm -rf "$work"
