#!/usr/bin/env bash
# Checks that includes run downwards only. Floors, from the ground up:
#   src/ui, src/platform       the class library and the platform services
#   src/shell                  brelk's ground: main window, pages, hovers, context, hook slots
#   src/tweaks src/customise src/sysinfo src/online src/setup src/uninstall   the subsystems
#   src/app                    brelk put together: knows every subsystem
#   src/main                   the entry points
# A subsystem reaches another only through what the shell or the platform defines. Prints each
# include that runs the wrong way and exits non-zero when there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

subsystems=(tweaks customise sysinfo online setup uninstall)
above_all="app|main"
bad=0

# check FOLDER PATTERN: no file under src/FOLDER includes a header whose path matches PATTERN.
check() {
    local hits
    hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]+\"($2)/" "src/$1" 2>/dev/null)
    if [ -n "$hits" ]; then
        printf '%s\n' "$hits"
        bad=1
    fi
}

all_subsystems=$(IFS='|'; echo "${subsystems[*]}")
for floor in ui platform; do
    check "$floor" "shell|$all_subsystems|$above_all"
done
check shell "$all_subsystems|$above_all"
for s in "${subsystems[@]}"; do
    others=$(printf '%s\n' "${subsystems[@]}" | grep -vx "$s" | paste -sd'|')
    check "$s" "$others|$above_all"
done
check app "main"

if [ "$bad" -ne 0 ]; then
    echo "includes above run against the floors (see ARCHITECTURE.md)" >&2
    exit 1
fi
echo "includes run downwards only"
