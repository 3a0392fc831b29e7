#!/usr/bin/env bash
# deb.sh BUILD_DIR [--make-only]
# Makes Grovekeep's Debian package from BUILD_DIR (cpack), checks it with lintian when lintian
# is installed, and then, as root, installs it on this machine the way a user would
# (apt-get install ./grovekeep_*.deb, which fetches what it depends on), checks what it
# installed, removes and purges it, and checks that it left nothing behind but the user's data.
# Whatever it installed is removed again, the packages its dependencies brought in too.
# With --make-only, makes and lints the package; nothing is installed.
# Exits 77 (skipped) where it cannot install: not root, no apt-get, or a Grovekeep package
# already installed (which is the user's, and stays).
set -euo pipefail

build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
explained="$source_dir/packaging/debian/lintian-explained"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
ok() { echo "ok: $*"; }

if [ ! -f "$build/CPackConfig.cmake" ]; then
    echo "SKIP: $build has no package configuration (a portable or Windows build makes none)"
    exit 77
fi

# The package, made in a folder of its own below the build folder.
out="$build/package"
rm -rf "$out"
mkdir -p "$out"
if ! cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1; then
    cat "$out/cpack.log" >&2
    echo "FAIL: cpack could not make the package" >&2
    exit 1
fi
deb=$(find "$out" -maxdepth 1 -name 'grovekeep_*.deb' -print -quit)
[ -n "$deb" ] || { echo "FAIL: cpack made no grovekeep_*.deb" >&2; exit 1; }
cp "$deb" "$build/"
deb="$build/$(basename "$deb")"
echo "made $deb"
dpkg-deb --field "$deb"

# lintian: every tag it still gives is explained in packaging/debian/lintian-explained.
if command -v lintian >/dev/null 2>&1; then
    suppressed=$(grep -v '^#' "$explained" | awk 'NF { print $1 }' | paste -sd, -)
    if lintian --fail-on error,warning --suppress-tags "$suppressed" "$deb"; then
        ok "lintian: no tag but those explained in packaging/debian/lintian-explained"
    else
        fail "lintian gives tags that are not explained"
    fi
else
    echo "lintian is not installed (scripts/deps package installs it): the package was not linted"
fi

if [ "${2:-}" = --make-only ]; then
    [ "$failures" -eq 0 ] || exit 1
    exit 0
fi
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null 2>&1; then
    echo "SKIP: installing the package needs root and apt-get; it was made and linted only"
    [ "$failures" -eq 0 ] || exit 1
    exit 77
fi
if dpkg-query -W -f='${Status}' grovekeep 2>/dev/null | grep -q "installed"; then
    echo "SKIP: a grovekeep package is installed already; it is left as it is"
    [ "$failures" -eq 0 ] || exit 1
    exit 77
fi

tmp=$(mktemp -d)
packages_before="$tmp/packages-before"
dpkg-query -W -f='${Package}:${Architecture}\n' | sort >"$packages_before"
# Puts the machine back as it was: the package, and whatever its installation brought in.
cleanup() {
    if dpkg-query -W -f='${Status}' grovekeep 2>/dev/null | grep -q "installed"; then
        dpkg -P grovekeep >/dev/null 2>&1 || true
    fi
    local added
    added=$(comm -13 "$packages_before" <(dpkg-query -W -f='${Package}:${Architecture}\n' |
        sort) | grep -v '^grovekeep:' || true)
    if [ -n "$added" ]; then
        echo "removing what the installation brought in: $(echo $added)"
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -q $added >/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

# A user of the machine, with a home of the test's own, reading Grovekeep's English texts.
export GROVEKEEP_LANGUAGE=en
export HOME="$tmp/home" XDG_DATA_HOME="$tmp/home/.local/share" XDG_CONFIG_HOME="$tmp/home/.config"
export XDG_CONFIG_DIRS="$tmp/config-dirs" XDG_CURRENT_DESKTOP=X-Generic
unset XDG_DATA_DIRS DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
mkdir -p "$HOME" "$XDG_CONFIG_DIRS"

echo "== installing =="
install_deb() {
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" \
        >"$tmp/apt.log" 2>&1
}
if ! install_deb; then
    # A fresh machine may not have read the archive's lists yet.
    apt-get update -q >/dev/null 2>&1 || true
    install_deb || { cat "$tmp/apt.log"; echo "FAIL: apt-get install $deb"; exit 1; }
fi
ok "installed: $(dpkg-query -W -f='${Package} ${Version}' grovekeep)"
dpkg -L grovekeep | sort >"$tmp/files"

expect() { # expect WHAT EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then ok "$1: $3"; else fail "$1: expected '$2', got '$3'"; fi
}
version=$(dpkg-query -W -f='${Version}' grovekeep)
expect "grovekeep --version" "grovekeep $version" "$(grovekeep --version 2>&1)"
expect "grovekeep-vif --version" "grovekeep-vif $version" "$(grovekeep-vif --version 2>&1)"

# Every program and module finds every library it links, and is stripped.
while read -r f; do
    [ -f "$f" ] && [ "$(head -c 4 "$f" | tr -d '\0')" = $'\x7fELF' ] || continue
    missing=$(ldd "$f" 2>&1 | grep 'not found' || true)
    [ -z "$missing" ] && ok "$f finds its libraries" || fail "$f: $missing"
    if readelf -S "$f" | grep -q '\.symtab'; then fail "$f is not stripped"; fi
done <"$tmp/files"

for desktop in /usr/share/applications/org.grovekeep.Grovekeep.desktop \
    /usr/share/applications/org.grovekeep.Grovekeep.Help.desktop; do
    said=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$said" ] &&
        ok "desktop-file-validate $desktop" || fail "desktop-file-validate $desktop: $said"
done
help=$(sed -n 's/^Exec=//p' /usr/share/applications/org.grovekeep.Grovekeep.Help.desktop)
[ -x "$help" ] && ok "Help's desktop file starts $help" || fail "Help's desktop file starts '$help'"
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate --no-net --no-color /usr/share/metainfo/org.grovekeep.Grovekeep.metainfo.xml \
        >"$tmp/appstream.log" 2>&1 && ok "appstreamcli validate" ||
        { cat "$tmp/appstream.log"; fail "appstreamcli validate"; }
fi
[ -s /usr/share/doc/grovekeep/copyright ] && ok "the licence is installed" ||
    fail "no /usr/share/doc/grovekeep/copyright"

# The file type, as the package manager's triggers made it known.
type=application/x-grovekeep-vif
printf '###Begin_VIF###\r\n' >"$tmp/package.download"
printf '###Begin_VIF###\r\n' >"$tmp/river.vif"
if command -v xdg-mime >/dev/null 2>&1 && command -v mimetype >/dev/null 2>&1; then
    expect "xdg-mime query filetype" "$type" "$(xdg-mime query filetype "$tmp/package.download")"
    expect "xdg-mime query default" org.grovekeep.Grovekeep.desktop "$(xdg-mime query default $type)"
else
    echo "xdg-mime or mimetype is not installed: the installed database is read directly"
fi
grep -q ":$type:\*\.vif" /usr/share/mime/globs2 && ok "the MIME database knows *.vif" ||
    fail "the MIME database does not know $type"
grep -q "^$type=.*org.grovekeep.Grovekeep.desktop" /usr/share/applications/mimeinfo.cache &&
    ok "mimeinfo.cache lists Grovekeep for $type" || fail "mimeinfo.cache does not list Grovekeep"

# The user's data, which no removal touches: a history made by the installed tool.
data="$XDG_DATA_HOME/Grovekeep"
mkdir -p "$data"
printf 'x\r\n' >"$tmp/river.txt"
grovekeep-vif pack "$tmp/made.vif" "$tmp/river.txt" 'C:\BW\Scripts\Playgrounds\river.txt' \
    --manager-folder "$data" >/dev/null && ok "grovekeep-vif pack, with a history" ||
    fail "grovekeep-vif pack"

# Removed, then purged: no file of the package stays, nor a folder no other package owns.
leftovers() {
    while read -r path; do
        [ -e "$path" ] || [ -L "$path" ] || continue
        if [ -d "$path" ] && [ ! -L "$path" ]; then
            dpkg -S "$path" >/dev/null 2>&1 || echo "$path"
        else
            echo "$path"
        fi
    done <"$tmp/files"
}
echo "== removing =="
dpkg -r grovekeep >/dev/null
left=$(leftovers)
[ -z "$left" ] && ok "dpkg -r left no file of the package" || fail "dpkg -r left: $left"
dpkg -P grovekeep >/dev/null
left=$(leftovers)
[ -z "$left" ] && ok "dpkg -P left no file of the package" || fail "dpkg -P left: $left"
dpkg-query -W grovekeep >/dev/null 2>&1 && fail "dpkg still knows grovekeep" ||
    ok "dpkg knows grovekeep no more"
grep -q "org.grovekeep.Grovekeep" /usr/share/applications/mimeinfo.cache 2>/dev/null &&
    fail "mimeinfo.cache still lists Grovekeep" || ok "mimeinfo.cache no longer lists Grovekeep"
grep -q "$type" /usr/share/mime/globs2 2>/dev/null &&
    fail "the MIME database still knows $type" || ok "the MIME database no longer knows $type"
[ -n "$(ls "$data/History" 2>/dev/null)" ] && ok "the user's history stays" ||
    fail "the user's history went with the package"

[ "$failures" -eq 0 ] || { echo "$failures checks failed"; exit 1; }
echo "all checks passed"
