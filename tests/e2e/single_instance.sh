#!/bin/bash
# A second copy started while the first runs ends at once and silently, touching no setting; also when it
# is started without a runtime folder, or with another one (another session of the same user). A copy that
# crashed leaves no lock behind: the next start runs.
source "$(dirname "$0")/e2e_lib.sh"
start_display

"$PROGRAM" 2>"$WORK/first.log" &
FIRST=$!
PIDS+=($FIRST)
wait_for_window --pid "$FIRST" >/dev/null
[ -e "$SETTINGS" ] && cp "$SETTINGS" "$WORK/settings.before" || : > "$WORK/settings.before"

mkdir -m 700 "$WORK/other-runtime"
for second in "" "env -u XDG_RUNTIME_DIR" "env XDG_RUNTIME_DIR=$WORK/other-runtime"; do
    $second "$PROGRAM" 2>"$WORK/second.log" &
    SECOND=$!
    PIDS+=($SECOND)
    wait_for_exit "$SECOND" 30 || fail "${second:-a plain start}: the second copy did not end at once (status $?)"
    kill -0 "$FIRST" 2>/dev/null || fail "the first copy ended too"
    [ "$(xdotool search --onlyvisible --pid "$SECOND" 2>/dev/null | wc -l)" -eq 0 ] || fail "the second copy showed a window"
    if [ -e "$SETTINGS" ]; then cmp -s "$SETTINGS" "$WORK/settings.before" || fail "settings changed"; fi
done
kill -KILL "$FIRST"
wait "$FIRST" 2>/dev/null || :
"$PROGRAM" 2>"$WORK/after-crash.log" &
AFTER=$!
PIDS+=($AFTER)
wait_for_window --pid "$AFTER" >/dev/null || fail "after a crashed copy, a new start showed no window"
echo "second copies ended at once, first still runs; a start after it crashed runs"
