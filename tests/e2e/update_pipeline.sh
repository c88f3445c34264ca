#!/bin/sh
# End to end, the whole life of an update: an installed brelk (version 5.0 in brelk.ini) finds
# version 5.1 on a test server of its own loopback address, downloads update.ini and the files
# into its update folder and starts update\update.exe, which is the real setup.exe, and ends.
# The installer shows the installation folder that brelk registered; "fortfahren >" copies the
# files into place, records 5.1 in brelk.ini and starts the new brelk.exe.
# Needs DISPLAY and WINEPREFIX from the caller; the arguments may name brelk.exe and setup.exe
# (default: the win64 build).
set -u
NAME=update_pipeline
. "$(dirname "$0")/lib/brelk_program.sh"
SETUP=${2:-$ROOT/build/win64/setup.exe}
[ -f "$SETUP" ] || fail "no $SETUP"
SHOTS=${E2E_ARTIFACTS:-$ROOT/build/e2e-shots}
STARTED=""

start_test_server 240
finish() {
    [ -n "$STARTED" ] && kill "$STARTED" 2>/dev/null
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    stop_test_server
    wait 2>/dev/null
}
trap finish EXIT

# Version 5.1 on the server: a new brelk.exe, a companion program and the updater.
dwn="$WWW/premium/2005b/dwn"
mkdir -p "$dwn/modules"
printf '[Options]\r\nVersion=5.1\r\nFiles=3\r\n[Files]\r\n1=brelk.exe\r\n2=modules\\dorvask.exe\r\n3=update.exe\r\n' \
    >"$dwn/update.ini"
cp "$EXE" "$dwn/brelk.exe"
printf 'new' >"$dwn/modules/dorvask.exe"
cp "$SETUP" "$dwn/update.exe"

# Answers every message box of brelk until the file exists (the two questions of the update).
answer_until() {
    for _ in $(seq 1 240); do
        [ -f "$1" ] && return 0
        for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
            [ "$id" = "$MAIN" ] || xdotool key --window "$id" Return 2>/dev/null
        done
        sleep 0.5
    done
    return 1
}

layout_program 0 0
printf 'old' >"$DIR/modules/dorvask.exe"
printf '[Onlineservices]\r\nServer1=%s\r\nServer2=%s\r\nping=no\r\n' "$BRELK_TEST_SERVER" \
    "$BRELK_TEST_SERVER" >"$DIR/modules/oservices.ini"
start_brelk
click_at 200 451 # menu "Update"
click_at 170 133 # "Update durchführen >"
answer_until "$DIR/update/update.exe" || fail "the update was not downloaded"

# brelk hands over to the updater and ends; the installer comes up in its place.
BRELK=$PID
for _ in $(seq 1 60); do
    kill -0 "$BRELK" 2>/dev/null || break
    for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
        [ "$id" = "$MAIN" ] || xdotool key --window "$id" Return 2>/dev/null
    done
    sleep 0.5
done
kill -0 "$BRELK" 2>/dev/null && fail "brelk did not end after the download"
PID=""
SETUPWIN=""
for _ in $(seq 1 60); do
    SETUPWIN=$(xdotool search --onlyvisible --name '^brelk installer$' 2>/dev/null | head -n 1)
    [ -n "$SETUPWIN" ] && break
    sleep 0.5
done
[ -n "$SETUPWIN" ] || fail "the installer did not start"
PID=$(xdotool getwindowpid "$SETUPWIN" 2>/dev/null)
sleep 1
position=$(xdotool getwindowgeometry "$SETUPWIN" |
    sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
WX=${position% *}
WY=${position#* }
mkdir -p "$SHOTS"
"$ROOT/tools/screenshot.sh" "$SHOTS/update_pipeline_installer.png"

click_at 190 302 # "fortfahren >"
wait_version 5.1
[ "$(cat "$DIR/modules/dorvask.exe")" = new ] || fail "modules\\dorvask.exe not replaced"
cmp -s "$DIR/brelk.exe" "$dwn/brelk.exe" || fail "brelk.exe not replaced"

# The new brelk.exe starts once the bar is full.
wait_started_brelk
sleep 1
xdotool windowraise "$SETUPWIN" 2>/dev/null
sleep 0.5
"$ROOT/tools/screenshot.sh" "$SHOTS/update_pipeline_done.png"
grep -q 'dwn/update.ini' "$BRELK_TEST_SERVER_LOG" || fail "update.ini was not requested"
rm -rf "$DIR"
echo "update_pipeline: ok"
