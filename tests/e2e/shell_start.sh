#!/bin/sh
# End to end: brelk.exe starts from a fresh program folder under Wine, fades its splash over to
# the main window, records its folder in the registry and writes the start-button defaults.
# Needs DISPLAY and WINEPREFIX from the caller; the first argument may name brelk.exe
# (default: build/win64/brelk.exe). Exits non-zero on failure.
set -u
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
EXE=${1:-$ROOT/build/win64/brelk.exe}
WINE=${WINE:-/usr/lib/wine/wine64}
: "${DISPLAY:?DISPLAY must name an X display}"
: "${WINEPREFIX:?WINEPREFIX must name a Wine prefix}"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=}

fail() {
    echo "shell_start: $*" >&2
    [ -n "${PID:-}" ] && kill "$PID" 2>/dev/null
    rm -rf "$DIR"
    exit 1
}

[ -f "$EXE" ] || { echo "shell_start: no $EXE" >&2; exit 1; }
DIR=$(mktemp -d /tmp/brelk-e2e.XXXXXX)
cp "$EXE" "$DIR/brelk.exe" && cp -r "$ROOT/dist/." "$DIR/" || fail "cannot lay out $DIR"
mkdir -p "$DIR/modules"
printf '[Options]\r\nversion=5.0\r\nfirststart=1\r\n[Backup]\r\nnumber=0\r\n' >"$DIR/modules/brelk.ini"

cd "$DIR" || fail "cannot enter $DIR"
"$WINE" ./brelk.exe >/dev/null 2>&1 &
PID=$!

# The main window replaces the splash once the program runs; wait for it.
main=""
for _ in $(seq 1 40); do
    sleep 0.5
    kill -0 "$PID" 2>/dev/null || fail "brelk.exe ended early"
    for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
        geometry=$(xdotool getwindowgeometry "$id" | sed -n 's/ *Geometry: //p')
        [ "$geometry" = "525x475" ] && main=$id
    done
    [ -n "$main" ] && break
done
[ -n "$main" ] || fail "no main window"
sleep 1

# Any other visible window of the program is a message (all carry the program's title):
# start-up reported an error.
for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
    [ "$id" = "$main" ] && continue
    fail "unexpected window: $(xdotool getwindowname "$id") $(xdotool getwindowgeometry "$id" | tr '\n' ' ')"
done

if [ -n "${E2E_ARTIFACTS:-}" ]; then
    mkdir -p "$E2E_ARTIFACTS"
    import -window root "$E2E_ARTIFACTS/shell_start.png" 2>/dev/null
fi

ini="$DIR/modules/startbutton.ini"
[ -f "$ini" ] || fail "start-button settings not written"
grep -q '^buttonimgnormal=.*modules\\startbuttons\\glass_blue_normal.bmp' "$ini" ||
    fail "start-button default missing: $(cat "$ini")"
grep -q '^firststart=1' "$DIR/modules/brelk.ini" || fail "brelk.ini changed at start"

kill "$PID" 2>/dev/null
wait "$PID" 2>/dev/null
PID=""

folder=$("$WINE" winepath -w "$DIR/" 2>/dev/null | tr -d '\r')
"$WINE" reg query 'HKLM\Software\Kestovar' /v path 2>/dev/null | tr -d '\r' |
    grep -qiF "$folder" || fail "program folder $folder not recorded"

rm -rf "$DIR"
echo "shell_start: ok"
