#!/bin/sh
# End to end: the mouse wheel over the terms box of a first start, before and after a click
# into the window; then, with no backup slot yet (the backups page says so at start), the user
# opens the power mode and scans the current settings, turns the wheel over the tuning list,
# and saves the settings on the backups page: the scan has only read the machine (a missing
# value stays missing) and the slot is in brelk.ini and in the list. A restore of that slot
# once it lacks a key is refused with nothing written, and a save into a modules folder that
# has gone fails and counts nothing.
# Needs DISPLAY and WINEPREFIX from the caller; the first argument may name brelk.exe.
set -u
NAME=scan_backup
. "$(dirname "$0")/lib/brelk_program.sh"

# The page area (its top 166 pixels) as pixels, to see whether it scrolled.
page_pixels() {
    import -window root -crop 380x166+$((WX + 120))+$((WY + 104)) "$1" 2>/dev/null
}
# Turns the wheel three notches over the page, down (5, the default) or up (4), and tells
# whether the page moved.
wheel_scrolls() {
    button=${2:-5}
    xdotool mousemove $((WX + 300)) $((WY + 228)) sleep 0.3
    page_pixels "$work/$1-before.png"
    xdotool click "$button" click "$button" click "$button" sleep 0.5
    page_pixels "$work/$1-after.png"
    [ "$(compare -metric AE "$work/$1-before.png" "$work/$1-after.png" null: 2>&1)" != 0 ]
}
work=$(mktemp -d /tmp/scan_backup.XXXXXX)

# The wheel before and after the user has clicked into the window: on the backups page at
# start, with five slots, so that its list is taller than the page.
layout_program 0 5
start_brelk
[ "$STARTUP_MESSAGES" = 0 ] || fail "$STARTUP_MESSAGES messages at start"
before=no
wheel_scrolls unclicked && before=yes
shot wheel_backups_unclicked
click_at 470 150 # the list's frame, which does nothing
after=no
wheel_scrolls clicked 4 && after=yes
shot wheel_backups_clicked
echo "$NAME: wheel over the backups page before any click: $before, after a click: $after"
[ "$after" = yes ] || fail "the wheel does not scroll the backups page"
stop_brelk
rm -rf "$DIR"

# At a first start the terms page lies over the backups page that start-up also shows; the
# wheel scrolls the terms box, the page in front.
layout_program 1 1
start_brelk
click_at 150 110 # the terms' title
wheel_scrolls terms || fail "the wheel does not scroll the terms box of a first start"
shot wheel_terms
stop_brelk
rm -rf "$DIR"

"$WINE" reg delete 'HKLM\SYSTEM\CurrentControlSet\Control\FileSystem' /v NtfsMftZoneReservation \
    /f >/dev/null 2>&1
layout_program 0 0
start_brelk
[ "$STARTUP_MESSAGES" = 1 ] || fail "$STARTUP_MESSAGES messages at start, expected one notice"
shot scan_backup_start

click_at 36 451  # menu "Index": the start page
click_at 265 161 # "Brelvanto Kit - Power Modus starten >"
click_at 162 211 # "Einstellungen scannen >>"
shot scan_done
answer_messages
[ "$ANSWERED" = 0 ] || fail "the scan showed a message"
! "$WINE" reg query 'HKLM\SYSTEM\CurrentControlSet\Control\FileSystem' /v NtfsMftZoneReservation \
    >/dev/null 2>&1 || fail "the scan created NtfsMftZoneReservation"
wheel_scrolls list || fail "the wheel does not scroll the tuning list"
shot scan_wheel

click_at 88 451  # menu "Backups", which says that no slot exists yet
answer_messages
[ "$ANSWERED" = 1 ] || fail "the backups page showed $ANSWERED messages, expected one notice"
click_at 170 163 # "Einstellungen sichern >>"
shot backups_saved
answer_messages
[ "$ANSWERED" = 0 ] || fail "saving showed a message"
shot backups_saved
ini="$DIR/modules/brelk.ini"
tr -d '\r' <"$ini" | grep -q '^number=1$' || fail "no slot counted: $(cat "$ini")"
tr -d '\r' <"$ini" | grep -q '^Date=Originalzustand$' || fail "slot 1 missing: $(cat "$ini")"
tr -d '\r' <"$ini" | grep -q '^11=""$' || fail "slot 1 lacks the empty entry 11: $(cat "$ini")"

# The slot without its key 19 (the owner): the restore refuses it and the owner stays.
owner() {
    "$WINE" reg query 'HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion' /v RegisteredOwner \
        2>/dev/null | tr -d '\r' | grep RegisteredOwner
}
owner_before=$(owner)
sed -i '/^19=/d' "$ini"
click_at 170 261 # "Uninstall starten >"
shot restore_refused
answer_messages
[ "$ANSWERED" = 1 ] || fail "the refused restore showed $ANSWERED messages, expected one"
[ "$(owner)" = "$owner_before" ] || fail "the refused restore changed the owner: $(owner)"

# The modules folder gone: the save fails, and no slot is counted anywhere.
mv "$DIR/modules" "$DIR/modules.gone"
click_at 170 163 # "Einstellungen sichern >>"
shot save_failed
answer_messages
[ "$ANSWERED" = 1 ] || fail "the failed save showed $ANSWERED messages, expected one"
[ ! -e "$DIR/modules" ] || fail "the failed save made $DIR/modules"
mv "$DIR/modules.gone" "$DIR/modules"
tr -d '\r' <"$ini" | grep -q '^number=1$' || fail "the failed save changed the count"
stop_brelk
rm -rf "$DIR" "$work"
echo "$NAME: ok"
