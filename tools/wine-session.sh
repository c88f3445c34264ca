# One Wine session for a whole run of programs or tests; source it (bash) after wine-env.sh.
#
#   brelk_session_start   private Xvfb when no DISPLAY is set, the prefix, one persistent
#                         wineserver; exports BRELK_WINE_SESSION=1 so that tools/wine-run.sh
#                         starts nothing of its own
#   brelk_session_stop    ends what brelk_session_start started, by process id (safe to call
#                         twice; meant for a trap on EXIT)
#
# BRELK_XVFB_SCREEN sets the private display's screen (default 1024x768x24).

BRELK_XVFB_PID=
BRELK_WINESERVER_PID=

brelk_session_start() {
    if [ -z "${DISPLAY:-}" ]; then
        brelk_xvfb_start || return 1
    fi
    brelk_wine_prefix_ensure || return 1
    # Foreground mode keeps the server as our own child, so we know its process id. When a
    # server already runs for this prefix, ours ends at once and that one is left alone.
    wineserver -f -p >/dev/null 2>&1 &
    BRELK_WINESERVER_PID=$!
    sleep 0.2
    if ! kill -0 "$BRELK_WINESERVER_PID" 2>/dev/null; then
        wait "$BRELK_WINESERVER_PID" 2>/dev/null
        BRELK_WINESERVER_PID=
    fi
    # Start the prefix's services now, natively and detached from the caller's output, rather
    # than inside the first test.
    LC_ALL=$BRELK_WINE_LOCALE "$BRELK_WINE64" wineboot </dev/null >/dev/null 2>&1
    export BRELK_WINE_SESSION=1
}

# Xvfb picks a free display number itself and reports it on a file descriptor.
brelk_xvfb_start() {
    local numfile
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${BRELK_XVFB_SCREEN:-1024x768x24}" -nolisten tcp -noreset \
        3>"$numfile" >/dev/null 2>&1 &
    BRELK_XVFB_PID=$!
    local i
    for i in $(seq 100); do
        [ -s "$numfile" ] && break
        kill -0 "$BRELK_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$numfile" ]; then
        echo "session: Xvfb did not start" >&2
        rm -f "$numfile"
        brelk_session_stop
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$numfile")"
    rm -f "$numfile"
}

brelk_session_stop() {
    if [ -n "$BRELK_WINESERVER_PID" ]; then
        if kill -0 "$BRELK_WINESERVER_PID" 2>/dev/null; then
            # Ends every Wine process of the prefix, then the server itself.
            wineserver -k >/dev/null 2>&1
            local i
            for i in $(seq 100); do
                kill -0 "$BRELK_WINESERVER_PID" 2>/dev/null || break
                sleep 0.1
            done
            kill -KILL "$BRELK_WINESERVER_PID" 2>/dev/null
        fi
        wait "$BRELK_WINESERVER_PID" 2>/dev/null
        BRELK_WINESERVER_PID=
    fi
    if [ -n "$BRELK_XVFB_PID" ]; then
        kill "$BRELK_XVFB_PID" 2>/dev/null
        wait "$BRELK_XVFB_PID" 2>/dev/null
        BRELK_XVFB_PID=
    fi
    return 0
}
