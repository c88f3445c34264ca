#!/bin/sh
# End to end: from the start page the user opens the power mode, sets every performance row to
# activate with the category's header button, and starts the tuning run. The gauges fill for
# ten seconds, then the end page appears and the run log is saved as tuning.log, and no error
# message is shown on the way.
# Needs DISPLAY and WINEPREFIX from the caller; the first argument may name brelk.exe.
set -u
NAME=tuning_run
. "$(dirname "$0")/lib/brelk_program.sh"

layout_program 0 1
start_brelk
click 36 451  # menu "Index": the start page
click 265 161 # "Brelvanto Kit - Power Modus starten >"
shot tuning_page
click 463 235 # the performance category's activate header button
click 217 261 # "Tuningprozedur starten >"
shot tuning_running

log="$DIR/tuning.log"
for _ in $(seq 1 30); do
    [ -f "$log" ] && break
    sleep 0.5
done
[ -f "$log" ] || fail "no tuning.log after the run"
sleep 1
shot tuning_end
for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
    [ "$id" = "$MAIN" ] || fail "a message appeared during the run"
done
grep -q 'LargeSystemCache' "$log" || fail "tuning.log lacks the activated rows: $(head -c 300 "$log")"
stop_brelk
rm -rf "$DIR"
echo "tuning_run: ok"
