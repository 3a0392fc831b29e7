#!/bin/sh
# install.sh CMAKE BUILD_DIR CONFIG DATADIR
# Installs Grovekeep's desktop component twice into a temporary folder, staged (DESTDIR, as a
# distribution package is built) and straight into a prefix, and asks the desktop's own tools
# about the result with nothing but that folder and /usr/share in view:
#   - a file beginning with the package marker is application/x-grovekeep-vif, named *.vif
#     or not, and so is any *.vif;
#   - the default application for that type is Grovekeep's desktop file;
#   - the desktop file's icon, the metainfo's launchable and media type name installed things.
# Exits 77 (skipped) when a tool is not installed.
set -eu

cmake=$1
build=$2
config=$3
datadir=$4
source=$(cd "$(dirname "$0")/../.." && pwd)
app=org.grovekeep.Grovekeep
type=application/x-grovekeep-vif

for tool in update-mime-database update-desktop-database xdg-mime mimetype; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        case $tool in
        mimetype) echo "SKIP: mimetype (libfile-mimeinfo-perl) is not installed;" \
            "xdg-mime outside a desktop session needs it to read the MIME database" ;;
        *) echo "SKIP: $tool is not installed" ;;
        esac
        exit 77
    fi
done

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
expect() { # expect WHAT EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        echo "ok: $1: $3"
    else
        fail "$1: expected '$2', got '$3'"
    fi
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

install_desktop() { # install_desktop PREFIX [DESTDIR]
    set -- "$cmake" --install "$build" --component desktop --prefix "$1"
    [ -z "$config" ] || set -- "$@" --config "$config"
    if ! "$@" >"$tmp/install.log" 2>&1; then
        cat "$tmp/install.log"
        echo "FAIL: cmake --install"
        exit 1
    fi
    grep '^-- Running' "$tmp/install.log" || true # the caches it refreshed
}

share_of() { # share_of ROOT PREFIX: the data folder of an installation
    case $datadir in
    /*) echo "$1$datadir" ;;
    *) echo "$1$2/$datadir" ;;
    esac
}

# The user's folders and the desktop session are the test's own: no mimeapps.list, no
# desktop-specific backend (gio, kde) between xdg-mime and the database.
mkdir -p "$tmp/home" "$tmp/config" "$tmp/config-dirs" "$tmp/data-home"
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_CONFIG_DIRS="$tmp/config-dirs"
export XDG_DATA_HOME="$tmp/data-home" XDG_CURRENT_DESKTOP=X-Generic
unset DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID MATE_DESKTOP_SESSION_ID

printf '###Begin_VIF###\r\n###Install###Scripts\\x.txt###/Install###\r\n' >"$tmp/x.vif"
cp "$tmp/x.vif" "$tmp/package.download" # no glob: the marker alone must tell
printf '###Begin_VIF###\n' >"$tmp/lf.download" # a package with LF line ends
printf 'A note, not a package.\r\n' >"$tmp/note.VIF" # the glob alone, in capitals
printf '###Begin_VIF### is how a package starts.\n' >"$tmp/prose.download"

check_tree() { # check_tree SHARE PREFIX
    share=$1
    # Help's desktop file, made when installing, starts Help where the prefix puts it.
    help_exec=$(sed -n 's/^Exec=//p' "$share/applications/$app.Help.desktop")
    case $help_exec in
    "$2"/*/grovekeep/Help) echo "ok: Help's desktop file starts $help_exec" ;;
    *) fail "Help's desktop file starts '$help_exec', not Help below $2" ;;
    esac
    if command -v desktop-file-validate >/dev/null 2>&1; then
        for desktop in "$share"/applications/*.desktop; do
            said=$(desktop-file-validate "$desktop" 2>&1) || fail "$desktop: $said"
            [ -z "$said" ] || fail "$desktop: $said"
        done
    fi
    export XDG_DATA_DIRS="$share:/usr/share"
    for f in x.vif package.download lf.download note.VIF; do
        expect "xdg-mime query filetype $f" "$type" "$(xdg-mime query filetype "$tmp/$f")"
    done
    prose=$(xdg-mime query filetype "$tmp/prose.download")
    if [ "$prose" = "$type" ]; then
        fail "a text merely starting with the marker is $type"
    else
        echo "ok: xdg-mime query filetype prose.download: $prose"
    fi
    expect "xdg-mime query default $type" "$app.desktop" "$(xdg-mime query default "$type")"
    grep -qx "$type=$app.desktop;" "$share/applications/mimeinfo.cache" ||
        fail "mimeinfo.cache does not list $app.desktop for $type"

    icon=$(sed -n 's/^Icon=//p' "$share/applications/$app.desktop")
    for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
        [ -s "$share/icons/hicolor/$size/apps/$icon.png" ] || fail "no $size icon named $icon"
    done
    [ -s "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon named $icon"
    metainfo="$share/metainfo/$app.metainfo.xml"
    grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
        fail "the metainfo's launchable is not $app.desktop"
    grep -q "<mediatype>$type</mediatype>" "$metainfo" || fail "the metainfo provides no $type"
    # Every release of the changelog, none other, newest first; no web address.
    changelog=$(sed -n 's/^## \([0-9][0-9.]*\) (\([0-9-]*\)).*/\1 \2/p' "$source/CHANGELOG.md")
    listed=$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)">.*/\1 \2/p' "$metainfo")
    expect "the metainfo's releases" "$changelog" "$listed"
    ! grep -q "https\?://" "$metainfo" || fail "the metainfo names a web address"
    grep -qx "MimeType=$type;" "$share/applications/$app.desktop" ||
        fail "the desktop file does not take $type"
}

# Staged: the files only, the caches left to the package manager, whose triggers are these.
echo "== staged (DESTDIR) =="
DESTDIR="$tmp/stage" install_desktop /usr
share=$(share_of "$tmp/stage" /usr)
for cache in mime/mime.cache applications/mimeinfo.cache; do
    [ ! -e "$share/$cache" ] || fail "a staged install made $cache"
done
XDG_DATA_DIRS="$share:/usr/share" update-mime-database "$share/mime"
update-desktop-database "$share/applications"
check_tree "$share" /usr

# Straight into a prefix: the installation refreshes the caches itself. (Not with an absolute
# data folder, which would lie outside the temporary prefix.)
case $datadir in /*)
    echo "the data folder $datadir is absolute: only the staged install was tried"
    [ "$failures" -eq 0 ] || exit 1
    exit 0
    ;;
esac
echo "== prefix =="
install_desktop "$tmp/prefix"
share=$(share_of "" "$tmp/prefix")
for cache in mime/mime.cache applications/mimeinfo.cache; do
    [ -s "$share/$cache" ] || fail "installing into a prefix did not make $cache"
done
check_tree "$share" "$tmp/prefix"

[ "$failures" -eq 0 ] || exit 1
echo "all checks passed"
