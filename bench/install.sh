#!/usr/bin/env bash
# Installing and packing large packages with grovekeep-vif, side by side with tar and cp of the
# same files in the same run: median wall time, the ratio to tar, and peak resident memory.
#   bench/install.sh [SIZES_MIB...]     (default: 100 1024; 4096 too when the disk allows)
# Each size is a package of 1,000 entries. Run from the repository after scripts/build
# (GROVEKEEP_VIF names another grovekeep-vif to measure).
set -euo pipefail
cd "$(dirname "$0")/.."
vif="${GROVEKEEP_VIF:-$PWD/build/Grovekeep/grovekeep-vif}"
[ -x "$vif" ] || { echo "build first: scripts/build" >&2; exit 2; }
command -v /usr/bin/time >/dev/null 2>&1 || {
    echo "bench/install.sh needs GNU time: apt-get install time" >&2
    exit 2
}
work="${BENCH_DIR:-${TMPDIR:-/tmp}/grovekeep-bench}"
runs="${RUNS:-5}"
sizes=("$@")
if [ ${#sizes[@]} -eq 0 ]; then
    sizes=(100 1024)
    free_mib=$(df -Pm "$(dirname "$work")" | awk 'NR==2 {print $4}')
    [ "$free_mib" -gt $((4096 * 7)) ] && sizes+=(4096)
fi

# Runs a command; prints "SECONDS KIB" (wall time and peak resident set). What earlier steps
# left unwritten is written out first, so that no command pays for another's writeback.
measure() {
    sync
    /usr/bin/time -o "$work/.time" -f "%e %M" "$@" >/dev/null 2>&1 || {
        echo "failed: $*" >&2
        exit 1
    }
    cat "$work/.time"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

row() { # label, times file (seconds kib per line), baseline median
    local label=$1 file=$2 base=$3 med rss
    med=$(awk '{print $1}' "$file" | median)
    rss=$(awk '{print $2}' "$file" | sort -n | tail -1)
    printf "  %-34s %8.2f s  %6.2fx  %7d MiB peak\n" "$label" "$med" \
        "$(awk -v a="$med" -v b="$base" 'BEGIN {print (b > 0 ? a / b : 0)}')" "$((rss / 1024))"
}

for size in "${sizes[@]}"; do
    rm -rf "$work"
    mkdir -p "$work/src/Data/Landscape"
    entry_kib=$((size * 1024 / 1000))
    echo "== $size MiB: 1,000 entries of $entry_kib KiB (runs: $runs)"
    pairs=()
    for n in $(seq 0 999); do
        head -c $((entry_kib * 1024)) /dev/urandom >"$work/src/Data/Landscape/land$n.lnd"
        pairs+=("$work/src/Data/Landscape/land$n.lnd" "C:\\BW\\Data\\Landscape\\land$n.lnd")
    done
    for n in $(seq 0 999); do # the versions a game holds before the package replaces them
        mkdir -p "$work/old/Data/Landscape"
        head -c $((entry_kib * 1024)) /dev/urandom >"$work/old/Data/Landscape/land$n.lnd"
    done
    (cd "$work/src" && tar -cf "$work/files.tar" Data)
    rm -f "$work"/*.times

    for r in $(seq "$runs"); do
        # pack as a player with options would run it: through the history of a Grovekeep folder.
        rm -rf "$work/p.vif" "$work/p.tar" "$work/pm" && mkdir -p "$work/pm"
        measure "$vif" pack "$work/p.vif" "${pairs[@]}" --manager-folder "$work/pm" \
            >>"$work/pack.times"
        (cd "$work/src" && measure tar -cf "$work/p.tar" Data) >>"$work/tarc.times"
        rm -f "$work/p.tar"
        (cd "$work/src" && measure sh -c 'tar -cf "$1" Data && sync' sh "$work/p.tar") \
            >>"$work/tarcs.times"

        rm -rf "$work/g" "$work/m" && mkdir -p "$work/g/Data/Landscape" "$work/m"
        measure "$vif" install "$work/p.vif" --game-folder "$work/g" --manager-folder "$work/m" \
            >>"$work/new.times"
        rm -rf "$work/g" && mkdir -p "$work/g"
        measure tar -xf "$work/files.tar" -C "$work/g" >>"$work/tarx.times"
        # tar leaves its files to the kernel's writeback; grovekeep-vif makes them durable.
        rm -rf "$work/g" && mkdir -p "$work/g"
        measure sh -c 'tar -xf "$1" -C "$2" && sync' sh "$work/files.tar" "$work/g" \
            >>"$work/tarxs.times"
        rm -rf "$work/g" && mkdir -p "$work/g"
        measure cp -r "$work/src/Data" "$work/g/" >>"$work/cp.times"

        # Every entry replaces a file of the game; the store keeps every one of them.
        rm -rf "$work/g" "$work/m" && mkdir -p "$work/m" && cp -r "$work/old" "$work/g"
        measure "$vif" install "$work/p.vif" --game-folder "$work/g" --manager-folder "$work/m" \
            >>"$work/replace.times"
        rm -rf "$work/g" && cp -r "$work/old" "$work/g"
        measure tar -xf "$work/files.tar" -C "$work/g" >>"$work/tarxr.times"
        rm -rf "$work/g" && cp -r "$work/old" "$work/g"
        measure sh -c 'tar -xf "$1" -C "$2" && sync' sh "$work/files.tar" "$work/g" \
            >>"$work/tarxrs.times"
    done
    tarx=$(awk '{print $1}' "$work/tarx.times" | median)
    tarxr=$(awk '{print $1}' "$work/tarxr.times" | median)
    tarc=$(awk '{print $1}' "$work/tarc.times" | median)
    row "tar -xf (into an empty game)" "$work/tarx.times" "$tarx"
    row "cp -r (into an empty game)" "$work/cp.times" "$tarx"
    row "tar -xf && sync" "$work/tarxs.times" "$tarx"
    row "install, all new" "$work/new.times" "$tarx"
    row "tar -xf (over the old files)" "$work/tarxr.times" "$tarxr"
    row "tar -xf && sync (over the old)" "$work/tarxrs.times" "$tarxr"
    row "install, all replaced and kept" "$work/replace.times" "$tarxr"
    row "tar -cf" "$work/tarc.times" "$tarc"
    row "tar -cf && sync" "$work/tarcs.times" "$tarc"
    row "pack" "$work/pack.times" "$tarc"
done
rm -rf "$work"
