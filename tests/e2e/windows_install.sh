#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows packages under Wine, in a Wine prefix of their own that holds no Qt: the setup program
# installs silently for the current user, lists Pinsola among the installed programs, and the program
# started from its installed place saves a drawing under %LOCALAPPDATA%\Pinsola\pics; a second install
# while it runs is refused, one after it has ended keeps the drawing; the silent uninstall removes the
# program and its entry and keeps the drawing. The portable zip, unpacked, keeps its drawing beside itself.
# Argument: the Windows build folder, which holds Pinsola-<version>-setup.exe and -portable.zip.
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND (status $?)" >&2' ERR
BUILD=$(cd "$1" && pwd)
SETUP=$(ls "$BUILD"/Pinsola-*-setup.exe)
PORTABLE=$(ls "$BUILD"/Pinsola-*-portable.zip)
VERSION=${SETUP##*/Pinsola-}
VERSION=${VERSION%-setup.exe}
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Pinsola'

WORK="$BUILD/windows-install-test"
rm -rf "$WORK"
mkdir -p "$WORK"
# A home of its own, where the prefix's desktop folder leads, and no menu entries made for the host's desktop.
export HOME="$WORK/home" WINEPREFIX="$WORK/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset WINEPATH XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME"
PIDS=()
cleanup() {
    local status=$?
    wineserver -k 2>/dev/null || true
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    exit "$status"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $step: $*" >&2
    exit 1
}
# Waits up to $1 tenths of a second until the command after it succeeds.
wait_until() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

step="a display and a fresh Wine prefix"
: >"$WORK/display"
Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp >"$WORK/display" 2>"$WORK/xvfb.log" &
PIDS+=($!)
wait_until 100 test -s "$WORK/display" || fail "no Xvfb"
DISPLAY=":$(head -1 "$WORK/display")"
export DISPLAY
wine wineboot -i >/dev/null 2>&1
windows_to_unix() { winepath -u "$1" 2>/dev/null; }
LOCAL=$(windows_to_unix "$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')")
[ -d "$LOCAL" ] || fail "no %LOCALAPPDATA% in the prefix: $LOCAL"
INSTALLED="$LOCAL/Programs/Pinsola"
MENU_ENTRY="$LOCAL/../Roaming/Microsoft/Windows/Start Menu/Programs/Pinsola.lnk"
DESKTOP_ENTRY=$(windows_to_unix "$(wine cmd /c 'echo %USERPROFILE%\Desktop\Pinsola.lnk' 2>/dev/null | tr -d '\r')")
DATA_PICS="$LOCAL/Pinsola/pics"

# Sets DRAW to the drawing window, the program's large window named Pinsola, once it shows.
drawing_window() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Pinsola$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        [ "$WIDTH" -gt 600 ] && { DRAW=$id; return 0; }
    done
    return 1
}
# Starts pinsola.exe at $1 and waits for its drawing window; the start screen before it closes by itself.
start_pinsola() {
    wine "$1" >"$WORK/pinsola.log" 2>&1 &
    PINSOLA=$!
    PIDS+=("$PINSOLA")
    wait_until 600 drawing_window || fail "no drawing window of $1"
}
# Without a window manager the keyboard goes to the window under the pointer.
visible_windows() { xdotool search --onlyvisible --name . 2>/dev/null | sort; }
# Sets NEW to a visible window that is not among the windows $1.
new_window() { NEW=$(comm -13 <(echo "$1") <(visible_windows) | head -1) && [ -n "$NEW" ]; }
# Waits for a window that is not among the windows $1 and puts the pointer in its middle.
point_into_new_window() {
    wait_until 100 new_window "$1" || return 1
    eval "$(xdotool getwindowgeometry --shell "$NEW")"
    xdotool mousemove $(( X + WIDTH / 2 )) $(( Y + HEIGHT / 2 ))
}
# Draws a stroke and saves the drawing as $1 (Ctrl+S, the name typed into the question); waits for file $2.
save_drawing() {
    local before
    eval "$(xdotool getwindowgeometry --shell "$DRAW")"
    local x=$(( X + WIDTH * 2 / 3 )) y=$(( Y + HEIGHT * 2 / 3 ))
    xdotool mousemove "$x" "$y" mousedown 1
    for i in $(seq 10); do xdotool mousemove $(( x + i * 10 )) $(( y + i * 5 )); done
    xdotool mouseup 1
    before=$(visible_windows)
    xdotool key ctrl+s
    point_into_new_window "$before" || fail "no question for the drawing's name"
    xdotool type --delay 20 "$1"
    xdotool key Return
    wait_until 100 test -s "$2" || fail "no $2"
}
# Ends the program as its user does (Ctrl+Q, answered Yes) and waits until Wine has nothing running.
end_pinsola() {
    local before
    eval "$(xdotool getwindowgeometry --shell "$DRAW")"
    xdotool mousemove $(( X + WIDTH * 2 / 3 )) $(( Y + HEIGHT * 2 / 3 ))
    before=$(visible_windows)
    xdotool key ctrl+q
    point_into_new_window "$before" || fail "no question at the end"
    xdotool key Return
    wait "$PINSOLA" || fail "pinsola ended with status $?"
    wineserver -w
}
entry_shows() { wine reg query "$UNINSTALL_KEY" /v "$1" 2>/dev/null | tr -d '\r' | grep -q "$2"; }

step="silent install for the current user"
wine "$SETUP" /S /CURRENTUSER || fail "the setup program ended with status $?"
[ -f "$INSTALLED/pinsola.exe" ] && [ -f "$INSTALLED/brizel.dll" ] || fail "nothing in $INSTALLED"
[ -f "$INSTALLED/platforms/qwindows.dll" ] || fail "no windows platform plugin"
[ -f "$MENU_ENTRY" ] && [ -f "$DESKTOP_ENTRY" ] || fail "no Start-menu entry or desktop shortcut"
step="the entry among the installed programs"
entry_shows DisplayName 'REG_SZ *Pinsola$' || fail "no DisplayName"
entry_shows DisplayVersion "REG_SZ *$VERSION\$" || fail "no DisplayVersion $VERSION"
entry_shows Publisher 'REG_SZ *.' || fail "no Publisher"
entry_shows EstimatedSize 'REG_DWORD *0x' || fail "no EstimatedSize"
entry_shows QuietUninstallString 'uninstall.exe" /S$' || fail "no QuietUninstallString"

step="the installed program saves under %LOCALAPPDATA%"
start_pinsola "$INSTALLED/pinsola.exe"
save_drawing tulip "$DATA_PICS/tulip.bmp"
[ ! -e "$INSTALLED/pics/tulip.bmp" ] || fail "the drawing lies in the program folder"
step="a second install while the program runs"
status=0
wine "$SETUP" /S /CURRENTUSER || status=$?
[ "$status" = 2 ] || fail "the setup program did not refuse (status $status)"
kill -0 "$PINSOLA" 2>/dev/null || fail "the program ended"
end_pinsola

step="a second install over the first"
touch -d '2000-01-01' "$INSTALLED/pinsola.exe" "$WORK/old"
wine "$SETUP" /S /CURRENTUSER || fail "the setup program ended with status $?"
[ "$INSTALLED/pinsola.exe" -nt "$WORK/old" ] || fail "pinsola.exe not replaced"
[ -s "$DATA_PICS/tulip.bmp" ] || fail "the drawing is gone"

step="silent uninstall"
wine "$INSTALLED/uninstall.exe" /S || fail "the uninstaller ended with status $?"
# It goes on from a copy of itself, so that it can remove itself.
wineserver -w
[ ! -e "$INSTALLED" ] || fail "left: $(cd "$INSTALLED" && find . | head -5)"
! wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1 || fail "the installed programs still list it"
[ ! -e "$MENU_ENTRY" ] && [ ! -e "$DESKTOP_ENTRY" ] || fail "the Start-menu entry or the desktop shortcut stays"
[ -s "$DATA_PICS/tulip.bmp" ] || fail "the drawing is gone"

step="the portable folder keeps its drawing beside itself"
mkdir "$WORK/stick"
(cd "$WORK/stick" && cmake -E tar xf "$PORTABLE")
start_pinsola "$WORK/stick/Pinsola/pinsola.exe"
save_drawing rose "$WORK/stick/Pinsola/pics/rose.bmp"
end_pinsola
[ ! -e "$DATA_PICS/rose.bmp" ] || fail "the drawing went to %LOCALAPPDATA%"

rm -rf "$WORK"
echo "install, start, save, refused and plain upgrade, uninstall, portable: Pinsola $VERSION under Wine"
