#!/bin/sh
# End to end: brelk.exe starts from a fresh program folder under Wine, fades its splash over to
# the main window, records its folder in the registry and writes the start-button defaults.
# Needs DISPLAY and WINEPREFIX from the caller; the first argument may name brelk.exe.
set -u
NAME=shell_start
. "$(dirname "$0")/lib/brelk_program.sh"

layout_program 1 0
start_brelk

# A first start has no backup slot yet, and start-up ends on the backups page, which says so
# before the window appears; any other message is start-up reporting an error.
[ "$STARTUP_MESSAGES" = 1 ] || fail "$STARTUP_MESSAGES messages at start, expected one notice"
for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
    [ "$id" = "$MAIN" ] && continue
    fail "unexpected window: $(xdotool getwindowname "$id") $(xdotool getwindowgeometry "$id" | tr '\n' ' ')"
done
shot shell_start

ini="$DIR/modules/startbutton.ini"
[ -f "$ini" ] || fail "start-button settings not written"
grep -q '^buttonimgnormal=.*modules\\startbuttons\\glass_blue_normal.bmp' "$ini" ||
    fail "start-button default missing: $(cat "$ini")"
grep -q '^firststart=1' "$DIR/modules/brelk.ini" || fail "brelk.ini changed at start"
stop_brelk

folder=$("$WINE" winepath -w "$DIR/" 2>/dev/null | tr -d '\r')
"$WINE" reg query 'HKLM\Software\Kestovar' /v path 2>/dev/null | tr -d '\r' |
    grep -qiF "$folder" || fail "program folder $folder not recorded"

rm -rf "$DIR"
echo "shell_start: ok"
