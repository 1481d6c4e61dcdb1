#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build's session under Wine with its real windows platform: the start screen, the drawing
# window painted as the Linux build paints it, a stroke with its sound handed to the system's player and
# saved as a bitmap that holds it, the help file in the system's viewer, the options in the registry, a
# second start that ends at once and brings Pinsola in front of another program, the end answered Yes with
# the options stored, a start after a crashed copy, and a school's default from the machine-wide key.
# Arguments: the Windows program folder, the Linux program folder to compare the drawing window with.
source "$(dirname "$0")/e2e_lib.sh"
LINUX_PROGRAM="$2"
KEY='HKCU\Software\VB and VBA Program Settings\Pinsola\Optionen'
WINE_RUN="$PROGRAM_SOURCE/../wine-run.sh"
registry() { "$WINE_RUN" reg query "$KEY" 2>/dev/null | tr -d '\r'; }
# Waits until the registry holds option $1 with value $2.
registry_holds() {
    for _ in $(seq 50); do
        registry | grep -qE "^ +$1 +REG_SZ +$2\$" && return 0
        sleep 0.2
    done
    return 1
}
# Waits until window $1 paints the same twice in a row; leaves it in $2.
settled_shot() {
    local rect
    rect=$(screen_rect "$1" | awk '{ print $3 "x" $4 "+" $1 "+" $2 }')
    import -window root -crop "$rect" +repage "$2"
    for _ in $(seq 50); do
        sleep 0.2
        import -window root -crop "$rect" +repage "$WORK/again.png"
        [ "$(compare -metric AE "$2" "$WORK/again.png" null: 2>&1)" = 0 ] && return 0
        mv "$WORK/again.png" "$2"
    done
    return 1
}

# Wine's desktop takes the screen's size from the display its first program ran on: this one's, so a
# server left by an earlier run on another display goes first.
start_display
export WINEPREFIX="${WINEPREFIX:-$PROGRAM_SOURCE/../wine-prefix}"
wineserver -k 2>/dev/null || :
# A first start: no options, no drawing kept from an earlier session in the prefix.
MACHINE='HKLM\Software\VB and VBA Program Settings\Pinsola\Optionen'
"$WINE_RUN" reg delete 'HKCU\Software\VB and VBA Program Settings\Pinsola' /f >/dev/null 2>&1 || :
"$WINE_RUN" reg delete "${MACHINE%\\Optionen}" /f >/dev/null 2>&1 || :
LOCAL=$("$WINE_RUN" winepath -u "$("$WINE_RUN" cmd /c echo %LOCALAPPDATA% | tr -d '\r')" | tr -d '\r')
[ -d "$LOCAL" ] || fail "no %LOCALAPPDATA% in the prefix: $LOCAL"
rm -rf "$LOCAL/Pinsola"

step="the Linux build's drawing window"
HOME="$WORK/linux-home" XDG_CONFIG_HOME="$WORK/linux-home/.config" XDG_STATE_HOME="$WORK/linux-home/.state" \
    "$LINUX_PROGRAM/pinsola" 2>"$WORK/linux.log" &
LINUX=$!
PIDS+=($LINUX)
wait_for_drawing_window "$LINUX" || fail "$step"
settled_shot "$WINDOW" "$WORK/linux.png" || fail "$step: it never stops changing"
kill "$LINUX"
wait "$LINUX" 2>/dev/null || :

step="the start screen"
# Wine's trace of its sound player shows how the program calls it.
WINEDEBUG=-all,trace+winmm "$PROGRAM" 2>"$WORK/pinsola.log" &
PID=$!
PIDS+=($PID)
# A Wine program takes seconds to start or end on busy cores, a cold Wine half a minute.
for _ in $(seq 300); do
    START=$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | head -1) && [ -n "$START" ] && break
    sleep 0.1
done
[ -n "$START" ] || fail "$step: no window"
read -r _ _ w h <<<"$(screen_rect "$START")"
[ "${w}x$h" = 420x314 ] || fail "$step: the first window is ${w}x$h"

step="the drawing window, painted as on Linux"
wait_for_drawing_window "$PID" || fail "$step"
# Wine maps the drawing window before the start screen has gone, and paints it after.
for _ in $(seq 100); do
    xdotool search --onlyvisible --pid "$PID" 2>/dev/null | grep -qx "$START" || break
    sleep 0.1
done
settled_shot "$WINDOW" "$WORK/windows.png" || fail "$step: it never stops changing"
cp "$WORK/windows.png" "$WORK/linux.png" "${SHOTS:-$WORK}/" 2>/dev/null || :
size() { convert "$1" -format %wx%h info:; }
[ "$(size "$WORK/windows.png")" = "$(size "$WORK/linux.png")" ] ||
    fail "$step: the window is $(size "$WORK/windows.png"), on Linux $(size "$WORK/linux.png")"
# The texts' fonts differ between the systems; everything else is the same picture.
differing=$(compare -metric AE -fuzz 10% "$WORK/windows.png" "$WORK/linux.png" null: 2>&1 || :)
[ "$differing" -lt $(( WIDTH * HEIGHT * 4 / 100 )) ] ||
    fail "$step: $differing of $(( WIDTH * HEIGHT )) pixels differ from the Linux build's"

step="a stroke"
SX0=$(( CW * 6 / 10 )); SX1=$(( CW * 9 / 10 )); SY=$(( CH * 7 / 10 ))
drag $(( CX + SX0 )) $(( CY + SY )) $(( CX + SX1 )) $(( CY + SY ))
for _ in $(seq 50); do
    import -window root "$WORK/shot.png"
    [ "$(pixel_of "$WORK/shot.png" $(( CX + (SX0 + SX1) / 2 )) $(( CY + SY )))" = "0,0,0" ] && break
    sleep 0.1
done
[ "$(pixel_of "$WORK/shot.png" $(( CX + (SX0 + SX1) / 2 )) $(( CY + SY )))" = "0,0,0" ] ||
    fail "$step: the canvas does not show it"

step="the pen's sound, handed to PlaySound"
# SND_ASYNC | SND_NODEFAULT | SND_MEMORY, the image read as a wave by the player; silent without a device.
grep -q "MULTIMEDIA_PlaySound .* fdwSound=00000007$" "$WORK/pinsola.log" || fail "$step: no PlaySound with its flags"
grep -q "ParentChunk ckid=RIFF fccType=WAVE" "$WORK/pinsola.log" || fail "$step: the player read no wave"

step="the French flag, stored in the registry"
xdotool mousemove $(( PX + 36 + 16 )) $(( PY + 254 + 10 )) click 1
registry_holds Sprache 6 || fail "$step: $(registry)"

step="save as flower"
click_for_new_window 3 "$PID" || fail "$step: no input dialog"
xdotool type --delay 20 flower
xdotool key Return
PICTURE="$WORK/program/pics/flower.bmp"
for _ in $(seq 100); do [ -s "$PICTURE" ] && break; sleep 0.1; done
[ -s "$PICTURE" ] || fail "$step: no pics\\flower.bmp"
convert "$PICTURE" "$WORK/saved.png"
[ "$(pixel_of "$WORK/saved.png" $(( (SX0 + SX1) / 2 )) "$SY")" = "0,0,0" ] || fail "$step: the stroke is not in it"
[ "$(pixel_of "$WORK/saved.png" $(( (SX0 + SX1) / 2 )) $(( SY - 20 )))" = "255,255,255" ] ||
    fail "$step: more than the stroke is in it"

step="help: Pinsola.chm in the system's HTML Help viewer"
xdotool key F1
for _ in $(seq 300); do pgrep -f 'hh\.exe .*\\Pinsola\.chm$' >/dev/null && break; sleep 0.1; done
pgrep -f 'hh\.exe .*\\Pinsola\.chm$' >/dev/null || fail "$step: no hh.exe showing it"
pkill -f 'hh\.exe .*\\Pinsola\.chm$'

step="a second start, with another program's window over Pinsola"
"$WINE_RUN" notepad 2>/dev/null &
COVER=$(wait_for_window --name ' - Notepad$') || fail "$step: no window to cover it"
NOTEPAD=$(xdotool getwindowpid "$COVER")
PIDS+=($NOTEPAD)
# The top-most window, of Pinsola's and the cover, in X's stacking: Pinsola's or "cover".
top_window() {
    local ours
    ours=$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null)
    for id in $(xwininfo -root -children | grep -oE '^ +0x[0-9a-f]+' | xargs printf '%d\n'); do
        [ "$id" = "$COVER" ] && { echo cover; return; }
        grep -qx "$id" <<<"$ours" && { echo Pinsola; return; }
    done
}
for _ in $(seq 100); do [ "$(top_window)" = cover ] && break; sleep 0.1; done
[ "$(top_window)" = cover ] || fail "$step: the cover is not over Pinsola"
"$PROGRAM" 2>"$WORK/second.log" &
SECOND=$!
PIDS+=($SECOND)
wait_for_exit "$SECOND" 300 || fail "$step: it did not end at once (status $?)"
[ "$(xdotool search --onlyvisible --pid "$SECOND" 2>/dev/null | wc -l)" -eq 0 ] || fail "$step: it showed a window"
kill -0 "$PID" 2>/dev/null || fail "$step: the first copy ended"
# Wine restacks on the X server only the top-most of the windows it raises: the colour window, which
# Windows keeps over the drawing window that owns it.
for _ in $(seq 100); do [ "$(top_window)" = Pinsola ] && break; sleep 0.1; done
[ "$(top_window)" = Pinsola ] || fail "$step: Pinsola stays behind the other program"
kill "$NOTEPAD"
for _ in $(seq 100); do kill -0 "$NOTEPAD" 2>/dev/null || break; sleep 0.1; done
! kill -0 "$NOTEPAD" 2>/dev/null || fail "$step: the other program does not end"

step="end, answering Yes"
click_for_new_window 9 "$PID" || fail "$step: no question"
xdotool key Return
wait_for_exit "$PID" 300 || fail "$step: the program still runs"
for option in PLeft Ptop CLeft CTop; do
    registry | grep -qiE "^ +$option +REG_SZ +-?[0-9]+\$" || fail "$step: no $option in $(registry)"
done
registry_holds Sprache 6 || fail "$step: Sprache is gone"

step="a start after a crash"
"$PROGRAM" 2>"$WORK/crashed.log" &
CRASHED=$!
PIDS+=($CRASHED)
wait_for_drawing_window "$CRASHED" || fail "$step: the first start shows no drawing window"
kill -KILL "$CRASHED"
wait "$CRASHED" 2>/dev/null || :
"$PROGRAM" 2>"$WORK/after-crash.log" &
AFTER=$!
PIDS+=($AFTER)
wait_for_drawing_window "$AFTER" || fail "$step: the copy that crashed still holds the lock"

step="a school's default from the machine-wide key: no colour window"
sizes_of() {
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        read -r _ _ w h <<<"$(screen_rect "$id")"
        echo "${w}x$h"
    done
}
for _ in $(seq 300); do sizes_of "$AFTER" | grep -qx 626x169 && break; sleep 0.1; done
sizes_of "$AFTER" | grep -qx 626x169 || fail "$step: no colour window without the default"
kill "$AFTER"
wait "$AFTER" 2>/dev/null || :
"$WINE_RUN" reg add "$MACHINE" /v CShow /t REG_SZ /d 0 /f >/dev/null
"$PROGRAM" 2>"$WORK/school.log" &
SCHOOL=$!
PIDS+=($SCHOOL)
for _ in $(seq 300); do sizes_of "$SCHOOL" | grep -qx 440x420 && break; sleep 0.1; done
sizes_of "$SCHOOL" | grep -qx 440x420 || fail "$step: no lesson viewer"
wait_for_drawing_window "$SCHOOL" && settled_shot "$WINDOW" "$WORK/school.png" || fail "$step: no drawing window"
! sizes_of "$SCHOOL" | grep -qx 626x169 || fail "$step: the colour window is shown"
registry | grep -qi "CShow" && fail "$step: the default was stored as the user's" || :
"$WINE_RUN" reg delete "${MACHINE%\\Optionen}" /f >/dev/null 2>&1 || :
[ ! -s "$WORK/program/pinsola.EPT" ] || fail "errors were logged: $(cat "$WORK/program/pinsola.EPT")"
echo "under Wine: start screen, drawing window as on Linux, stroke, sound, help, save, registry, second start bringing the first forward, end, crash, machine-wide default"
