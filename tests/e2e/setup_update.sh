#!/bin/sh
# End to end: an installed brelk (version 5.0 in brelk.ini) holds a downloaded update in its
# update folder: the updater update\update.exe (the real setup.exe), update.ini with version
# 5.1 and the new files. Started there as the online update starts it, the installer shows the
# registered installation folder; "fortfahren >" copies the files into place, the bar runs its
# ten steps, "Installation erfolgreich" appears, 5.1 is recorded in brelk.ini and the new
# brelk.exe starts. Needs DISPLAY and WINEPREFIX from the caller; the arguments may name
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

folder=$("$WINE" winepath -w "$DIR/" 2>/dev/null | tr -d '\r')
"$WINE" reg add 'HKLM\Software\Kestovar' /v path /d "$folder" /f >/dev/null 2>&1 ||
    fail "cannot register the installation"

# The online update opens update\update.exe without a working folder.
cd "$ROOT" || fail "cannot enter $ROOT"
"$WINE" "$DIR/update/update.exe" >/dev/null 2>&1 &
PID=$!
wait_window '^brelk installer$'
SETUPWIN=$FOUND
shot setup_update_ready

# "fortfahren >"
xdotool mousemove $((WX + 186)) $((WY + 302)) sleep 0.2 mousemove $((WX + 190)) $((WY + 302)) \
    sleep 0.2 click 1
sleep 1.2
shot setup_update_running

ini="$DIR/modules/brelk.ini"
for _ in $(seq 1 30); do
    grep -q '^version=5.1' "$ini" && break
    sleep 0.5
done
grep -q '^version=5.1' "$ini" || fail "version not recorded: $(cat "$ini")"
[ "$(cat "$DIR/modules/dorvask.exe")" = new ] || fail "modules\\dorvask.exe not replaced"
[ "$(cat "$DIR/modules/skins/blue.bmp")" = "new skin" ] || fail "skin not copied"
[ -f "$DIR/modules/web/tips.htm" ] || fail "web page not copied"
cmp -s "$DIR/update/update.exe" "$SETUP" || fail "the running updater was changed"
[ -d "$DIR/update/modules/skins" ] || fail "update\\modules\\skins not created"

# The new brelk.exe starts (its splash or main window) once the bar is full.
BRELKWIN=""
for _ in $(seq 1 40); do
    BRELKWIN=$(xdotool search --name '^Brelvanto Kit 2005$' 2>/dev/null | head -n 1)
    [ -n "$BRELKWIN" ] && break
    sleep 0.5
done
[ -n "$BRELKWIN" ] || fail "brelk.exe was not started"
STARTED=$(xdotool getwindowpid "$BRELKWIN" 2>/dev/null)
sleep 1
xdotool windowraise "$SETUPWIN" 2>/dev/null
sleep 0.5
shot setup_update_done

# "beenden >" ends the installer.
xdotool mousemove $((WX + 76)) $((WY + 302)) sleep 0.2 mousemove $((WX + 80)) $((WY + 302)) \
    sleep 0.2 click 1
for _ in $(seq 1 20); do
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$PID" 2>/dev/null && fail "the installer did not end"
PID=""
rm -rf "$DIR"
echo "setup_update: ok"
