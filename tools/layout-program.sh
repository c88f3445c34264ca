#!/usr/bin/env bash
# Lays out the program folder as it is shipped: the dist/ tree (settings files and the other
# files beside the programs) plus brelk.exe, setup.exe and uninstall.exe from the win32 build.
#   tools/layout-program.sh [DEST]     (default build/program; DEST is replaced)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dest=${1:-$root/build/program}
bin=$root/build/win32

for exe in brelk.exe setup.exe uninstall.exe; do
    if [ ! -f "$bin/$exe" ]; then
        echo "layout-program: $bin/$exe is missing; build the win32 preset first" >&2
        exit 1
    fi
done
rm -rf "$dest"
mkdir -p "$dest"
cp -a "$root/dist/." "$dest/"
cp "$bin/brelk.exe" "$bin/setup.exe" "$bin/uninstall.exe" "$dest/"
echo "$dest"
