#!/usr/bin/env bash
# Builds the Win32 programs, lays out the program folder build/program and starts a program
# in it under Wine:  tools/run.sh [brelk|setup] [ARGS...]   (default brelk)
#
# With a DISPLAY the program simply runs until it ends. Without one it runs on a private
# Xvfb: the script waits for its first window (at most BRELK_RUN_WINDOW_WAIT s, default 60),
# lets it run BRELK_RUN_SECONDS more (default 8), answering brelk's notices at start with
# Return as a user would, saves build/screenshot-NAME.png and ends the program and everything
# the run started.
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
brelk_wine "$name.exe" "$@" &
program=$!

running() { kill -0 "$program" 2>/dev/null; }
has_window() { [ -n "$(comm -13 <(echo "$before") <(visible_windows))" ]; }

# The notices brelk shows at start (for instance that no backup exists yet, or Wine's missing
# processor data) are answered as a user would: with Return, the box's default button. The
# splash (372x243) and the main window (525x475) share the boxes' title.
answered=0
answer_notices() {
    [ "$name" = brelk ] || return 0
    for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
        case $(xdotool getwindowgeometry "$id" 2>/dev/null | sed -n 's/ *Geometry: //p') in
        372x243 | 525x475 | "") ;;
        *)
            xdotool windowfocus --sync "$id" key Return 2>/dev/null && answered=$((answered + 1))
            ;;
        esac
    done
}

for _ in $(seq $((${BRELK_RUN_WINDOW_WAIT:-60} * 5))); do
    running && ! has_window || break
    sleep 0.2
done
for _ in $(seq $((${BRELK_RUN_SECONDS:-8} * 5))); do
    running || break
    answer_notices
    sleep 0.2
done
answer_notices
[ "$answered" -eq 0 ] || { sleep 0.5; echo "run: answered $answered notice(s) of the start with Return"; }

shot="$BRELK_BUILD/screenshot-$name.png"
if "$here/screenshot.sh" "$shot"; then
    echo "run: screenshot $shot"
else
    echo "run: taking the screenshot failed" >&2
fi

if running; then
    echo "run: $name.exe still running after the wait; ending it"
    if [ -n "$BRELK_WINESERVER_PID" ]; then
        wineserver -k >/dev/null 2>&1 # the session's own server: ends every process it started
    else
        kill "$program" 2>/dev/null # another run shares the prefix: end only our program
    fi
    wait "$program" 2>/dev/null
    exit 0
fi
wait "$program"
rc=$?
echo "run: $name.exe ended by itself with exit code $rc"
exit "$rc"
