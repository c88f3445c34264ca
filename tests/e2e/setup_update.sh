#!/bin/sh
# End to end: an installed brelk (version 5.0 in brelk.ini) holds a downloaded update in its
# update folder: the updater update\update.exe (the real setup.exe), update.ini with version
# 5.1 and the new files. Started there as the online update starts it, the installer shows the
# registered installation folder; "fortfahren >" copies the files into place, the bar runs its
# ten steps, "Installation erfolgreich" appears, 5.1 is recorded in brelk.ini and the new
# brelk.exe starts. The user's settings stay: the own servers and test-at-start choice in
# oservices.ini, the backup slot of brelk.ini (which gains no count and no first-start flag
# from the shipped file). Needs DISPLAY and WINEPREFIX from the caller; the arguments may name
# brelk.exe and setup.exe (default: the win64 build).
set -u
NAME=setup_update
. "$(dirname "$0")/lib/brelk_program.sh"
SETUP=${2:-$ROOT/build/win64/setup.exe}
[ -f "$SETUP" ] || fail "no $SETUP"
STARTED=""

finish() {
    [ -n "$STARTED" ] && kill "$STARTED" 2>/dev/null
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    wait 2>/dev/null
}
trap finish EXIT

# The installation: brelk.exe and the shipped files; then the downloaded update beside it.
layout_program 0 0
printf 'old' >"$DIR/modules/dorvask.exe"
mkdir -p "$DIR/update/modules/skins" "$DIR/update/modules/web"
cp "$SETUP" "$DIR/update/update.exe" || fail "cannot copy the updater"
cp "$EXE" "$DIR/update/brelk.exe"
printf '[Options]\r\nVersion=5.1\r\nFiles=3\r\n[Files]\r\n1=brelk.exe\r\n2=modules\\dorvask.exe\r\n3=modules\\skins\\blue.bmp\r\n' \
    >"$DIR/update/update.ini"
printf 'new' >"$DIR/update/modules/dorvask.exe"
printf 'new skin' >"$DIR/update/modules/skins/blue.bmp"
printf '<p>new</p>' >"$DIR/update/modules/web/tips.htm"
# The user's settings and the shipped ones of the update.
printf '[Options]\r\nversion=5.0\r\nfirststart=0\r\n[1]\r\nDate=Originalzustand\r\nTime=\r\n' \
    >"$DIR/modules/brelk.ini"
printf '[Onlineservices]\r\nServer1=mein.server.example\r\nping=yes\r\n' >"$DIR/modules/oservices.ini"
printf '[Options]\r\nversion=5.1\r\nfirststart=1\r\n[Backup]\r\nnumber=0\r\n' \
    >"$DIR/update/modules/brelk.ini"
printf '[Onlineservices]\r\nServer1=premium1.example\r\nServer2=premium2.example\r\nping=no\r\n' \
    >"$DIR/update/modules/oservices.ini"

folder=$("$WINE" winepath -w "$DIR/" 2>/dev/null | tr -d '\r')
# In both registry views: a 32-bit setup.exe reads the 32-bit one.
for view in 64 32; do
    "$WINE" reg add 'HKLM\Software\Kestovar' /v path /d "$folder" /f /reg:$view >/dev/null 2>&1 ||
        fail "cannot register the installation"
done

# The online update opens update\update.exe without a working folder.
cd "$ROOT" || fail "cannot enter $ROOT"
"$WINE" "$DIR/update/update.exe" >/dev/null 2>&1 &
PID=$!
wait_window '^brelk installer$'
SETUPWIN=$FOUND
shot setup_update_ready

click_at 190 302 # "fortfahren >"
sleep 0.7
shot setup_update_running

wait_version 5.1
[ "$(cat "$DIR/modules/dorvask.exe")" = new ] || fail "modules\\dorvask.exe not replaced"
[ "$(cat "$DIR/modules/skins/blue.bmp")" = "new skin" ] || fail "skin not copied"
[ -f "$DIR/modules/web/tips.htm" ] || fail "web page not copied"
cmp -s "$DIR/update/update.exe" "$SETUP" || fail "the running updater was changed"
[ -d "$DIR/update/modules/skins" ] || fail "update\\modules\\skins not created"
servers=$(tr -d '\r' <"$DIR/modules/oservices.ini")
for line in Server1=mein.server.example ping=yes Server2=premium2.example; do
    printf '%s\n' "$servers" | grep -qx "$line" || fail "oservices.ini lacks $line: $servers"
done
settings=$(tr -d '\r' <"$DIR/modules/brelk.ini")
printf '%s\n' "$settings" | grep -qx 'Date=Originalzustand' || fail "the slot is gone: $settings"
printf '%s\n' "$settings" | grep -q '^number=' &&
    fail "brelk.ini gained a state key: $settings"

# The new brelk.exe starts (its splash or main window) once the bar is full.
wait_started_brelk
sleep 1
xdotool windowraise "$SETUPWIN" 2>/dev/null
sleep 0.5
shot setup_update_done

# The new brelk has done its part; it goes first, so that none of its messages covers the
# installer's links.
kill "$STARTED" 2>/dev/null
STARTED=""
sleep 1
click_at 80 302 # "beenden >" ends the installer.
for _ in $(seq 1 20); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$PID" 2>/dev/null && fail "the installer did not end"
PID=""
rm -rf "$DIR"
echo "setup_update: ok"
