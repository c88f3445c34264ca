#!/usr/bin/env bash
# Runs a Windows program under Wine in the repository's private prefix and returns its exit
# code: tools/wine-run.sh PROGRAM.exe [ARGS...]
#
# Inside a session (tools/test.sh, tools/run.sh: BRELK_WINE_SESSION=1) it only runs the
# program; the session owns the display and the wineserver. Alone, it creates the prefix if
# needed, starts a private Xvfb when no DISPLAY is set, and ends both when the program ends.
# CMake uses it as the cross-compiling emulator, so ctest runs the .exe tests through it.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"

if [ $# -lt 1 ]; then
    echo "usage: $0 PROGRAM.exe [ARGS...]" >&2
    exit 2
fi

if [ "${BRELK_WINE_SESSION:-}" = 1 ]; then
    # Wine hands the program's output handles on to the prefix's background processes
    # (services, devices), which live as long as the session. A caller that waits for the end
    # of the output, as ctest does, would wait for the session. So the program writes into
    # files, and the caller gets their contents, streamed, from tail, which ends with it.
    out=$(mktemp)
    err=$(mktemp)
    # A background command would otherwise read from /dev/null; keep the caller's input. (The
    # braces keep the error redirection off the shell's own standard error, which carries the
    # program's and Wine's messages below.)
    { exec 3<&0; } 2>/dev/null || exec 3</dev/null
    LC_ALL=$BRELK_WINE_LOCALE "$(brelk_wine_loader "$1")" "$@" <&3 >"$out" 2>"$err" &
    program=$!
    trap 'kill "$program" 2>/dev/null' INT TERM
    tail -s 0.2 --pid="$program" -n +1 -f "$out" &
    tail_out=$!
    tail -s 0.2 --pid="$program" -n +1 -f "$err" >&2 &
    tail_err=$!
    wait "$program"
    rc=$?
    wait "$tail_out" "$tail_err"
    rm -f "$out" "$err"
    exit "$rc"
fi

source "$here/wine-session.sh"
trap brelk_session_stop EXIT
trap 'exit 130' INT TERM
brelk_session_start || exit 1
brelk_wine "$@"
