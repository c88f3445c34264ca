# Environment for running the Win32 programs under Wine; source it (bash).
#
# Sets the variables every Wine call of this repository uses and defines
#   brelk_wine PROGRAM [ARGS]   run a program with the loader for its kind and the right locale
#   brelk_wine_prefix_ensure    create the private prefix once (cached under build/)
#
# Variables a developer may set beforehand:
#   BRELK_WINEPREFIX    prefix to use (default build/wineprefix); give each parallel checkout
#                       or developer its own
#   BRELK_WINE_LOCALE   Unix locale Wine derives the Windows locale from (default de_DE.UTF-8:
#                       German Windows, ANSI code page 1252)
#   BRELK_WINEDEBUG     Wine's debug channels (default -all)

BRELK_ROOT=${BRELK_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export BRELK_ROOT
export BRELK_BUILD="$BRELK_ROOT/build"

export WINEPREFIX=${BRELK_WINEPREFIX:-$BRELK_BUILD/wineprefix}
export WINEARCH=win64
export WINEDEBUG=${BRELK_WINEDEBUG:--all}
# No Mono or Gecko installer dialogs, no menu entries or file associations in the user's desktop,
# and no debugger on a crash: the crashed program ends at once instead of waiting for winedbg.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
export BRELK_WINE_LOCALE=${BRELK_WINE_LOCALE:-de_DE.UTF-8}
# Where the kernel cannot execute 32-bit x86 code, the 32-bit Wine loader runs under qemu's
# user-mode emulator (see tools/setup-deps.sh). Wine probes the whole address space above 2 GiB
# page by page at every process start; limiting the emulated space to just above 2 GiB (what a
# 32-bit Windows program may use anyway) cuts that start from about a minute to a few seconds.
# Native execution ignores the variable.
export QEMU_RESERVED_VA=0x81000000

# The 64-bit loader runs the prefix's own services natively; used for prefix set-up.
BRELK_WINE64=/usr/lib/wine/wine64

# The loader for a program: a 64-bit program goes straight to the 64-bit loader (the 32-bit one
# would hand it over, after its own, possibly emulated, start); anything else to `wine`.
brelk_wine_loader() {
    local pe machine
    if [ -f "$1" ] &&
        pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null) &&
        machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$1" 2>/dev/null) &&
        [ "${machine// /}" = 8664 ]; then
        echo "$BRELK_WINE64"
    else
        echo wine
    fi
}

brelk_wine() {
    LC_ALL=$BRELK_WINE_LOCALE "$(brelk_wine_loader "$1")" "$@"
}

# Creates the prefix on first use. A lock makes parallel callers (ctest -j) wait for one
# creator; the prefix is built under a temporary name and renamed when complete, so an
# interrupted creation never leaves a half-made prefix behind.
brelk_wine_prefix_ensure() {
    [ -f "$WINEPREFIX/.brelk-ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    local lock
    exec {lock}>"$WINEPREFIX.lock"
    flock "$lock"
    if [ ! -f "$WINEPREFIX/.brelk-ready" ]; then
        local fresh="$WINEPREFIX.new"
        rm -rf "$fresh" "$WINEPREFIX"
        echo "wine: creating prefix $WINEPREFIX (once, about half a minute)" >&2
        local started=$SECONDS
        if ! (
            export WINEPREFIX=$fresh
            unset DISPLAY # no dialogs on the developer's screen while the prefix is made
            LC_ALL=$BRELK_WINE_LOCALE "$BRELK_WINE64" wineboot --init >/dev/null 2>&1 &&
                # Windows not managed by a window manager: under a bare Xvfb Wine would
                # otherwise wait two seconds for every window it hides or destroys.
                "$BRELK_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
                    >/dev/null 2>&1 &&
                # Windows records its folder as PathName; Wine's registry has none.
                "$BRELK_WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion' \
                    /v PathName /d 'C:\windows' /f >/dev/null 2>&1 &&
                timeout 120 wineserver -w
        ); then
            echo "wine: creating the prefix failed" >&2
            rm -rf "$fresh"
            exec {lock}>&-
            return 1
        fi
        touch "$fresh/.brelk-ready"
        mv "$fresh" "$WINEPREFIX"
        echo "wine: prefix ready in $((SECONDS - started)) s" >&2
    fi
    exec {lock}>&-
}
