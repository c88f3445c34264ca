#!/bin/sh
# End to end: brelk.exe fetches an update from a test server on a loopback address of its own.
# The user opens the update page from the menu, starts the update and confirms; a slow file
# keeps the download running while the page shows its status and gauge (screenshot
# online_update_download); after the second confirmation the stand-in updater update.exe
# starts and brelk ends.
# Needs DISPLAY and WINEPREFIX from the caller; the first argument may name brelk.exe.
set -u
NAME=online_update
. "$(dirname "$0")/lib/brelk_program.sh"
SHOTS=${E2E_ARTIFACTS:-$ROOT/build/e2e-shots}
. "$(dirname "$0")/lib/update_run.sh"

update_run_start 8
answer_question "update question"
sleep 4
mkdir -p "$SHOTS"
"$ROOT/tools/screenshot.sh" "$SHOTS/online_update_download.png"
grep -q 'paket.bin' "$BRELK_TEST_SERVER_LOG" || fail "the slow file was not requested"
[ -f "$DIR/update/liesmich.txt" ] || fail "liesmich.txt not fetched"
# The hand-over question follows the last file (the Wine suite checks its text).
for _ in $(seq 1 120); do
    [ -f "$DIR/update/started.txt" ] && break
    for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
        [ "$id" = "$MAIN" ] || xdotool key --window "$id" Return 2>/dev/null
    done
    sleep 0.5
done
[ -f "$DIR/update/started.txt" ] || fail "the updater was not started"
for _ in $(seq 1 20); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$PID" 2>/dev/null && fail "brelk did not end after starting the updater"
PID=""
cmp -s "$DIR/update/paket.bin" "$dwn/paket.bin" || fail "paket.bin differs"
rm -rf "$DIR"
echo "online_update: ok"
