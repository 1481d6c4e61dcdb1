#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A settings store that cannot be written (a folder in place of the file, a file in place of its folder):
# the confirmed exit reports it in one error window, with the reason, and after Ignore the program ends.
source "$(dirname "$0")/e2e_lib.sh"
start_display

for store in "folder in place of the file" "file in place of the folder"; do
    rm -rf "$XDG_CONFIG_HOME/Pinsola" "$WORK/program/pinsola.EPT"
    if [ "$store" = "folder in place of the file" ]; then mkdir -p "$SETTINGS"; else : > "$XDG_CONFIG_HOME/Pinsola"; fi
    "$PROGRAM" 2>"$WORK/pinsola.log" &
    PID=$!
    PIDS+=($PID)
    wait_for_drawing_window "$PID" || fail "$store: no drawing window"
    before=$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | wc -l)
    click_panel_button 9
    for _ in $(seq 100); do [ "$(xdotool search --onlyvisible --pid "$PID" 2>/dev/null | wc -l)" -gt "$before" ] && break; sleep 0.1; done
    xdotool key Return
    ERROR=$(wait_for_window --name "Fehler / Error") || fail "$store: no error window"
    eval "$(xdotool getwindowgeometry --shell "$ERROR")"
    xdotool mousemove --window "$ERROR" $((WIDTH * 2507 / 7215)) $((HEIGHT - HEIGHT * 368 / 5670)) click 1
    wait_for_exit "$PID" 100 || fail "$store: the program did not end after the report (status $?)"
    [ "$(grep -c 'F E H L E R' "$WORK/program/pinsola.EPT")" -eq 1 ] || fail "$store: more than one error window"
    grep -aq "75 (Path/File access error: .*Pinsola" "$WORK/program/pinsola.EPT" || fail "$store: no reason given"
done
echo "an unwritable settings store is reported once at the exit, and the program ends"

# A termination signal (a logout, a shutdown) finds nobody to answer an error window: the failed store is
# logged with the system's reason, nothing is shown, and the program ends with status 0.
for store in "folder in place of the file" "file in place of the folder" "read-only home"; do
    rm -rf "$XDG_CONFIG_HOME/Pinsola" "$WORK/program/pinsola.EPT"
    case "$store" in
    "folder in place of the file") mkdir -p "$SETTINGS"; reason="it is a folder" ;;
    "file in place of the folder") : > "$XDG_CONFIG_HOME/Pinsola"; reason="is no folder" ;;
    *) reason="Pinsola: Read-only file system" ;;
    esac
    if [ "$store" = "read-only home" ]; then
        unshare -m bash -c 'mount --bind "$HOME" "$HOME" && mount -o remount,bind,ro "$HOME" && exec "$0"' \
            "$PROGRAM" 2>"$WORK/pinsola.log" &
    else
        "$PROGRAM" 2>"$WORK/pinsola.log" &
    fi
    PID=$!
    PIDS+=($PID)
    wait_for_drawing_window "$PID" || fail "$store: no drawing window"
    kill -TERM "$PID"
    status=0
    wait_for_exit "$PID" 50 || status=$?
    [ "$status" -eq 0 ] || fail "$store: a termination signal did not end the program with status 0 (status $status)"
    [ "$(grep -c 'F E H L E R' "$WORK/program/pinsola.EPT")" -eq 1 ] || fail "$store: the failed store is not logged once"
    grep -aq "75 (Path/File access error: .*Pinsola.*$reason" "$WORK/program/pinsola.EPT" ||
        fail "$store: not the system's reason: $(grep -a '75 (' "$WORK/program/pinsola.EPT")"
done
echo "a termination signal ends the program with status 0 and only logs the unwritable store"
