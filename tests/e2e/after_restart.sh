#!/bin/sh
# End to end: a tuning run in a program folder of 166 characters whose path holds blanks (setup
# accepts such a folder) registers the uninstall to run once after the restart, under the
# folder's short name, since the whole command would not fit the 150 characters a registry
# operation takes and a cut one could not start. That value, run as Windows runs it at the next
# logon (deleted, then started as a command line), starts uninstall.exe, which starts brelk.exe
# beside it with "/afterrestart": the after-restart page opens with its notice.
# Needs DISPLAY and WINEPREFIX from the caller; the arguments may name brelk.exe and
# uninstall.exe (default: the win64 build).
set -u
NAME=after_restart
. "$(dirname "$0")/lib/brelk_program.sh"
UNINSTALL=${2:-$ROOT/build/win64/uninstall.exe}
RUN_ONCE=$ROOT/build/win64/tests/run_once.exe
[ -f "$UNINSTALL" ] || fail "no $UNINSTALL"
[ -f "$RUN_ONCE" ] || fail "no $RUN_ONCE"
BASE=""
STARTED=""

finish() {
    [ -n "$STARTED" ] && kill "$STARTED" 2>/dev/null
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    wait 2>/dev/null
    [ -n "$BASE" ] && rm -rf "$BASE"
}
trap finish EXIT

# The program folder "Brelvanto Kit 2005\..." inside the laid-out one: a path with blanks, its
# last folder's name as long as it takes for 166 characters.
layout_program 0 1
BASE=$DIR
TOP="$BASE/Brelvanto Kit 2005"
DIR="$TOP/Werkzeuge und Programme fuer das System"
windows=$("$WINE" winepath -w "$DIR/" 2>/dev/null | tr -d '\r')
pad=$((166 - ${#windows} - 1))
[ "$pad" -gt 0 ] || fail "the folder is already longer than 166 characters: $windows"
DIR="$DIR/$(printf 'Einstellungen%.0s' $(seq 1 20) | cut -c1-$pad)"
mkdir -p "$DIR" || fail "cannot create $DIR"
for f in "$BASE"/*; do
    [ "$f" = "$TOP" ] || mv "$f" "$DIR/"
done
cp "$UNINSTALL" "$DIR/uninstall.exe" || fail "cannot copy uninstall.exe"

start_brelk
click_at 36 451  # menu "Index": the start page
click_at 265 161 # "Brelvanto Kit - Power Modus starten >"
click_at 217 261 # "Tuningprozedur starten >", every row unchanged
for _ in $(seq 1 30); do
    [ -f "$DIR/tuning.log" ] && break
    sleep 0.5
done
[ -f "$DIR/tuning.log" ] || fail "no tuning.log after the run"
stop_brelk

folder=$("$WINE" winepath -w "$DIR/" 2>/dev/null | tr -d '\r')
[ ${#folder} -eq 166 ] || fail "the program folder has ${#folder} characters: $folder"
short=$("$WINE" winepath -s "$folder" 2>/dev/null | tr -d '\r')
key='HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce'
value=$("$WINE" reg query "$key" /v brelkuninstall 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *brelkuninstall *REG_SZ *//p')
[ "$value" = "\"${short}uninstall.exe\" /afterrestart" ] ||
    fail "registered: [$value], expected the quoted uninstall.exe in $short"

# The logon: the value goes, its command line starts.
MSGLOG="$BASE/after-restart-msgbox.log"
cd "$BASE" || fail "cannot enter $BASE"
WINEDEBUG="$WINEDEBUG,trace+msgbox" "$WINE" "$RUN_ONCE" brelkuninstall >/dev/null 2>"$MSGLOG" ||
    fail "the registered command did not start: $value"
"$WINE" reg query "$key" /v brelkuninstall >/dev/null 2>&1 && fail "the value stayed"

wait_started_brelk
for _ in $(seq 1 40); do
    grep -q 'Bitte kontrollieren Sie, ob sich das System im Ursprungszustand' "$MSGLOG" && break
    sleep 0.5
done
grep -q 'Bitte kontrollieren Sie, ob sich das System im Ursprungszustand' "$MSGLOG" ||
    fail "brelk.exe did not open the after-restart page: $(grep -o 'MSGBOX_OnInit.*' "$MSGLOG" | head -3)"
echo "after_restart: ok"
