#!/usr/bin/env bash
# Packing, listing and installing packages with grovekeep-vif, side by side with tar (and cp) of
# the same files in the same run: median wall time, the ratio to tar, and peak resident memory.
#   bench/install.sh                   both parts below
#   bench/install.sh small [COUNTS...] many small entries: COUNTS entries of 1 KiB each
#                                      (default: 10000 100000)
#   bench/install.sh large [SIZES...]  large packages: 1,000 entries making SIZES MiB (default:
#   bench/install.sh SIZES...          100 1024; 4096 too when the disk allows)
# Run from the repository after scripts/build (GROVEKEEP_VIF names another grovekeep-vif to
# measure; RUNS the runs of each command, 5 by default; BENCH_DIR the scratch folder).
#
# Goals, per entry, with many small entries; grovekeep-vif makes what it writes durable, so it
# is measured against tar followed by sync:
#   install  within 1.3x  tar -xf && sync
#   pack     within 1.5x  tar -cf && sync
#   list     within 2x    tar -tf
# and a list or pack of 100,000 entries well under 64 MiB of peak resident memory.
set -euo pipefail
cd "$(dirname "$0")/.."
vif="${GROVEKEEP_VIF:-$PWD/build/Grovekeep/grovekeep-vif}"
[ -x "$vif" ] || { echo "build first: scripts/build" >&2; exit 2; }
command -v /usr/bin/time >/dev/null 2>&1 || {
    echo "bench/install.sh needs GNU time: apt-get install time" >&2
    exit 2
}
base="${BENCH_DIR:-${TMPDIR:-/tmp}/grovekeep-bench}"
work="$base"
runs="${RUNS:-5}"

part=both
case "${1:-}" in
    small | large) part=$1 && shift ;;
    "") ;;
    *) part=large ;;
esac
counts=(10000 100000)
sizes=(100 1024)
if [ $# -gt 0 ]; then
    [ "$part" = small ] && counts=("$@") || sizes=("$@")
elif [ "$part" != small ]; then
    free_mib=$(df -Pm "$(dirname "$base")" | awk 'NR==2 {print $4}')
    [ "$free_mib" -gt $((4096 * 7)) ] && sizes+=(4096)
fi

# Runs a command; prints "SECONDS KIB" (wall time and peak resident set). What earlier steps
# left unwritten is written out first, so that no command pays for another's writeback.
measure() {
    sync
    local start end
    start=$EPOCHREALTIME
    /usr/bin/time -o "$work/.time" -f "%M" "$@" >/dev/null 2>"$work/.err" || {
        echo "failed: $*" >&2
        cat "$work/.err" >&2
        exit 1
    }
    end=$EPOCHREALTIME
    echo "$(awk -v a="$start" -v b="$end" 'BEGIN {printf "%.4f", b - a}') $(tail -1 "$work/.time")"
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", (b > 0 ? a / b : 0)}'; }

row() { # label, times file (seconds kib per line), baseline times file, goal (or empty)
    local label=$1 file=$2 baseline med rss r verdict=""
    baseline=$(awk '{print $1}' "$3" | median)
    med=$(awk '{print $1}' "$file" | median)
    rss=$(awk '{print $2}' "$file" | sort -n | tail -1)
    r=$(ratio "$med" "$baseline")
    if [ -n "${4:-}" ]; then
        verdict=$(awk -v r="$r" -v g="$4" 'BEGIN {print (r <= g ? "goal " g "x: met" : \
            "goal " g "x: MISSED")}')
    fi
    printf "  %-34s %8.3f s  %6.2fx  %7d MiB peak  %s\n" "$label" "$med" "$r" "$((rss / 1024))" \
        "$verdict"
}

# Moves folders out of the way, to be removed after every run: ext4 searches past inodes freed
# in the last minute when it makes new ones, so removing 100,000 files just before a command
# can slow it down more than anything it does itself.
trash() {
    local path
    for path in "$@"; do
        [ -e "$path" ] && mv "$path" "$work/trash/$(basename "$path").$RANDOM$RANDOM"
    done
    return 0
}

small() { # count
    local count=$1
    work="$base/$count"
    mkdir -p "$work/src/Data/Landscape" "$work/trash"
    echo "== $count entries of 1 KiB (runs: $runs)"
    head -c $((count * 1024)) /dev/urandom |
        split -b 1024 -a 6 -d --additional-suffix=.lnd - "$work/src/Data/Landscape/land"
    # pack takes the files from a list: no command line holds this many.
    (cd "$work/src" && find Data -type f | sort) |
        awk -F/ -v src="$work/src" '{printf "%s/%s\tC:\\BW\\Data\\Landscape\\%s\n", src, $0, $NF}' \
            >"$work/files.txt"
    (cd "$work/src" && tar -cf "$work/files.tar" Data)
    rm -f "$work"/*.times

    for r in $(seq "$runs"); do
        # The files are read once first, so that neither pack nor tar -cf, which runs after
        # it, reads them from the disk.
        (cd "$work/src" && tar -cf - Data | cat >/dev/null)
        # pack as a player with options would run it: through the history of a Grovekeep folder.
        trash "$work/p.vif" "$work/p.tar" "$work/pm" && mkdir -p "$work/pm"
        measure "$vif" pack "$work/p.vif" --files-from "$work/files.txt" \
            --manager-folder "$work/pm" >>"$work/pack.times"
        (cd "$work/src" && measure tar -cf "$work/p.tar" Data) >>"$work/tarc.times"
        trash "$work/p.tar"
        (cd "$work/src" && measure sh -c 'tar -cf "$1" Data && sync' sh "$work/p.tar") \
            >>"$work/tarcs.times"

        measure "$vif" list "$work/p.vif" >>"$work/list.times"
        measure tar -tf "$work/p.tar" >>"$work/tart.times"

        trash "$work/g" "$work/m" && mkdir -p "$work/g/Data/Landscape" "$work/m"
        measure "$vif" install "$work/p.vif" --game-folder "$work/g" --manager-folder "$work/m" \
            >>"$work/new.times"
        trash "$work/g" && mkdir -p "$work/g"
        measure tar -xf "$work/files.tar" -C "$work/g" >>"$work/tarx.times"
        trash "$work/g" && mkdir -p "$work/g"
        measure sh -c 'tar -xf "$1" -C "$2" && sync' sh "$work/files.tar" "$work/g" \
            >>"$work/tarxs.times"
    done
    row "tar -xf (into an empty game)" "$work/tarx.times" "$work/tarxs.times"
    row "tar -xf && sync" "$work/tarxs.times" "$work/tarxs.times"
    row "install, all new" "$work/new.times" "$work/tarxs.times" 1.3
    row "tar -cf" "$work/tarc.times" "$work/tarcs.times"
    row "tar -cf && sync" "$work/tarcs.times" "$work/tarcs.times"
    row "pack (--files-from)" "$work/pack.times" "$work/tarcs.times" 1.5
    row "tar -tf" "$work/tart.times" "$work/tart.times"
    row "list" "$work/list.times" "$work/tart.times" 2
}

large() { # size in MiB
    local size=$1
    work="$base/large"
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
    row "tar -xf (into an empty game)" "$work/tarx.times" "$work/tarx.times"
    row "cp -r (into an empty game)" "$work/cp.times" "$work/tarx.times"
    row "tar -xf && sync" "$work/tarxs.times" "$work/tarx.times"
    row "install, all new" "$work/new.times" "$work/tarx.times"
    row "tar -xf (over the old files)" "$work/tarxr.times" "$work/tarxr.times"
    row "tar -xf && sync (over the old)" "$work/tarxrs.times" "$work/tarxr.times"
    row "install, all replaced and kept" "$work/replace.times" "$work/tarxr.times"
    row "tar -cf" "$work/tarc.times" "$work/tarc.times"
    row "tar -cf && sync" "$work/tarcs.times" "$work/tarc.times"
    row "pack" "$work/pack.times" "$work/tarc.times"
}

rm -rf "$base"
echo "grovekeep-vif: $vif"
if [ "$part" != large ]; then
    # Nothing is removed while the runs last: 100,000 entries take some 2 GB a run.
    free_mib=$(df -Pm "$(dirname "$base")" | awk 'NR==2 {print $4}')
    need_mib=0
    for count in "${counts[@]}"; do need_mib=$((need_mib + count * 18 * runs / 1000 + 100)); done
    [ "$free_mib" -gt "$need_mib" ] || {
        echo "bench/install.sh small needs some $need_mib MiB free below $(dirname "$base")" >&2
        exit 2
    }
    echo "Ratios to tar -xf && sync, tar -cf && sync and tar -tf of the same files."
    for count in "${counts[@]}"; do small "$count"; done
fi
if [ "$part" != small ]; then
    echo "Ratios to tar -xf and tar -cf of the same files."
    for size in "${sizes[@]}"; do large "$size"; done
fi
rm -rf "$base"
