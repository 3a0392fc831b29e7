#!/usr/bin/env bash
# grovekeep-vif.exe under Wine as a player on Linux would call it: every path in Wine's Z:\
# form of the Linux path. Install, history, verify, undo refused and forced, undo of the undo,
# and an installation killed at each change to the disk, rolled back by the next command.
#   acceptance.sh BUILD_DIR      (the Windows build tree: BUILD_DIR/Grovekeep, BUILD_DIR/tests)
set -uo pipefail
build=$1
zpath() { printf 'Z:%s' "${1//\//\\}"; }
export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINEPATH=$(zpath "$build/Grovekeep")
export WINEPATH
# The checks read Grovekeep's English texts, whatever the machine's language.
export GROVEKEEP_LANGUAGE=en
vif="$build/Grovekeep/grovekeep-vif.exe"
seams="$build/tests/grovekeep-vif-seams.exe"
work=$(mktemp -d "${TMPDIR:-/tmp}/gk-wine-acceptance-XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
expect_file() { # expect_file PATH CONTENTS ("" with -a for absent)
    if [ "$2" = "<absent>" ]; then
        [ ! -e "$1" ] || fail "$1 should not exist"
    else
        [ "$(cat "$1" 2>/dev/null)" = "$2" ] || fail "$1 holds '$(cat "$1" 2>/dev/null)', not '$2'"
    fi
}

game="$work/game"
mgr="$work/gk"
mkdir -p "$game/Data/Landscape" "$game/Scripts/Playgrounds" "$mgr"
printf 'original' >"$game/Data/Landscape/hills.lnd"
entry() { printf '###Begin_VIF###\r\n###Install###%s###/Install###\r\n###Title###%s###/Title###\r\n%s\r\n###End_VIF###\r\n' "$@"; }
{
    entry 'C:\BW\Data\Landscape\hills.lnd' hills.lnd HILLS
    entry 'C:\BW\Scripts\Playgrounds\river.txt' river.txt RIVER
    printf '\r\n'
} >"$work/p.vif"
folders=(--game-folder "$(zpath "$game")" --manager-folder "$(zpath "$mgr")")

out=$(wine "$vif" install "$(zpath "$work/p.vif")" "${folders[@]}" 2>&1) || fail "install: $out"
case "$out" in
*"replace $(zpath "$game/Data/Landscape/hills.lnd")"*) ;;
*) fail "install did not say what it replaced: $out" ;;
esac
expect_file "$game/Data/Landscape/hills.lnd" HILLS
expect_file "$game/Scripts/Playgrounds/river.txt" RIVER
expect_file "$mgr/Backup/vif/river.txt" RIVER

out=$(wine "$vif" history "${folders[@]}" 2>&1) || fail "history: $out"
[[ "$out" == 1$'\t'*$'\tcomplete\t4\t'* ]] || fail "history: $out"
out=$(wine "$vif" verify "${folders[@]}" 2>&1) || fail "verify of an intact installation: $out"

printf 'edited' >"$game/Scripts/Playgrounds/river.txt"
wine "$vif" verify "${folders[@]}" >/dev/null 2>&1 && fail "verify missed an edited file"
out=$(wine "$vif" undo 1 "${folders[@]}" 2>&1) && fail "undo over an edit was not refused"
expect_file "$game/Data/Landscape/hills.lnd" HILLS
out=$(wine "$vif" undo 1 --force "${folders[@]}" 2>&1) || fail "undo --force: $out"
expect_file "$game/Data/Landscape/hills.lnd" original
expect_file "$game/Scripts/Playgrounds/river.txt" "<absent>"
expect_file "$mgr/Backup/vif/river.txt" "<absent>"
out=$(wine "$vif" undo 2 "${folders[@]}" 2>&1) || fail "undo of the undo: $out"
expect_file "$game/Data/Landscape/hills.lnd" HILLS
expect_file "$game/Scripts/Playgrounds/river.txt" edited

# Killed at each change to the disk: the next command rolls it back, or it had finished.
rm -rf "$game" "$mgr"
for n in $(seq 1 200); do
    rm -rf "$game" "$mgr"
    mkdir -p "$game/Data/Landscape" "$game/Scripts/Playgrounds" "$mgr"
    printf 'original' >"$game/Data/Landscape/hills.lnd"
    GROVEKEEP_TEST_EXIT_AT=$n wine "$seams" install "$(zpath "$work/p.vif")" "${folders[@]}" \
        >/dev/null 2>&1
    code=$?
    out=$(wine "$vif" history "${folders[@]}" 2>"$work/err") ||
        fail "history after a kill at $n: $(cat "$work/err")"
    if [ "$code" -eq 0 ]; then
        expect_file "$game/Data/Landscape/hills.lnd" HILLS
        expect_file "$game/Scripts/Playgrounds/river.txt" RIVER
        echo "killed at each of the $((n - 1)) changes to the disk, and rolled back each time"
        break
    fi
    [ "$code" -eq 99 ] || fail "the install killed at change $n ended with $code"
    if [[ "$out" == 1$'\t'*$'\tcomplete\t'* ]]; then
        # Ended after its last file was placed: the whole operation stands, and undoes.
        expect_file "$game/Data/Landscape/hills.lnd" HILLS
        expect_file "$game/Scripts/Playgrounds/river.txt" RIVER
        wine "$vif" undo 1 "${folders[@]}" >/dev/null 2>&1 || fail "undo after a kill at $n"
    elif [ -n "$out" ] && [[ "$out" != 1$'\t'*$'\trolled-back\t'* ]]; then
        fail "after a kill at $n the history says: $out"
    fi
    expect_file "$game/Data/Landscape/hills.lnd" original
    expect_file "$game/Scripts/Playgrounds/river.txt" "<absent>"
    left=$(find "$game" "$mgr/History/tmp" -name '.~gk-*' 2>/dev/null)
    [ -z "$left" ] || fail "temporary files left after a kill at $n: $left"
done
[ "${code:-99}" -eq 0 ] || fail "the install never finished within 200 changes"

if [ "$failures" -gt 0 ]; then
    echo "$failures checks failed" >&2
    exit 1
fi
echo "grovekeep-vif.exe under Wine: every check passed"
