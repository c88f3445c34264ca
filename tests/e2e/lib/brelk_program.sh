# Shared steps of the end-to-end scripts (sourced, POSIX sh): lay out a program folder, start
# brelk.exe in it, find its main window, open a tuning-page gear's customisation dialog. The
# sourcing script sets NAME (for messages) and
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
# first-start flag and backup count, and that many slot sections (their dates only).
layout_program() {
    [ -f "$EXE" ] || fail "no $EXE"
    DIR=$(mktemp -d /tmp/brelk-e2e.XXXXXX)
    cp "$EXE" "$DIR/brelk.exe" && cp -r "$ROOT/dist/." "$DIR/" || fail "cannot lay out $DIR"
    mkdir -p "$DIR/modules"
    printf '[Options]\r\nversion=5.0\r\nfirststart=%s\r\n[Backup]\r\nnumber=%s\r\n' "$1" "$2" \
        >"$DIR/modules/brelk.ini"
    [ "$2" -gt 0 ] && printf '[1]\r\nDate=Originalzustand\r\n' >>"$DIR/modules/brelk.ini"
    for n in $(seq 2 "$2"); do
        printf '[%s]\r\nDate=0%s.12.2026\r\nTime=10:00:00\r\n' "$n" "$n" >>"$DIR/modules/brelk.ini"
    done
}

# Waits (20 s at most, while PID runs) for a visible window whose name matches the pattern
# and, when given, whose size is the geometry; sets FOUND to its id and WX, WY to its position.
# With "answer" as third argument, another window of that name (a message box; the splash of
# 372 x 243 aside) is answered with Return and counted once in STARTUP_MESSAGES.
wait_window() {
    FOUND=""
    answered=" "
    for _ in $(seq 1 44); do
        sleep 0.5
        kill -0 "$PID" 2>/dev/null || fail "the program ended early"
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            geometry=$(xdotool getwindowgeometry "$id" | sed -n 's/ *Geometry: //p')
            if [ -z "${2:-}" ] || [ "$geometry" = "$2" ]; then
                FOUND=$id
            elif [ "${3:-}" = answer ] && [ "$geometry" != 372x243 ]; then
                xdotool windowfocus --sync "$id" key Return 2>/dev/null
                case $answered in
                *" $id "*) ;;
                *)
                    answered="$answered$id "
                    STARTUP_MESSAGES=$((STARTUP_MESSAGES + 1))
                    ;;
                esac
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
    # Wine traces the text of every message box the program shows into this log.
    MSGLOG="$DIR/wine-msgbox.log"
    WINEDEBUG="$WINEDEBUG,trace+msgbox" "$WINE" ./brelk.exe >/dev/null 2>"$MSGLOG" &
    PID=$!
    STARTUP_MESSAGES=0
    wait_window '^Brelvanto Kit 2005$' 525x475 answer
    MAIN=$FOUND
    dismiss_sampler_message
    # Counted from Wine's trace, which sees every message box however fast it came and went.
    STARTUP_MESSAGES=$(grep 'trace:msgbox:MSGBOX_OnInit' "$MSGLOG" 2>/dev/null |
        grep -vc 'Processor\\" performance object')
    MSGSEEN=$(grep -c 'trace:msgbox:MSGBOX_OnInit' "$MSGLOG" 2>/dev/null)
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

# Moves the pointer onto a screen point from a little to its left (so the window sees a move
# there, as a hand makes it) and clicks it.
click_screen() {
    xdotool mousemove $(($1 - 4)) "$2" sleep 0.2 mousemove "$1" "$2" sleep 0.2 click 1 sleep 0.5
}
# The same for a point of the main window (relative to WX, WY) or of the customisation dialog,
# which stands at (30, 50).
click_at() { click_screen $((WX + $1)) $((WY + $2)); }
click_dialog() { click_screen $((30 + $1)) $((50 + $2)); }

# Starts tools/test_server.py on a loopback address of its own, serving the new folder WWW
# for at most the given seconds, and reads its variables (BRELK_TEST_SERVER, ..._LOG).
start_test_server() {
    WWW=$(mktemp -d /tmp/brelk-www.XXXXXX)
    # The request log goes beside the folder under the folder's own name: scripts in parallel
    # lanes each have a server, and a shared log would mix (and delete) their requests.
    python3 "$ROOT/tools/test_server.py" --root "$WWW" --log "$WWW.requests" --env-file "$WWW.env" \
        --lifetime "$1" &
    SERVER=$!
    for _ in $(seq 1 50); do
        [ -f "$WWW.env" ] && break
        sleep 0.2
    done
    [ -f "$WWW.env" ] || fail "the test server did not start"
    . "$WWW.env"
}

stop_test_server() {
    kill "$SERVER" 2>/dev/null
    wait "$SERVER" 2>/dev/null
    rm -rf "$WWW" "$WWW.env" "$WWW.requests"
}

# Waits until the installer has recorded the version in the installation's brelk.ini.
wait_version() {
    for _ in $(seq 1 40); do
        grep -q "^version=$1" "$DIR/modules/brelk.ini" && return 0
        sleep 0.5
    done
    fail "version $1 not recorded: $(cat "$DIR/modules/brelk.ini")"
}

# Waits until a brelk.exe started by the installer shows a window; sets STARTED to its process.
wait_started_brelk() {
    BRELKWIN=""
    for _ in $(seq 1 40); do
        BRELKWIN=$(xdotool search --name '^Brelvanto Kit 2005$' 2>/dev/null | head -n 1)
        [ -n "$BRELKWIN" ] && break
        sleep 0.5
    done
    [ -n "$BRELKWIN" ] || fail "brelk.exe was not started"
    STARTED=$(xdotool getwindowpid "$BRELKWIN" 2>/dev/null)
}

# Answers the message boxes brelk has shown since its start or the last call, after a moment
# for one still on its way, and sets ANSWERED to their number as Wine's trace counts them.
MSGSEEN=0
answer_messages() {
    sleep 1
    total=$(grep -c 'trace:msgbox:MSGBOX_OnInit' "$MSGLOG" 2>/dev/null)
    ANSWERED=$((total - MSGSEEN))
    MSGSEEN=$total
    for _ in $(seq 1 10); do
        open=""
        for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
            [ "$id" = "$MAIN" ] && continue
            open=$id
            xdotool windowfocus --sync "$id" key Return 2>/dev/null
        done
        [ -z "$open" ] && break
        sleep 0.5
    done
}

# The tuning list scrolls eight pixels per wheel notch. A gear at content position TOP is
# brought some 64 pixels below the list's top (so the last gears are reached before the list
# ends; SCROLLED counts the notches so far), hovered (its clickable twin appears) and clicked.
SCROLLED=0
open_gear() {
    notches=$((($1 - 64) / 8))
    delta=$((notches - SCROLLED))
    button=5
    [ "$delta" -lt 0 ] && button=4 && delta=$((-delta))
    xdotool mousemove $((WX + 300)) $((WY + 200))
    [ "$delta" -gt 0 ] && xdotool click --repeat "$delta" --delay 60 "$button"
    SCROLLED=$notches
    # Wine works through the notches after xdotool has sent them.
    sleep $((2 + delta / 10))
    click_at $((120 + 276 + 8)) $((104 + $1 - notches * 8 + 8))
}

# The customisation dialog's window id (the visible 274 x 323 window), or nothing.
dialog_window() {
    for id in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        if xdotool getwindowgeometry "$id" | grep -q 'Geometry: 274x323'; then
            echo "$id"
            return
        fi
    done
}
