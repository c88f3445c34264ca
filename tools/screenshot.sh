#!/usr/bin/env bash
# Saves the whole screen of DISPLAY as a PNG file: tools/screenshot.sh OUT.png
set -euo pipefail
if [ $# -ne 1 ] || [ -z "${DISPLAY:-}" ]; then
    echo "usage: DISPLAY=:N $0 OUT.png" >&2
    exit 2
fi
mkdir -p "$(dirname "$1")"
import -display "$DISPLAY" -window root "$1"
