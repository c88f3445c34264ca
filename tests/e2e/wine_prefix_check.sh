#!/usr/bin/env bash
# End to end: a prefix whose 32-bit registry view lacks the Windows product name (as a prefix
# whose making failed half-way under emulation does) is not taken as ready; the set-up makes
# it again, complete in both views. Works on a copy of the caller's WINEPREFIX.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
: "${WINEPREFIX:?WINEPREFIX must name a Wine prefix}"
source "$root/tools/wine-env.sh"
work=$(mktemp -d /tmp/brelk-prefix.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "wine_prefix_check: $*" >&2
    exit 1
}

source_prefix=$WINEPREFIX
export WINEPREFIX="$work/prefix"
cp -a "$source_prefix" "$WINEPREFIX" || fail "cannot copy $source_prefix"
brelk_wine_prefix_ready ||
    fail "the copied prefix is not ready: $(brelk_wine_prefix_lacking "$WINEPREFIX")"

key='HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion'
"$BRELK_WINE64" reg delete "$key" /v ProductName /f >/dev/null 2>&1 || fail "cannot delete $key"
wineserver -w
[ "$(brelk_wine_prefix_lacking "$WINEPREFIX")" = "$key value ProductName" ] ||
    fail "the check names \"$(brelk_wine_prefix_lacking "$WINEPREFIX")\", not the deleted value"
! brelk_wine_prefix_ready || fail "a prefix without the 32-bit product name counts as ready"

brelk_wine_prefix_ensure 2>"$work/ensure.log" ||
    fail "making the prefix again failed: $(cat "$work/ensure.log")"
grep -qF "$key value ProductName" "$work/ensure.log" ||
    fail "the set-up did not name what the prefix lacked: $(cat "$work/ensure.log")"
brelk_wine_prefix_ready || fail "the prefix made again is not complete"
"$BRELK_WINE64" reg query "$key" /v ProductName 2>/dev/null | grep -q 'Microsoft Windows' ||
    fail "Wine does not see the 32-bit product name in the prefix made again"
wineserver -w
echo "wine_prefix_check: ok"
