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
STANDIN=$(dirname "$EXE")/tests/record_start.exe
[ -f "$STANDIN" ] || fail "no stand-in updater $STANDIN"

start_test_server 180
trap stop_test_server EXIT

dwn="$WWW/premium/2005b/dwn"
mkdir -p "$dwn"
printf '[Options]\r\nVersion=5.1\r\nFiles=3\r\n[Files]\r\n1=liesmich.txt\r\n2=paket.bin\r\n3=update.exe\r\n' \
    >"$dwn/update.ini"
printf 'Neu in 5.1\r\n' >"$dwn/liesmich.txt"
head -c 400000 /dev/zero >"$dwn/paket.bin"
cp "$STANDIN" "$dwn/update.exe"
echo "/premium/2005b/dwn/paket.bin slow 8" >"$WWW/_behaviour"

# Confirms the message box that is open beside the main window.
confirm() {
    for _ in $(seq 1 240); do
        for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
            [ "$id" = "$MAIN" ] && continue
            xdotool windowactivate --sync "$id" key Return 2>/dev/null ||
                xdotool key --window "$id" Return
            sleep 0.5
            return 0
        done
        sleep 0.25
    done
    "$ROOT/tools/screenshot.sh" "$SHOTS/online_update_failed.png"
    fail "no question appeared: $1 (requests: $(tr "\n" " " <"$BRELK_TEST_SERVER_LOG"))"
}

layout_program 0 0
printf '[Onlineservices]\r\nServer1=%s\r\nServer2=%s\r\nping=no\r\n' "$BRELK_TEST_SERVER" \
    "$BRELK_TEST_SERVER" >"$DIR/modules/oservices.ini"
start_brelk
click_at 200 451 # menu "Update"
click_at 170 133 # "Update durchführen >"
confirm "update question"
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
