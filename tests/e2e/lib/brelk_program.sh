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
MSGLOG=""

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

# Starts brelk.exe in the program folder and waits until the main window (525 x 475) replaces
# the splash; sets MAIN to its window id and WX, WY to its position.
start_brelk() {
    cd "$DIR" || fail "cannot enter $DIR"
    # Wine traces the text of every message box the program shows into this log.
    MSGLOG="$DIR/wine-msgbox.log"
    WINEDEBUG="$WINEDEBUG,trace+msgbox" "$WINE" ./brelk.exe >/dev/null 2>"$MSGLOG" &
    PID=$!
    MAIN=""
    for _ in $(seq 1 40); do
        sleep 0.5
        kill -0 "$PID" 2>/dev/null || fail "brelk.exe ended early"
        for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
            geometry=$(xdotool getwindowgeometry "$id" | sed -n 's/ *Geometry: //p')
            [ "$geometry" = "525x475" ] && MAIN=$id
        done
        [ -n "$MAIN" ] && break
    done
    [ -n "$MAIN" ] || fail "no main window"
    sleep 1
    position=$(xdotool getwindowgeometry "$MAIN" |
        sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
    WX=${position% *}
    WY=${position#* }
    dismiss_sampler_message
}

# Wine's performance data hold no processor object, so the processor-load gauge reports that
# once, in a message box, about a second after the window appears. It is expected there: it is
# closed here (with its OK button), so that the scripts see only the messages of what they test.
dismiss_sampler_message() {
    for _ in $(seq 1 16); do
        grep -q 'Processor\\" performance object' "$MSGLOG" 2>/dev/null && break
        sleep 0.25
    done
    grep -q 'Processor\\" performance object' "$MSGLOG" 2>/dev/null || return 0
    sleep 0.5
    others=""
    for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
        [ "$id" = "$MAIN" ] || others="$others $id"
    done
    set -- $others
    [ $# -eq 1 ] || return 0 # none, or more messages than this one: the script decides
    box=$(xdotool getwindowgeometry "$1" |
        sed -n 's/ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p; s/ *Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p' |
        tr '\n' ' ')
    set -- $box
    # The OK button sits centred near the bottom of the box.
    xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 - 22)) sleep 0.2 click 1 sleep 0.5
}

# Clicks at a point of the main window, given relative to its top-left corner.
click() {
    xdotool mousemove $((WX + $1 - 4)) $((WY + $2)) sleep 0.2 mousemove $((WX + $1)) $((WY + $2)) \
        sleep 0.2 click 1 sleep 0.5
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
