#!/bin/sh
# End to end: brelk.exe with its settings file placed in a folder of the system (the prefix's
# "Program Files (x86)") and started with "/afterrestart" through a second drive letter for
# drive C:, a link in the prefix's dosdevices folder. Its uninstall lists nothing of that folder
# and removes only the program file: Common Files and everything else in the folder stay.
# Needs DISPLAY and WINEPREFIX from the caller (a prefix of its own: the test places files in
# its "Program Files (x86)"); the argument may name brelk.exe (default: the win64 build).
set -u
NAME=uninstall_spelling
. "$(dirname "$0")/lib/brelk_program.sh"
PROGRAMS="$WINEPREFIX/drive_c/Program Files (x86)"
LINK=""
PLACED=0

finish() {
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    wait 2>/dev/null
    if [ "$PLACED" = 1 ]; then
        rm -rf "$PROGRAMS/modules" "$PROGRAMS/Dokumentation.htm" "$PROGRAMS/brelk.exe" \
            "$WINEPREFIX/drive_c/brelk.bat"
    fi
    [ -n "$LINK" ] && rm -f "$LINK"
    [ -n "$MSGLOG" ] && rm -f "$MSGLOG"
}
trap finish EXIT

[ -f "$EXE" ] || fail "no $EXE"
[ -d "$PROGRAMS/Common Files" ] || fail "no Common Files in $PROGRAMS"
for name in modules Dokumentation.htm brelk.exe; do
    [ -e "$PROGRAMS/$name" ] && fail "$PROGRAMS/$name is there already"
done

# The second drive letter.
for letter in y x w v u t s r q p; do
    [ -e "$WINEPREFIX/dosdevices/$letter:" ] && continue
    LINK="$WINEPREFIX/dosdevices/$letter:"
    ln -s ../drive_c "$LINK" || fail "cannot link $LINK"
    break
done
[ -n "$LINK" ] || fail "no free drive letter"
DRIVE=$(echo "$letter" | tr a-z A-Z)

PLACED=1
cp "$EXE" "$PROGRAMS/brelk.exe" && cp -r "$ROOT/dist/." "$PROGRAMS/" ||
    fail "cannot place the program in $PROGRAMS"
printf '[Options]\r\nversion=5.0\r\nfirststart=0\r\n[Backup]\r\nnumber=0\r\n' \
    >"$PROGRAMS/modules/brelk.ini"
before=$(cd "$PROGRAMS" && find . | grep -v '^\./brelk\.exe$' | sort)

cd "$PROGRAMS" || fail "cannot enter $PROGRAMS"
MSGLOG=$(mktemp /tmp/brelk-e2e-msgbox.XXXXXX)
WINEDEBUG="$WINEDEBUG,trace+msgbox" "$WINE" "$DRIVE:\\Program Files (x86)\\brelk.exe" \
    /afterrestart >/dev/null 2>"$MSGLOG" &
PID=$!
STARTUP_MESSAGES=0
wait_window '^Brelvanto Kit 2005$' 525x475 answer
MAIN=$FOUND
dismiss_sampler_message
answer_messages  # the after-restart notice
click_at 248 274 # "Brelvanto Kit - Dateien jetzt löschen"
for _ in $(seq 1 20); do
    grep -q 'Dateien werden nun entfernt' "$MSGLOG" && break
    sleep 0.5
done
grep -q 'Dateien werden nun entfernt' "$MSGLOG" || fail "the uninstall did not ask"
# The question (OK), then the closing message; the program then ends for its batch.
for _ in $(seq 1 20); do
    kill -0 "$PID" 2>/dev/null || break
    answer_messages
done
kill -0 "$PID" 2>/dev/null && fail "the program did not end for its batch"
wait "$PID" 2>/dev/null
PID=""
grep -q 'Uninstall wird nun beendet' "$MSGLOG" || fail "no closing message"

for _ in $(seq 1 60); do
    [ -f "$PROGRAMS/brelk.exe" ] || [ -f "$WINEPREFIX/drive_c/brelk.bat" ] || break
    sleep 0.5
done
[ -f "$PROGRAMS/brelk.exe" ] && fail "the batch did not remove the program file"
after=$(find . | sort)
[ "$after" = "$before" ] ||
    fail "more than the program file went: $(echo "$before" | grep -vxF "$after" | head -5)"
echo "uninstall_spelling: ok"
