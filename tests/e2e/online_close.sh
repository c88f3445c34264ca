#!/bin/sh
# End to end: the "x" during a slow update download ends brelk.exe. The user starts the update
# and confirms; three seconds into the slow second file the "x" is clicked. No further question
# comes, the updater is not started, the program ends within seconds, and the update folder
# holds only the list and the file that arrived whole (no part of the cut one, no temporary
# file).
# Needs DISPLAY and WINEPREFIX from the caller; the first argument may name brelk.exe.
set -u
NAME=online_close
. "$(dirname "$0")/lib/brelk_program.sh"
. "$(dirname "$0")/lib/update_run.sh"

update_run_start 30
answer_question "update question"
for _ in $(seq 1 80); do
    grep -q 'paket.bin' "$BRELK_TEST_SERVER_LOG" && break
    sleep 0.25
done
grep -q 'paket.bin' "$BRELK_TEST_SERVER_LOG" || fail "the slow file was not requested"
sleep 3
questions=$(grep -c 'trace:msgbox:MSGBOX_OnInit' "$MSGLOG")
click_at 501 450 # "x"
for _ in $(seq 1 20); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$PID" 2>/dev/null && fail "brelk did not end within 10 s of the x"
PID=""
[ "$(grep -c 'trace:msgbox:MSGBOX_OnInit' "$MSGLOG")" = "$questions" ] ||
    fail "a message came after the x: $(grep 'MSGBOX_OnInit' "$MSGLOG" | tail -n 1)"
grep -q 'update.exe' "$BRELK_TEST_SERVER_LOG" && fail "the updater was fetched"
sleep 1
[ -f "$DIR/update/started.txt" ] && fail "the updater was started"
left=$(cd "$DIR/update" && find . -type f | sort | tr '\n' ' ')
[ "$left" = "./liesmich.txt ./update.ini " ] || fail "the update folder holds: $left"
cmp -s "$DIR/update/liesmich.txt" "$dwn/liesmich.txt" || fail "liesmich.txt differs"
rm -rf "$DIR"
echo "online_close: ok"
