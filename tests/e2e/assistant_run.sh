#!/bin/sh
# End to end: from the start page the user opens the tuning assistant, ticks every goal, keeps
# the lowest risk and starts the tuning. The run goes through to the end page, the run log is
# saved as tuning.log with the rows of that risk level applied, and no error message is shown.
# Needs DISPLAY and WINEPREFIX from the caller; the first argument may name brelk.exe.
set -u
NAME=assistant_run
. "$(dirname "$0")/lib/brelk_program.sh"

# Mouse-wheel notches down over the page; each moves the assistant's list by one line.
wheel_down() {
    xdotool mousemove $((WX + 300)) $((WY + 200)) sleep 0.2
    for _ in $(seq 1 "$1"); do
        xdotool click 5
        sleep 0.05
    done
    sleep 0.5
}

layout_program 0 1
start_brelk
click_at 36 451  # menu "Index": the start page
click_at 265 207 # "Brelvanto Kit - Tuning Assistenten starten >"
shot assistant_page
wheel_down 20 # the goals come into view
for y in 166 184 202 220 238; do
    click_at 150 "$y" # "Geschwindigkeit" .. "Spionageschutz"
done
shot assistant_goals
wheel_down 20 # the risk levels and the last question
shot assistant_levels
click_at 206 261 # "Tuningprozedur starten >"

log="$DIR/tuning.log"
for _ in $(seq 1 30); do
    [ -f "$log" ] && break
    sleep 0.5
done
[ -f "$log" ] || fail "no tuning.log after the assistant's run"
sleep 1
shot assistant_end
for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
    [ "$id" = "$MAIN" ] || fail "a message appeared during the run"
done
# Speed at low risk adds "in Ordner X kopieren" to the context menu but leaves the disk cache
# at no change.
grep -q 'C2FBB630-2971-11D1-A18C-00C04FD75D13' "$log" ||
    fail "tuning.log lacks the speed goal: $(head -c 300 "$log")"
grep -q 'LargeSystemCache' "$log" && fail "the disk cache was changed at low risk"
stop_brelk
rm -rf "$DIR"
echo "assistant_run: ok"
