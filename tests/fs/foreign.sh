#!/usr/bin/env bash
# Grovekeep on the file systems of USB sticks: FAT and exFAT, which have no hard links, no
# rename that refuses to replace, and no permissions. Each is made in an image and mounted (by
# the kernel where it has the file system, else exFAT through FUSE), and the change store's
# suite runs on it (its temporary folders there), then grovekeep-vif installs, undoes and
# extracts with Grovekeep's folder on it.
#   tests/fs/foreign.sh TEST_STORE GROVEKEEP_VIF   exit 0: passed; 1: failed; 77: cannot run here
# Needs root (a loop device), losetup, mkfs.vfat and mkfs.exfat (Debian: dosfstools,
# exfatprogs), and for exFAT without the kernel's /dev/fuse and mount.exfat-fuse (exfat-fuse);
# what is missing skips. (fusefat is not used: it hangs on some removals.)
set -euo pipefail
test_store=$(realpath "$1")
vif=$(realpath "$2")
[ "$(id -u)" -eq 0 ] || { echo "skipped: needs root for a loop device"; exit 77; }
command -v losetup >/dev/null || { echo "skipped: no losetup"; exit 77; }

work=$(mktemp -d)
loop="" mounted=""
cleanup() {
    [ -n "$mounted" ] && { umount "$mounted" 2>/dev/null || fusermount -u "$mounted" 2>/dev/null || true; }
    [ -n "$loop" ] && losetup -d "$loop" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The suite's functions that need nothing a FAT file system lacks (links, pipes, permissions).
functions=(failureAtEveryStep undoGivesBackTheOriginal undoIsRefusedWhenItWouldLoseSomething
           contentsAreKeptOnceAndPruned idsNeverGoBack mergedChangesKeepTheirCopiesTrue
           rollBackKeepsAFileItNeverWrote keptContentIsACopyNotTheFile newFilesWithoutAStore
           namesOfAnyLength anotherProgramIsWaitedFor)

ran=0
status=0
for kind in vfat exfat; do
    make=mkfs.$kind
    command -v "$make" >/dev/null || { echo "== $kind: skipped, $make is missing"; continue; }
    image="$work/$kind.img"
    dir="$work/$kind"
    mkdir -p "$dir"
    truncate -s 96M "$image"
    "$make" "$image" >/dev/null
    if ! loop=$(losetup -f --show "$image" 2>/dev/null); then
        echo "== $kind: skipped, no loop device"
        loop=""
        continue
    fi
    if ! mount -t "$kind" "$loop" "$dir" >/dev/null 2>&1; then
        if [ $kind = exfat ] && [ -c /dev/fuse ] && command -v mount.exfat-fuse >/dev/null &&
            mount.exfat-fuse "$loop" "$dir" >/dev/null 2>&1; then
            :
        else
            echo "== $kind: skipped, this system cannot mount it"
            losetup -d "$loop"
            loop=""
            continue
        fi
    fi
    mounted=$dir
    ran=$((ran + 1))
    echo "== $kind"
    # The store's suite, its temporary folders (game and Grovekeep folders) on the stick.
    mkdir -p "$dir/tmp"
    TMPDIR="$dir/tmp" "$test_store" "${functions[@]}" >"$work/$kind.log" 2>&1 || {
        cat "$work/$kind.log"
        echo "$kind: the store's suite failed"
        status=1
    }
    grep -E '^Totals' "$work/$kind.log" || true
    # A portable Grovekeep folder on the stick, the game on the machine's own disk.
    game="$work/game-$kind/"
    mkdir -p "$game/Data/Landscape" "$dir/Grovekeep"
    printf 'original' >"$game/Data/Landscape/hills.lnd"
    printf '###Begin_VIF###\r\n###Install###C:\\BW\\Data\\Landscape\\hills.lnd###/Install###\r\n###Title###hills.lnd###/Title###\r\nNEW\r\n###End_VIF###\r\n\r\n' >"$work/p.vif"
    folders=(--game-folder "$game" --manager-folder "$dir/Grovekeep")
    run() { "$vif" "$@" >"$work/out" 2>&1 || { cat "$work/out"; echo "$kind: grovekeep-vif $1 failed"; status=1; }; }
    run install "$work/p.vif" "${folders[@]}"
    [ "$(cat "$game/Data/Landscape/hills.lnd")" = NEW ] || { echo "$kind: not installed"; status=1; }
    run install "$work/p.vif" "${folders[@]}"
    run undo 2 "${folders[@]}"
    run undo 1 "${folders[@]}"
    [ "$(cat "$game/Data/Landscape/hills.lnd")" = original ] || { echo "$kind: not undone"; status=1; }
    run verify --store "${folders[@]}"
    # Extracted onto the stick, twice: the second replaces the first, kept in the history.
    run extract "$work/p.vif" "$dir/out" "${folders[@]}"
    run extract "$work/p.vif" "$dir/out" "${folders[@]}"
    [ "$(cat "$dir/out/hills.lnd")" = NEW ] || { echo "$kind: not extracted"; status=1; }
    if find "$dir" -name '.~gk-*' | grep -q .; then
        echo "$kind: temporary files were left"
        status=1
    fi
    umount "$dir" 2>/dev/null || fusermount -u "$dir"
    mounted=""
    losetup -d "$loop"
    loop=""
done
[ $ran -gt 0 ] || { echo "skipped: no FAT or exFAT could be made here"; exit 77; }
exit $status
