# Shared steps of the end-to-end scripts (sourced, POSIX sh): lay out a program folder, start
# brelk.exe in it and find its main window. The sourcing script sets NAME (for messages) and
# may pass brelk.exe's path as its first argument (default: build/win64/brelk.exe).
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
EXE=${1:-$ROOT/build/win64/brelk.exe}
WINE=${WINE:-/usr/lib/wine/wine64}
: "${DISPLAY:?DISPLAY must name an X display}"
: "${WINEPREFIX:?WINEPREFIX must name a Wine prefix}"
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=}
PID=""
DIR=""

fail() {
    echo "$NAME: $*" >&2
    [ -n "$PID" ] && kill "$PID" 2>/dev/null
    [ -n "$DIR" ] && rm -rf "$DIR"
    exit 1
}

# A fresh program folder: brelk.exe, the shipped files and a brelk.ini with the given
# first-start flag and backup count.
layout_program() {
    [ -f "$EXE" ] || fail "no $EXE"
    DIR=$(mktemp -d /tmp/brelk-e2e.XXXXXX)
    cp "$EXE" "$DIR/brelk.exe" && cp -r "$ROOT/dist/." "$DIR/" || fail "cannot lay out $DIR"
    mkdir -p "$DIR/modules"
    printf '[Options]\r\nversion=5.0\r\nfirststart=%s\r\n[Backup]\r\nnumber=%s\r\n' "$1" "$2" \
        >"$DIR/modules/brelk.ini"
}

# Waits (20 s at most, while PID runs) for a visible window whose name matches the pattern
# and, when given, whose size is the geometry; sets FOUND to its id and WX, WY to its position.
# With "answer" as third argument, another window of that name (a message box; the splash of
# 372 x 243 aside) is answered with Return and counted in STARTUP_MESSAGES.
wait_window() {
    FOUND=""
    for _ in $(seq 1 40); do
        sleep 0.5
        kill -0 "$PID" 2>/dev/null || fail "the program ended early"
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            geometry=$(xdotool getwindowgeometry "$id" | sed -n 's/ *Geometry: //p')
            if [ -z "${2:-}" ] || [ "$geometry" = "$2" ]; then
                FOUND=$id
            elif [ "${3:-}" = answer ] && [ "$geometry" != 372x243 ]; then
                xdotool windowfocus --sync "$id" key Return 2>/dev/null
                STARTUP_MESSAGES=$((STARTUP_MESSAGES + 1))
            fi
        done
        [ -n "$FOUND" ] && break
    done
    [ -n "$FOUND" ] || fail "no window $1 ${2:-}"
    sleep 1
    position=$(xdotool getwindowgeometry "$FOUND" |
        sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
    WX=${position% *}
    WY=${position#* }
}

# Starts brelk.exe in the program folder and waits until the main window (525 x 475) replaces
# the splash; sets MAIN to its window id and WX, WY to its position. Messages that start-up
# shows before the main window appears (every other window with the program's title but the
# splash) are answered with Enter; STARTUP_MESSAGES counts them.
start_brelk() {
    cd "$DIR" || fail "cannot enter $DIR"
    "$WINE" ./brelk.exe >/dev/null 2>&1 &
    PID=$!
    STARTUP_MESSAGES=0
    wait_window '^Brelvanto Kit 2005$' 525x475 answer
    MAIN=$FOUND
}

stop_brelk() {
    kill "$PID" 2>/dev/null
    wait "$PID" 2>/dev/null
    PID=""
}

# Saves a screenshot when the runner asks for them.
shot() {
    [ -n "${E2E_ARTIFACTS:-}" ] || return 0
    mkdir -p "$E2E_ARTIFACTS"
    import -window root "$E2E_ARTIFACTS/$1.png" 2>/dev/null
}
