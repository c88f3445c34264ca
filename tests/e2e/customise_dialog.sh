#!/bin/sh
# End to end: on the tuning page the user opens the customisation dialog from each of its seven
# gears; the dialog comes up over the main window at (30, 50) on the gear's panel, also when
# the main window was clicked meanwhile. "x" closes it. On the page-file panel the profile
# "Spieler" recomputes the size and "fortfahren >" stores the page-file values in the
# program's registry key, where they are read back. No error message appears on the way.
# Needs DISPLAY and WINEPREFIX from the caller; the first argument may name brelk.exe.
set -u
NAME=customise_dialog
. "$(dirname "$0")/lib/brelk_program.sh"

layout_program 0 1
start_brelk
click_at 36 451  # menu "Index": the start page
click_at 265 161 # "Brelvanto Kit - Power Modus starten >"

open_gear 267 # the page file
[ -n "$(dialog_window)" ] || fail "the page-file gear opened no dialog"
click_dialog 58 234 # profile "Spieler": 700 MB from 512 MB of memory on
shot customise_page_file
click_dialog 200 302 # "fortfahren >"
[ -z "$(dialog_window)" ] || fail "fortfahren did not close the dialog"
for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
    [ "$id" = "$MAIN" ] || fail "a message appeared"
done

# Content tops of the seven plain gears: page file, OEM logo, toolbar skin, Internet Explorer
# title, "My Computer", start button, folder as drive.
for top in 267 887 906 982 1001 1825 1844; do
    open_gear "$top"
    shot "customise_gear_$top"
    id=$(dialog_window)
    [ -n "$id" ] || fail "the gear at $top opened no dialog"
    position=$(xdotool getwindowgeometry "$id" | sed -n 's/ *Position: \([0-9]*,[0-9]*\).*/\1/p')
    [ "$position" = "30,50" ] || fail "the dialog stands at $position"
    click_dialog 254 14 # "x"
    [ -z "$(dialog_window)" ] || fail "x did not close the dialog"
done
# A click into the main window raises it over the open dialog; the next gear brings the dialog
# back to the front (xwininfo lists the root's children topmost first).
open_gear 1844
click_at 200 150 # a row's caption on the tuning page
open_gear 1825
shot customise_front
dialog=$(printf '0x%x' "$(dialog_window)")
main=$(printf '0x%x' "$MAIN")
top=$(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p' |
    grep -x -e "$dialog" -e "$main" | head -n 1)
[ "$top" = "$dialog" ] || fail "the dialog stays behind the main window ($top on top)"
stop_brelk

stored=$("$WINE" reg query 'HKLM\SOFTWARE\Kestovar' /v Pagingfiles 2>/dev/null | tr -d '\r' |
    sed -n 's/.*REG_SZ *//p')
case "$stored" in
[c-f]:\\pagefile.sys\ 700\ 700) ;;
*) fail "Pagingfiles stored as '$stored'" ;;
esac
rm -rf "$DIR"
echo "customise_dialog: ok"
