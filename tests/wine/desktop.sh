#!/usr/bin/env bash
# A Windows player's way through Grovekeep, under Wine on a virtual display of its own (Xvfb
# and openbox), in a fresh Wine prefix:
#   - setup.exe /S installs Grovekeep for the user and registers the .vif type;
#   - a double-click on a package (wine start) starts Grovekeep with its installer showing the
#     package; Enter installs it; a second double-click is handed to the running Grovekeep;
#   - the History window undoes the installation (Alt+U, Enter);
#   - the silent uninstaller removes the programs, the Start menu entries, the association
#     and the "Apps & features" entry, and keeps the user's data;
#   - the portable zip, unpacked into C:\Games\Grovekeep, asks for details the first time,
#     then shows its splash and main window and ends when that is closed; its own package
#     tool installs and undoes a package with its history beside it.
# Screenshots of the windows go to SCREENSHOT_DIR (BUILD_DIR/screenshots by default).
#   desktop.sh BUILD_DIR [SCREENSHOT_DIR]
set -uo pipefail
build=$1
shots=${2:-$build/screenshots}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
setup="$build/Grovekeep-$version-setup.exe"
zip="$build/Grovekeep-$version-windows-x64.zip"
if [ ! -f "$setup" ] || [ ! -f "$zip" ]; then
    echo "SKIP: no packages in $build (scripts/build-windows makes them)"
    exit 77
fi
for tool in Xvfb openbox xdotool import; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
mkdir -p "$shots"

zpath() { printf 'Z:%s' "${1//\//\\}"; }
work=$(mktemp -d "${TMPDIR:-/tmp}/gk-wine-desktop-XXXXXX")
xvfb=""
cleanup() {
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    "$@" >/dev/null 2>&1 || fail "$what"
}
# Waits up to $1 seconds for a command to succeed.
waitfor() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 4))); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.25
    done
    return 1
}

# (Waits for a first window are long: a fresh prefix's first start of a Qt program is slow on
# a busy machine; they end as soon as the window shows.)
# The display, its window manager, and a prefix of its own, made afresh (a copy of a clean
# prefix made once in the build tree).
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
waitfor 10 test -s "$work/display" || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The checks read Grovekeep's English texts, whatever the machine's language.
export GROVEKEEP_LANGUAGE=en
clean="$build/wine-clean"
if [ ! -f "$clean/system.reg" ]; then
    rm -rf "$clean"
    WINEPREFIX="$clean" wineboot -i >/dev/null 2>&1
    WINEPREFIX="$clean" wineserver -w
fi
cp -a "$clean" "$work/prefix"
export WINEPREFIX="$work/prefix"
user=$(whoami)
profile="$WINEPREFIX/drive_c/users/$user"
programs="$profile/AppData/Local/Programs/Grovekeep"
data="$profile/AppData/Roaming/Grovekeep"

shot() { import -window root "$shots/$1.png" 2>/dev/null; }
regquery() { wine reg query "$@" 2>/dev/null | tr -d '\r'; }
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
shown() { test -n "$(window "$1")"; }
# closes WINDOW-TITLE PID WHAT: Alt+F4 in the window ends the program.
closes() {
    press "$1" alt+F4
    waitfor 30 bash -c "! kill -0 $2" || fail "$3 did not end when its window closed"
}
press() { # press WINDOW-TITLE KEY: the key in that window
    local id
    id=$(window "$1")
    [ -n "$id" ] && xdotool windowactivate --sync "$id" >/dev/null 2>&1 &&
        xdotool key --clearmodifiers "$2"
}

# 1. Installed for the user, without questions: the programs, the Start menu, the .vif type
# and the "Apps & features" entry; the uninstaller takes them all away and keeps the data.
wine "$setup" /S
wineserver -w
for file in Grovekeep.exe Help.exe grovekeep-vif.exe Uninstall.exe Qt6Core.dll Qt6Widgets.dll \
    libstdc++-6.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    Help/HelpFiles/welcome.htm; do
    check "installed: $file" test -f "$programs/$file"
done
check "an installed Grovekeep is not a portable one" test ! -e "$programs/portable"
for program in Grovekeep.exe Help.exe; do
    check "$program is aware of each monitor's DPI" grep -q PerMonitorV2 "$programs/$program"
done
menu="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
check "the Start menu entry" test -f "$menu/Grovekeep.lnk"
regquery 'HKCU\Software\Classes\.vif' /ve | grep -q 'Grovekeep.Package' || fail ".vif is Grovekeep's"
regquery 'HKCU\Software\Classes\Grovekeep.Package\shell\open\command' /ve |
    grep -qF 'Grovekeep\Grovekeep.exe" "%1"' || fail "the open command"
regquery 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Grovekeep' |
    grep -q "DisplayVersion.*$version" || fail "the Apps & features entry"
# Help, a program of its own.
wine "$programs/Help.exe" &
helper=$!
if waitfor 300 shown '^Grovekeep - Help$'; then
    sleep 2
    shot help
    closes '^Grovekeep - Help$' "$helper" Help
else
    fail "Help did not start"
fi
wineserver -k
wineserver -w
mkdir -p "$data"
printf 'kept' >"$data/mine.txt"
# (The uninstaller copies itself away to remove its folder: wineserver -w waits for the copy.)
wine "C:\\users\\$user\\AppData\\Local\\Programs\\Grovekeep\\Uninstall.exe" /S
wineserver -w
check "the programs are removed" test ! -e "$programs"
check "the Start menu entry is removed" test ! -e "$menu/Grovekeep.lnk"
regquery 'HKCU\Software\Classes\.vif' >/dev/null && fail ".vif is still registered"
regquery 'HKCU\Software\Classes\Grovekeep.Package' >/dev/null && fail "the ProgID is still there"
regquery 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Grovekeep' >/dev/null &&
    fail "the Apps & features entry is still there"
check "the user's data is kept" grep -qx kept "$data/mine.txt"

# 2. For every user (Wine, unlike Windows, does not let a user's own file types take effect,
# so the double-click is tried with this one): a package double-clicked starts Grovekeep with
# its installer showing it, Enter installs it; a second double-click goes to the running
# Grovekeep; the History window undoes the latest installation.
wine "$setup" /S /AllUsers
wineserver -w
machine="$WINEPREFIX/drive_c/Program Files/Grovekeep"
check "installed for every user" test -f "$machine/Grovekeep.exe"
regquery 'HKCR\.vif' /ve | grep -q 'Grovekeep.Package' || fail ".vif is Grovekeep's for every user"
game="$work/game"
mkdir -p "$game/Data/Landscape" "$game/Scripts/Playgrounds"
printf 'MZ' >"$game/runblack.exe"
printf 'original' >"$game/Data/Landscape/hills.lnd"
entry() { printf '###Begin_VIF###\r\n###Install###%s###/Install###\r\n###Title###%s###/Title###\r\n%s\r\n###End_VIF###\r\n' "$@"; }
{
    entry 'C:\BW\Data\Landscape\hills.lnd' hills.lnd HILLS
    printf '\r\n'
} >"$work/hills.vif"
{
    entry 'C:\BW\Scripts\Playgrounds\river.txt' river.txt RIVER
    printf '\r\n'
} >"$work/river.vif"
printf '%s\\\r\nC:\\users\\%s\\AppData\\Roaming\\Grovekeep\\\r\n\r\n\r\n\r\n\r\n\r\n' \
    "$(zpath "$game")" "$user" >"$data/options.txt"
wine start /unix "$work/hills.vif"
if waitfor 300 shown '^Grovekeep - Installer$'; then
    sleep 2
    shot installer-with-package
    press '^Grovekeep - Installer$' Return
    waitfor 20 grep -qx HILLS "$game/Data/Landscape/hills.lnd" || fail "Enter did not install the package"
    shot installer-installed
    wine start /unix "$work/river.vif"
    sleep 4
    [ "$(xdotool search --onlyvisible --name '^Grovekeep Beta 1' | wc -l)" -eq 1 ] ||
        fail "a second Grovekeep opened"
    press '^Grovekeep - Installer$' Return
    waitfor 20 test -f "$game/Scripts/Playgrounds/river.txt" ||
        fail "the package handed to the running Grovekeep was not installed"
    # The installer's History... button (bottom left), then Undo (Alt+U) and Yes.
    id=$(window '^Grovekeep - Installer$')
    xdotool windowactivate --sync "$id" mousemove --window "$id" 151 332 click 1 >/dev/null 2>&1
    sleep 2
    press '^Grovekeep Beta 1' alt+u
    if waitfor 10 shown '^Grovekeep$'; then
        shot history-undo-question
        press '^Grovekeep$' Return
        waitfor 20 test ! -e "$game/Scripts/Playgrounds/river.txt" ||
            fail "the History window's Undo did not remove the map"
        shot history-undone
    else
        fail "Undo asked nothing"
        shot history-failed
    fi
else
    fail "Grovekeep's installer did not show"
    shot grovekeep-failed
fi
# Test Map starts the game as Windows starts a program: here a stand-in runblack.exe (Help,
# with the DLLs beside it) whose window shows that it ran.
cp -r "$machine/." "$game/"
cp "$machine/Help.exe" "$game/runblack.exe"
press '^Grovekeep Beta 1' alt+c # the History window closes, the map window shows
sleep 1
id=$(window '^Grovekeep Beta 1')
xdotool windowactivate --sync "$id" mousemove --window "$id" 718 287 click 1 >/dev/null 2>&1
if waitfor 60 shown '^Grovekeep - Help$'; then
    shot test-map-started-the-game
else
    fail "Test Map did not start the game"
    shot test-map-failed
fi
wineserver -k
wineserver -w

# 3. The rest undone with the installed tool (the same history); an upgrade keeps the data;
# the uninstaller asked to (/RemoveData) removes it too.
folders=(--game-folder "$(zpath "$game")" --manager-folder "C:\\users\\$user\\AppData\\Roaming\\Grovekeep")
wine "$machine/grovekeep-vif.exe" undo 1 "${folders[@]}" >/dev/null 2>&1
check "undo gave back the landscape" grep -qx original "$game/Data/Landscape/hills.lnd"
check "the history is in the user's data" test -d "$data/History"
wine "$setup" /S /AllUsers
wineserver -w
check "an upgrade keeps the data" grep -qx kept "$data/mine.txt"
check "an upgrade keeps the history" test -d "$data/History"
wine "C:\\Program Files\\Grovekeep\\Uninstall.exe" /S /RemoveData
wineserver -w
check "the programs are removed for every user" test ! -e "$machine"
regquery 'HKCR\.vif' >/dev/null && fail ".vif is still registered for every user"
regquery 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Grovekeep' >/dev/null &&
    fail "the Apps & features entry is still there for every user"
check "/RemoveData removes the data" test ! -e "$data"
check "the game is untouched" grep -qx original "$game/Data/Landscape/hills.lnd"

# 5. The portable zip in C:\Games\Grovekeep: it starts, and keeps its history beside it.
portable="$WINEPREFIX/drive_c/Games"
mkdir -p "$portable"
(cd "$portable" && cmake -E tar xf "$zip")
check "the zip holds the portable mark" test -f "$portable/Grovekeep/portable"
# The first start asks for details (a message, then the Options dialog, proposing the
# folder beside the program); the next, with options, shows the main window.
wine "C:\\Games\\Grovekeep\\Grovekeep.exe" &
if waitfor 300 shown '^Grovekeep$'; then
    shot portable-first-run
    press '^Grovekeep$' Return
    waitfor 20 shown '^Grovekeep - Options$' || fail "the first run showed no Options dialog"
    sleep 1
    shot portable-options
else
    fail "the portable Grovekeep did not start"
fi
wineserver -k
wineserver -w
printf '%s\\\r\nC:\\Games\\Grovekeep\\\r\n\r\n\r\n\r\n\r\n\r\n' "$(zpath "$game")" \
    >"$portable/Grovekeep/options.txt"
wine "C:\\Games\\Grovekeep\\Grovekeep.exe" &
started=$!
waitfor 300 shown '^Grovekeep$' || fail "no splash"
shot portable-splash
if waitfor 30 shown '^Grovekeep Beta 1'; then
    sleep 2
    shot portable-main-window
    closes '^Grovekeep Beta 1' "$started" Grovekeep
else
    fail "the portable Grovekeep with its options did not start"
fi
wineserver -k
wineserver -w
printf 'original' >"$game/Data/Landscape/hills.lnd"
pfolders=(--game-folder "$(zpath "$game")" --manager-folder 'C:\Games\Grovekeep')
wine "C:\\Games\\Grovekeep\\grovekeep-vif.exe" install "$(zpath "$work/hills.vif")" "${pfolders[@]}" >/dev/null 2>&1
check "the portable tool installed" grep -qx HILLS "$game/Data/Landscape/hills.lnd"
check "its history is beside it" test -d "$portable/Grovekeep/History"
wine "C:\\Games\\Grovekeep\\grovekeep-vif.exe" undo 1 "${pfolders[@]}" >/dev/null 2>&1
check "the portable tool undid it" grep -qx original "$game/Data/Landscape/hills.lnd"

if [ $failures -gt 0 ]; then
    echo "$failures checks failed"
    exit 1
fi
echo "All checks passed."
