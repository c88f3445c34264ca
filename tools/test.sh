#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test suite:
#   native  ctest of the native preset (unit tests under AddressSanitizer and UBSan)
#   win32   ctest of the win32 preset (and of every other test preset, such as win64); the
#           .exe tests run under Wine through tools/wine-run.sh
#   e2e     every script tests/e2e/*.sh, with the Wine session's environment (see below)
#   fuzz    each libFuzzer target of the fuzz preset for a bounded time (when tests/fuzz exists)
#   layers  no include runs from the shell up into a subsystem, or across subsystems
# One Xvfb (unless DISPLAY is set) and one persistent wineserver serve the win32 and e2e suites;
# both end with the script. Prints one line per suite; exits non-zero when any suite fails.
#
# Settings: BRELK_JOBS (build and ctest jobs, default 4), BRELK_FUZZ_SECONDS (per target,
# default 20), BRELK_E2E_TIMEOUT (per script, default 300 s), and those of tools/wine-env.sh.
#
# An e2e script runs from the repository root with BRELK_ROOT, BRELK_BUILD, WINEPREFIX,
# DISPLAY, BRELK_WINE_SESSION=1 and the other Wine variables set; it runs programs with
# tools/wine-run.sh, lays out a program folder with tools/layout-program.sh DEST and takes
# pictures with tools/screenshot.sh. Exit code 0 passes.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
source "$here/wine-session.sh"
cd "$BRELK_ROOT"

jobs=${BRELK_JOBS:-4}
logs="$BRELK_BUILD/test-logs"
rm -rf "$logs"
mkdir -p "$logs"

summary=()
passed=0
failed=0
skipped=0
# result SUITE PASS|FAIL|SKIP DETAIL
result() {
    summary+=("$(printf '%-7s %-4s  %s' "$1:" "$2" "$3")")
    case $2 in
    PASS) passed=$((passed + 1)) ;;
    FAIL) failed=$((failed + 1)) ;;
    *) skipped=$((skipped + 1)) ;;
    esac
}
section() { printf '\n==== %s ====\n' "$1"; }
plural() { if [ "$1" -eq 1 ]; then echo "$1 $2"; else echo "$1 $2s"; fi; }

build() {
    local log="$logs/build-$1.log"
    echo "building preset $1"
    if { cmake --preset "$1" && cmake --build --preset "$1" -j "$jobs"; } >"$log" 2>&1; then
        return 0
    fi
    tail -n 40 "$log"
    return 1
}

ctest_suite() {
    local preset=$1 started=$SECONDS
    section "$preset"
    if ! build "$preset"; then
        result "$preset" FAIL "build failed (log: $logs/build-$preset.log)"
        return
    fi
    local count
    count=$(ctest --preset "$preset" -N 2>/dev/null | sed -n 's/^Total Tests: //p')
    if [ "${count:-0}" -eq 0 ]; then
        result "$preset" SKIP "no tests registered"
        return
    fi
    if ctest --preset "$preset" -j "$jobs" 2>&1 | tee "$logs/ctest-$preset.log"; then
        result "$preset" PASS "$(plural "$count" test) ($((SECONDS - started)) s)"
    else
        result "$preset" FAIL "see $logs/ctest-$preset.log"
    fi
}

e2e_suite() {
    local started=$SECONDS scripts=() script name fails=()
    section e2e
    shopt -s nullglob
    scripts=(tests/e2e/*.sh)
    shopt -u nullglob
    if [ ${#scripts[@]} -eq 0 ]; then
        result e2e SKIP "no scripts in tests/e2e"
        return
    fi
    for script in "${scripts[@]}"; do
        name=$(basename "$script" .sh)
        local runner=("$script")
        [ -x "$script" ] || runner=(bash "$script")
        if timeout --kill-after=10 "${BRELK_E2E_TIMEOUT:-300}" "${runner[@]}" \
            >"$logs/e2e-$name.log" 2>&1 </dev/null; then
            echo "e2e $name: ok"
        else
            echo "e2e $name: FAILED (exit $?)"
            tail -n 30 "$logs/e2e-$name.log" | sed 's/^/    /'
            fails+=("$name")
        fi
    done
    if [ ${#fails[@]} -eq 0 ]; then
        result e2e PASS "$(plural ${#scripts[@]} script) ($((SECONDS - started)) s)"
    else
        result e2e FAIL "${#fails[@]} of ${#scripts[@]} failed: ${fails[*]}"
    fi
}

fuzz_suite() {
    local started=$SECONDS secs=${BRELK_FUZZ_SECONDS:-20} targets=() target name fails=()
    section fuzz
    if [ ! -f tests/fuzz/CMakeLists.txt ]; then
        result fuzz SKIP "no tests/fuzz/CMakeLists.txt"
        return
    fi
    if ! build fuzz; then
        result fuzz FAIL "build failed (log: $logs/build-fuzz.log)"
        return
    fi
    mapfile -t targets < <(find "$BRELK_BUILD/fuzz/tests/fuzz" -maxdepth 1 -type f -executable |
        sort)
    if [ ${#targets[@]} -eq 0 ]; then
        result fuzz SKIP "no targets in build/fuzz/tests/fuzz"
        return
    fi
    for target in "${targets[@]}"; do
        name=$(basename "$target")
        # New inputs go to the cached corpus under build/; the committed seeds are only read.
        local corpus="$BRELK_BUILD/fuzz/corpus/$name" artifacts="$BRELK_BUILD/fuzz/artifacts/$name/"
        local dirs=("$corpus")
        [ -d "tests/fuzz/corpus/$name" ] && dirs+=("tests/fuzz/corpus/$name")
        mkdir -p "$corpus" "$artifacts"
        echo "fuzz $name: ${secs} s"
        if timeout --kill-after=10 $((secs + 120)) "$target" -max_total_time="$secs" \
            -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts" "${dirs[@]}" \
            >"$logs/fuzz-$name.log" 2>&1 </dev/null; then
            echo "fuzz $name: ok"
        else
            echo "fuzz $name: FAILED (inputs that fail are kept in $artifacts)"
            tail -n 40 "$logs/fuzz-$name.log" | sed 's/^/    /'
            fails+=("$name")
        fi
    done
    if [ ${#fails[@]} -eq 0 ]; then
        result fuzz PASS "$(plural ${#targets[@]} target) x ${secs} s ($((SECONDS - started)) s)"
    else
        result fuzz FAIL "${#fails[@]} of ${#targets[@]} failed: ${fails[*]}"
    fi
}

prefix_job=
finish() {
    [ -n "$prefix_job" ] && wait "$prefix_job" 2>/dev/null
    brelk_session_stop
}
trap finish EXIT
trap 'exit 130' INT TERM

section setup
"$here/setup-deps.sh" || {
    echo "test: installing the dependencies failed" >&2
    exit 1
}
# A fresh prefix takes about half a minute: make it while the code compiles.
if [ ! -f "$WINEPREFIX/.brelk-ready" ]; then
    brelk_wine_prefix_ensure >"$logs/wineprefix.log" 2>&1 &
    prefix_job=$!
fi

# The committed artwork and window regions must be what their generators make.
generated_suite() {
    local log="$logs/generated.log" started=$SECONDS
    section generated
    if {
        /usr/bin/python3 "$BRELK_ROOT/tools/art/make_art.py" --check &&
            /usr/bin/python3 -m unittest discover -s "$BRELK_ROOT/tools/art" -q &&
            /usr/bin/python3 "$BRELK_ROOT/tools/layout/embed_regions.py" --check &&
            /usr/bin/python3 "$BRELK_ROOT/tools/art/make_shipped.py" --check
    } >"$log" 2>&1; then
        result generated PASS "artwork, regions ($((SECONDS - started)) s)"
    else
        tail -n 20 "$log"
        result generated FAIL "committed artwork or regions differ (log: $log)"
    fi
}
generated_suite

# The sources keep the repository's clang-format style.
format_suite() {
    local log="$logs/format.log"
    section format
    if git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' |
        xargs clang-format --dry-run --Werror >"$log" 2>&1; then
        result format PASS "clang-format"
    else
        head -n 20 "$log"
        result format FAIL "sources differ from the clang-format style (log: $log)"
    fi
}
format_suite

# Includes run from the subsystems down to the shell, never back up (tools/check-layers.sh).
section layers
if "$here/check-layers.sh" >"$logs/layers.log" 2>&1; then
    result layers PASS "includes run downwards only"
else
    head -n 20 "$logs/layers.log"
    result layers FAIL "an include runs against the floors (log: $logs/layers.log)"
fi

# Every test preset: "native" runs on the host, the others are Windows builds run under Wine.
mapfile -t presets < <(ctest --list-presets 2>/dev/null | sed -n 's/^  "\([^"]*\)".*/\1/p')
for preset in "${presets[@]}"; do
    [ "$preset" = native ] && ctest_suite native
done

if [ -n "$prefix_job" ]; then
    wait "$prefix_job"
    prefix_job=
fi
if brelk_session_start; then
    for preset in "${presets[@]}"; do
        [ "$preset" = native ] || ctest_suite "$preset"
    done
    e2e_suite
else
    cat "$logs/wineprefix.log" 2>/dev/null
    for preset in "${presets[@]}"; do
        [ "$preset" = native ] || result "$preset" FAIL "the Wine session did not start"
    done
    result e2e FAIL "the Wine session did not start"
fi
brelk_session_stop

fuzz_suite

section summary
printf '%s\n' "${summary[@]}"
echo "suites: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
