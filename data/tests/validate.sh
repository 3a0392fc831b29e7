#!/bin/sh
# Validates one of Grovekeep's desktop files with the tool made for it:
#   validate.sh desktop  FILE          desktop-file-validate; errors and warnings fail
#   validate.sh metainfo FILE          appstreamcli validate --pedantic, offline
#   validate.sh man      FILE          groff and mandoc: every warning fails
#   validate.sh mime     FILE SCHEMA   xmllint against the RELAX NG schema, then
#                                      update-mime-database must read it without a complaint
# Exits 77 (skipped) when the tool is not installed.
set -eu

need() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed"
            exit 77
        fi
    done
}

fail() {
    echo "FAIL: $*"
    exit 1
}

kind=$1
file=$2
case $kind in
desktop)
    need desktop-file-validate
    out=$(desktop-file-validate "$file" 2>&1) || fail "desktop-file-validate: $out"
    # It succeeds with warnings too; hints (suggestions) are all it may say.
    if printf '%s\n' "$out" | grep -E ': (error|warning): ' >/dev/null; then
        fail "desktop-file-validate: $out"
    fi
    [ -z "$out" ] || printf '%s\n' "$out"
    ;;
metainfo)
    need appstreamcli
    # Errors and warnings fail; pedantic notes are printed only.
    appstreamcli validate --no-net --pedantic --no-color "$file" || fail "appstreamcli"
    ;;
man)
    need groff mandoc
    out=$(groff -man -Tutf8 -ww -z "$file" 2>&1) || fail "groff: $out"
    [ -z "$out" ] || fail "groff: $out"
    out=$(mandoc -Tlint "$file" 2>&1) || fail "mandoc: $out"
    [ -z "$out" ] || fail "mandoc: $out"
    echo "$file: valid"
    ;;
mime)
    need xmllint update-mime-database
    xmllint --noout --relaxng "$3" "$file" || fail "xmllint"
    # update-mime-database checks what a schema cannot (the magic values, for one) and
    # says so on its error output while still succeeding.
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' EXIT
    mkdir -p "$tmp/mime/packages"
    cp "$file" "$tmp/mime/packages/"
    err=$(XDG_DATA_DIRS="$tmp" update-mime-database "$tmp/mime" 2>&1 >/dev/null) ||
        fail "update-mime-database: $err"
    [ -z "$err" ] || fail "update-mime-database: $err"
    [ -s "$tmp/mime/magic" ] || fail "update-mime-database made no magic of the package"
    grep -q '\*\.vif' "$tmp/mime/globs2" || fail "update-mime-database made no glob of the package"
    echo "$file: valid"
    ;;
*)
    fail "unknown kind $kind"
    ;;
esac
