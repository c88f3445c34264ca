#!/bin/sh
# End to end: the memory and processor-load gauges on the window's frame refresh every second;
# "System-Info" opens the menu page with the hardware summary, and each of its links opens its
# listing (installed programs, processes, drivers, services) without an error message.
# Needs DISPLAY and WINEPREFIX from the caller; the first argument may name brelk.exe.
set -u
NAME=sysinfo_pages
. "$(dirname "$0")/lib/brelk_program.sh"

no_messages() {
    for id in $(xdotool search --onlyvisible --name '^Brelvanto Kit 2005$' 2>/dev/null); do
        [ "$id" = "$MAIN" ] || fail "a message appeared $1"
    done
}

layout_program 0 1
start_brelk
sleep 2 # two more ticks
no_messages "on the start page"
shot sysinfo_gauges

click_at 331 451 # menu "System-Info": the menu page, after two clock measurements
sleep 1.5
no_messages "on the menu page"
shot sysinfo_menu
click_at 136 136 # the hardware link's picture
sleep 0.5
shot sysinfo_hardware

# Each link of the menu page, then back to the menu page.
for link in "171 159 programs" "171 183 processes" "171 207 drivers" "171 231 services"; do
    set -- $link
    click_at 331 451
    sleep 1.5
    click_at "$1" "$2"
    sleep 1
    no_messages "in the $3 listing"
    shot "sysinfo_$3"
done
stop_brelk
rm -rf "$DIR"
echo "sysinfo_pages: ok"
