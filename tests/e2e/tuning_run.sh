#!/bin/sh
# End to end: from the start page the user opens the power mode, sets every performance row to
# activate with the category's header button, and starts the tuning run. The gauges fill for
# ten seconds, then the end page appears and the run log is saved as tuning.log.
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
    echo "tuning_run: $*" >&2
    [ -n "${PID:-}" ] && kill "$PID" 2>/dev/null
    rm -rf "$DIR"
    exit 1
}

shot() {
    [ -n "${E2E_ARTIFACTS:-}" ] || return 0
    mkdir -p "$E2E_ARTIFACTS"
    import -window root "$E2E_ARTIFACTS/$1.png" 2>/dev/null
}

# Clicks at a point of the main window, given relative to its top-left corner.
click() {
    xdotool mousemove $((WX + $1 - 4)) $((WY + $2)) sleep 0.2 mousemove $((WX + $1)) $((WY + $2)) \
        sleep 0.2 click 1 sleep 0.5
}

[ -f "$EXE" ] || { echo "tuning_run: no $EXE" >&2; exit 1; }
DIR=$(mktemp -d /tmp/brelk-e2e.XXXXXX)
cp "$EXE" "$DIR/brelk.exe" && cp -r "$ROOT/dist/." "$DIR/" || fail "cannot lay out $DIR"
mkdir -p "$DIR/modules"
printf '[Options]\r\nversion=5.0\r\nfirststart=0\r\n[Backup]\r\nnumber=1\r\n' >"$DIR/modules/brelk.ini"

cd "$DIR" || fail "cannot enter $DIR"
"$WINE" ./brelk.exe >/dev/null 2>&1 &
PID=$!

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
position=$(xdotool getwindowgeometry "$main" | sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
WX=${position% *}
WY=${position#* }

click 36 451   # menu "Index": the start page
click 265 161  # "Brelvanto Kit - Power Modus starten >"
shot tuning_page
click 463 235  # the performance category's activate header button
click 217 261  # "Tuningprozedur starten >"
shot tuning_running

log="$DIR/tuning.log"
for _ in $(seq 1 30); do
    [ -f "$log" ] && break
    sleep 0.5
done
[ -f "$log" ] || fail "no tuning.log after the run"
sleep 1
shot tuning_end
grep -q 'LargeSystemCache' "$log" || fail "tuning.log lacks the activated rows: $(head -c 300 "$log")"

kill "$PID" 2>/dev/null
wait "$PID" 2>/dev/null
PID=""
rm -rf "$DIR"
echo "tuning_run: ok"
