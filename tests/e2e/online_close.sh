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
echo "/premium/2005b/dwn/paket.bin slow 30" >"$WWW/_behaviour"

layout_program 0 0
printf '[Onlineservices]\r\nServer1=%s\r\nServer2=%s\r\nping=no\r\n' "$BRELK_TEST_SERVER" \
    "$BRELK_TEST_SERVER" >"$DIR/modules/oservices.ini"
start_brelk
click_at 200 451 # menu "Update"
click_at 170 133 # "Update durchführen >"
asked=""
for _ in $(seq 1 240); do
    for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
        [ "$id" = "$MAIN" ] && continue
        xdotool windowactivate --sync "$id" key Return 2>/dev/null || xdotool key --window "$id" Return
        asked=yes
    done
    [ -n "$asked" ] && break
    sleep 0.25
done
[ -n "$asked" ] || fail "no update question"
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
