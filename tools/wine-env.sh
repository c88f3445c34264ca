# Environment for running the Win32 programs under Wine; source it (bash).
#
# Sets the variables every Wine call of this repository uses and defines
#   brelk_wine PROGRAM [ARGS]   run a program with the loader for its kind and the right locale
#   brelk_wine_prefix_ensure    create the private prefix once (cached under build/), and again
#                               when it is incomplete
#   brelk_wine_prefix_ready     whether the prefix is made and complete in both registry views
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

# Values every complete prefix holds in both of its registry views, the 64-bit one and the
# 32-bit one (under Wow6432Node), as KEY|VALUE below HKLM\Software: the programs read them at
# start, and brelk refuses to run when its view lacks the Windows product name. Wine fills the
# 32-bit view with 32-bit programs of its own while it makes the prefix; where one of them
# fails (under emulation it can), the prefix looks made but its 32-bit view is incomplete.
BRELK_PREFIX_VALUES=(
    'Microsoft\Windows NT\CurrentVersion|ProductName'
    'Microsoft\Windows\CurrentVersion|ProgramFilesDir'
)

# Prints each value of BRELK_PREFIX_VALUES, in either view, that the prefix PREFIX lacks (one a
# line: "HKLM\Software\Wow6432Node\Microsoft\Windows NT\CurrentVersion value ProductName");
# prints nothing for a complete prefix. Reads the prefix's registry file, without Wine.
brelk_wine_prefix_lacking() {
    local entry wanted=""
    for entry in "${BRELK_PREFIX_VALUES[@]}"; do
        wanted+="Software\\$entry"$'\n'"Software\\Wow6432Node\\$entry"$'\n'
    done
    # The file's key lines are "[Software\\Microsoft\\...] stamp", its values "\"Name\"=...".
    cat "$1/system.reg" 2>/dev/null | awk -v wanted="$wanted" '
        BEGIN {
            n = split(wanted, list, "\n")
            for (i = 1; i <= n; i++) if (list[i] != "") need[tolower(list[i])] = list[i]
        }
        /^\[/ {
            key = tolower(substr($0, 2, index($0, "]") - 2))
            gsub(/\\\\/, "\\", key)
            next
        }
        /^"/ {
            name = substr($0, 2)
            delete need[key "|" tolower(substr(name, 1, index(name, "\"") - 1))]
        }
        END {
            for (k in need) {
                line = "HKLM\\" need[k]
                sub(/\|/, " value ", line)
                print line
            }
        }' | sort
}

# Whether the prefix PREFIX (default the one in use) was made and is complete in both views.
brelk_wine_prefix_ready() {
    local prefix=${1:-$WINEPREFIX}
    [ -f "$prefix/.brelk-ready" ] && [ -z "$(brelk_wine_prefix_lacking "$prefix")" ]
}

# Makes a prefix in the folder FRESH (which must not exist); fails, leaving nothing behind,
# when Wine fails or the new prefix is incomplete.
brelk_wine_prefix_make() {
    local fresh=$1 lacking
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
        return 1
    fi
    lacking=$(brelk_wine_prefix_lacking "$fresh")
    if [ -n "$lacking" ]; then
        echo "wine: the new prefix is incomplete; it lacks:" >&2
        echo "$lacking" | sed 's/^/  /' >&2
        rm -rf "$fresh"
        return 1
    fi
    touch "$fresh/.brelk-ready"
}

# Creates the prefix on first use, and makes it again when it is incomplete (see
# BRELK_PREFIX_VALUES). A lock makes parallel callers (ctest -j) wait for one creator; the
# prefix is built under a temporary name and renamed when complete, so an interrupted or
# failed creation never leaves a half-made prefix behind. Up to three attempts.
brelk_wine_prefix_ensure() {
    brelk_wine_prefix_ready && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    local lock rc=0
    exec {lock}>"$WINEPREFIX.lock"
    flock "$lock"
    if ! brelk_wine_prefix_ready; then
        if [ -f "$WINEPREFIX/.brelk-ready" ]; then
            echo "wine: the prefix $WINEPREFIX is incomplete; it lacks:" >&2
            brelk_wine_prefix_lacking "$WINEPREFIX" | sed 's/^/  /' >&2
            echo "wine: making it again" >&2
        fi
        local fresh="$WINEPREFIX.new" started=$SECONDS attempt
        rm -rf "$fresh" "$WINEPREFIX"
        rc=1
        for attempt in 1 2 3; do
            echo "wine: creating prefix $WINEPREFIX (about half a minute), attempt $attempt of 3" \
                >&2
            if brelk_wine_prefix_make "$fresh"; then
                mv "$fresh" "$WINEPREFIX"
                echo "wine: prefix ready in $((SECONDS - started)) s" >&2
                rc=0
                break
            fi
        done
        [ "$rc" = 0 ] || echo "wine: no complete prefix after 3 attempts" >&2
    fi
    exec {lock}>&-
    return "$rc"
}
