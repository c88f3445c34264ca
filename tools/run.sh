#!/usr/bin/env bash
# Builds the Win32 programs, lays out the program folder build/program and starts a program
# in it under Wine:  tools/run.sh [brelk|setup] [ARGS...]   (default brelk)
#
# With a DISPLAY the program simply runs until it ends. Without one it runs on a private
# Xvfb: the script waits for its first window (at most BRELK_RUN_WINDOW_WAIT s, default 60),
# lets it run BRELK_RUN_SECONDS more (default 8), answering brelk's message boxes with Return
# as a user would and naming each (title and text), saves build/screenshot-NAME.png and ends
# the program and everything the run started. It exits non-zero when the program refused to
# run (its refusal messages), when no window or, for brelk, no main window came, or when the
# program ended by itself with an error.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
source "$here/wine-session.sh"
cd "$BRELK_ROOT"

name=brelk
case "${1:-}" in
brelk | setup | brelk.exe | setup.exe)
    name=${1%.exe}
    shift
    ;;
esac
jobs=${BRELK_JOBS:-4}

"$here/setup-deps.sh" || exit 1
log="$BRELK_BUILD/run-build.log"
mkdir -p "$BRELK_BUILD"
if ! { cmake --preset win32 && cmake --build --preset win32 -j "$jobs"; } >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "run: the win32 build failed (full log: $log)" >&2
    exit 1
fi
program_dir=$("$here/layout-program.sh") || exit 1
cd "$program_dir"

if [ -n "${DISPLAY:-}" ]; then
    exec "$here/wine-run.sh" "$name.exe" "$@"
fi

trap brelk_session_stop EXIT
trap 'exit 130' INT TERM
brelk_session_start || exit 1

visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }
before=$(visible_windows)
# Wine traces the text of every message box the program shows; the program's other output
# goes on to the terminal.
boxlog="$BRELK_BUILD/run-$name-boxes.log"
: >"$boxlog"
WINEDEBUG="$WINEDEBUG,trace+msgbox" brelk_wine "$name.exe" "$@" \
    2> >(tee "$boxlog" | grep -v 'trace:msgbox:' >&2) &
program=$!

running() { kill -0 "$program" 2>/dev/null; }
has_window() { [ -n "$(comm -13 <(echo "$before") <(visible_windows))" ]; }

# The texts of the message boxes shown so far, one a line, in the order they came.
box_texts() {
    python3 -c '
import re, sys
for line in sys.stdin:
    m = re.search(r"trace:msgbox:MSGBOX_OnInit L\"(.*)\"", line)
    if m:
        text = re.sub(r"\\([0-9a-f]{4})", lambda h: chr(int(h.group(1), 16)), m.group(1))
        escapes = {"n": " / ", "r": "", "t": " "}
        print(re.sub(r"\\(.)", lambda e: escapes.get(e.group(1), e.group(1)), text))
' <"$boxlog"
}

# brelk's main window (525 x 475) and splash (372 x 243) share their title with its message
# boxes; every other window of that title is a box. Boxes are answered as a user would: with
# Return, the default button. Window ids grow with each new window, so the boxes in id order
# are the boxes in the order their texts were traced.
main_seen=0
answered_ids=" "
answered=0
answer_boxes() {
    [ "$name" = brelk ] || return 0
    local id geometry
    for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null |
        sort -n); do
        geometry=$(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/ *Geometry: //p')
        case $geometry in
        525x475) main_seen=1 ;;
        372x243 | "") ;;
        *)
            case $answered_ids in *" $id "*) ;; *)
                answered=$((answered + 1))
                answered_ids="$answered_ids$id "
                box_titles[answered]=$(xdotool getwindowname "$id" 2>/dev/null)
                ;;
            esac
            xdotool windowfocus --sync "$id" key Return 2>/dev/null
            ;;
        esac
    done
}
declare -a box_titles=()

for _ in $(seq $((${BRELK_RUN_WINDOW_WAIT:-60} * 5))); do
    running && ! has_window || break
    sleep 0.2
done
window_came=0
has_window && window_came=1
for _ in $(seq $((${BRELK_RUN_SECONDS:-8} * 5))); do
    running || break
    answer_boxes
    sleep 0.2
done
answer_boxes
sleep 0.5

# Each box the program showed, with its title where the run saw its window.
mapfile -t texts < <(box_texts)
refusal=""
for i in "${!texts[@]}"; do
    if [ -n "${box_titles[i + 1]+set}" ]; then
        echo "run: answered box $((i + 1)) \"${box_titles[i + 1]}\" with Return: \"${texts[i]}\""
    else
        echo "run: box $((i + 1)), not answered by the run: \"${texts[i]}\""
    fi
    case ${texts[i]} in
    # The two messages with which brelk refuses to work (its refusal page follows them).
    "Das Brelvanto Kit ist nicht mit dieser Windowsversion kompatibel"* | \
        "Bitte melden Sie sich als Administrator an"*)
        refusal=${texts[i]}
        ;;
    esac
done
[ "${#texts[@]}" -gt 0 ] || [ "$name" != brelk ] || echo "run: no message box"

shot="$BRELK_BUILD/screenshot-$name.png"
if "$here/screenshot.sh" "$shot"; then
    echo "run: screenshot $shot"
else
    echo "run: taking the screenshot failed" >&2
fi

failed=""
if [ "$window_came" = 0 ]; then
    failed="no window of $name.exe came within ${BRELK_RUN_WINDOW_WAIT:-60} s"
elif [ -n "$refusal" ]; then
    failed="$name.exe refused to run: \"$refusal\""
elif [ "$name" = brelk ] && [ "$main_seen" = 0 ]; then
    failed="brelk's main window did not come within ${BRELK_RUN_SECONDS:-8} s of its first window"
fi

if running; then
    echo "run: $name.exe still running after the wait; ending it"
    if [ -n "$BRELK_WINESERVER_PID" ]; then
        wineserver -k >/dev/null 2>&1 # the session's own server: ends every process it started
    else
        kill "$program" 2>/dev/null # another run shares the prefix: end only our program
    fi
    wait "$program" 2>/dev/null
    rc=0
else
    wait "$program"
    rc=$?
    echo "run: $name.exe ended by itself with exit code $rc"
fi
if [ -n "$failed" ]; then
    echo "run: FAILED: $failed" >&2
    exit 1
fi
exit "$rc"
