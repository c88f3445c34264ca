#!/bin/sh
# End to end: on the tuning page the user opens the OEM-logo gear's dialog and clicks
# "anderes OEM-Logo wählen"; the open dialog comes up within 30 s and Escape closes it again.
# The customisation dialog is then still there and answers its "x". Needs DISPLAY and
# WINEPREFIX from the caller; the first argument may name brelk.exe (WINE names the loader for
# it: the 32-bit build goes to "wine").
set -u
NAME=oem_logo_picker
. "$(dirname "$0")/lib/brelk_program.sh"

# A visible window of the program that is neither the main window nor the customisation
# dialog: the open dialog.
open_dialog() {
    custom=$(dialog_window)
    for id in $(xdotool search --onlyvisible --pid "$PID" --name '' 2>/dev/null); do
        [ "$id" = "$MAIN" ] || [ "$id" = "$custom" ] && continue
        name=$(xdotool getwindowname "$id" 2>/dev/null)
        [ -n "$name" ] || continue
        echo "$id"
        return
    done
}

layout_program 0 1
start_brelk
click_at 36 451  # menu "Index": the start page
click_at 265 161 # "Brelvanto Kit - Power Modus starten >"

open_gear 887 # the OEM logo, scrolled into view as a user does
[ -n "$(dialog_window)" ] || fail "the OEM-logo gear opened no dialog"

click_dialog 58 228 # "anderes OEM-Logo wählen"
shown=""
for _ in $(seq 1 60); do
    shown=$(open_dialog)
    [ -n "$shown" ] && break
    sleep 0.5
done
shot oem_logo_open_dialog
[ -n "$shown" ] || fail "the open dialog did not appear within 30 s"
kill -0 "$PID" 2>/dev/null || fail "the program ended"
xdotool windowfocus --sync "$shown" key Escape 2>/dev/null
for _ in $(seq 1 20); do
    [ -z "$(open_dialog)" ] && break
    sleep 0.5
done
[ -z "$(open_dialog)" ] || fail "Escape did not close the open dialog"
custom=$(dialog_window)
[ -n "$custom" ] || fail "the customisation dialog went away with the open dialog"
click_dialog 254 14 # "x"
[ -z "$(dialog_window)" ] || fail "x did not close the dialog: the program does not answer"
stop_brelk
rm -rf "$DIR"
echo "oem_logo_picker: ok"
