#!/bin/sh
# Times the program's registry export against Wine's own "regedit /e" of the same branches, in
# one run, and prints the time ratio and the peak memory (resident set) of both.
#
# Usage, from the worktree root after "cmake --build --preset win64":
#   tools/bench/bench_registry_export.sh [runs per branch, default 3]
# Branches: HKEY_LOCAL_MACHINE\Software of the prefix, a synthetic branch of 1,000 keys with
# 100 values each (built for the run and removed after it), and a small branch as the memory
# baseline. Each side runs as its own Wine process against one persistent wineserver; the
# figures are the medians of the runs.
set -eu

runs=${1:-3}
top=$(pwd)
bench="$top/build/win64/tools/bench/bench_registry_export.exe"
[ -f "$bench" ] || { echo "build the win64 preset first" >&2; exit 1; }
export WINEPREFIX="${WINEPREFIX:-$top/build/pfx64}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
wine=/usr/lib/wine/wine64
synthetic='Software\BrelkBench\Synthetic'
work=$(mktemp -d /tmp/bench_registry_export.XXXXXX)
winwork="Z:$(echo "$work" | tr / '\\')"

cleanup() {
    "$wine" "$bench" clean 'Software\BrelkBench' >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

# One server for the whole run, kept for a minute after its last client, so that neither side
# pays for starting it and loading the registry.
/usr/lib/wine/wineserver -p60 2>/dev/null || true # an existing server is used as it is

# median of the numbers on stdin
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# measure <label> <command...>: runs the command $runs times; prints "seconds kilobytes" and
# keeps what the command printed in $work/<label>.out
measure() {
    label=$1
    shift
    : >"$work/$label.times"
    : >"$work/$label.out"
    i=0
    while [ $i -lt "$runs" ]; do
        /usr/bin/time -f "%e %M" -o "$work/one" "$@" >>"$work/$label.out"
        cat "$work/one" >>"$work/$label.times"
        i=$((i + 1))
    done
    echo "$(cut -d' ' -f1 "$work/$label.times" | median) $(cut -d' ' -f2 "$work/$label.times" | median)"
}

# compare <title> <root> <path>
compare() {
    ours=$(measure ours "$wine" "$bench" export "$2" "$3" "$winwork\\ours.reg")
    theirs=$(measure regedit "$wine" 'C:\windows\regedit.exe' /e "$winwork\\regedit.reg" "$2\\$3")
    size=$(stat -c %s "$work/ours.reg")
    inside=$(awk '/^export_ms/ {print $2 / 1000}' "$work/ours.out" | median)
    : >"$work/walk.out"
    i=0
    while [ $i -lt "$runs" ]; do
        "$wine" "$bench" walk "$2" "$3" >>"$work/walk.out"
        i=$((i + 1))
    done
    floor=$(awk '/^walk_ms/ {print $2 / 1000}' "$work/walk.out" | median)
    echo "$1|$ours|$theirs|$size|$inside|$floor" | awk -F'|' '{
        split($2, o, " "); split($3, r, " ");
        printf "%-34s %8.2f s %8.2f s %6.2fx %8.2f s %8.2f s %6.2fx %8d KB %8d KB %9d bytes\n",
               $1, o[1], r[1], (o[1] > 0 ? r[1] / o[1] : 0), $5, $6, ($6 > 0 ? $5 / $6 : 0),
               o[2], r[2], $4 }'
}

echo "building the synthetic branch (1,000 keys x 100 values)..."
"$wine" "$bench" synth "$synthetic" 1000 100

printf "%-34s %10s %10s %7s %10s %10s %7s %11s %11s %15s\n" branch ours regedit ratio \
    "(export)" "(walk)" "/walk" "ours peak" "regedit peak" "file (ours)"
compare "HKLM\\Software" HKEY_LOCAL_MACHINE Software
compare "synthetic, 100,000 values" HKEY_CURRENT_USER "$synthetic"
compare "HKCU\\Software\\Wine (baseline)" HKEY_CURRENT_USER 'Software\Wine'
echo "ours, regedit: whole process, start included; ratio = regedit / ours;"
echo "(export): our export alone, inside its process; (walk): a bare walk of the same branch"
echo "(the same opens, key figures and enumerations, nothing formatted or written), inside its"
echo "process; /walk = (export) / (walk); peak: resident set of each process"
