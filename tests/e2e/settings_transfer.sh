#!/bin/sh
# End to end: the export and import pages. An import without a file reports its error. The user
# sets every performance row to activate and exports the choices to brelksettings.ini; a fresh
# run of the program imports that file and exports again, which writes the same file.
# The round trip needs the customisation dialog's fields that the file holds; while its layout
# lacks them, the script stops after the first export, which reports the missing field.
# Needs DISPLAY and WINEPREFIX from the caller; the first argument may name brelk.exe.
set -u
NAME=settings_transfer
. "$(dirname "$0")/lib/brelk_program.sh"

# Window ids of messages shown beside the main window.
messages() {
    for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
        [ "$id" = "$MAIN" ] || echo "$id"
    done
}

export_now() {
    click_at 448 451 # menu "Export"
    click_at 200 251 # "Einstellungen exportieren >"
    sleep 1
}

settings="modules/brelksettings.ini"
layout_program 0 1
start_brelk
click_at 398 451 # menu "Import": no file yet
click_at 200 251 # "Einstellungen importieren >"
shot import_missing
[ -z "$(messages)" ] || fail "a message appeared on the import of a missing file"

click_at 36 451  # menu "Index"
click_at 265 161 # "Brelvanto Kit - Power Modus starten >"
click_at 463 235 # the performance category's activate header button
export_now
shot export_page
if ! grep -q 'Edit4' "$ROOT/res/layouts/form7.dfm"; then
    [ -n "$(messages)" ] || fail "the export did without the customisation dialog's fields"
    stop_brelk
    rm -rf "$DIR"
    echo "settings_transfer: ok (round trip left out: the customisation dialog lacks its fields)"
    exit 0
fi
[ -z "$(messages)" ] || fail "a message appeared on the export"
[ -f "$settings" ] || fail "no $settings after the export"
grep -q '^7=set' "$settings" || fail "the export lacks the activated rows: $(head -c 300 "$settings")"
cp "$settings" first.ini
stop_brelk

start_brelk
click_at 398 451 # menu "Import"
shot import_page
click_at 200 251 # "Einstellungen importieren >"
shot import_done
export_now
[ -z "$(messages)" ] || fail "a message appeared in the second run"
cmp -s first.ini "$settings" || fail "the second run exported other choices: $(diff first.ini "$settings")"
stop_brelk
rm -rf "$DIR"
echo "settings_transfer: ok"
