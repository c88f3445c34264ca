#!/usr/bin/env bash
# Installs what is missing, builds both presets and runs every test suite:
#   native  ctest of the native preset (unit tests under AddressSanitizer and UBSan)
#   win32   ctest of the win32 preset (and of every other test preset, such as win64); the
#           .exe tests run under Wine through tools/wine-run.sh
#   e2e     every script tests/e2e/*.sh, with the Wine session's environment (see below)
#   fuzz    each libFuzzer target of the fuzz preset for a bounded time (when tests/fuzz exists)
#   layers  no include runs from the shell up into a subsystem, or across subsystems
# One Xvfb (unless DISPLAY is set) and one persistent wineserver serve the win32 and e2e suites;
# both end with the script. All presets build side by side from the start; the native and fuzz
# suites run beside the Wine suites. Prints one line per suite with its build and test times;
# exits non-zero when any suite fails.
#
# Settings: BRELK_JOBS (jobs of each build and ctest run, default the processor count),
# BRELK_FUZZ_SECONDS (per target, default 20), BRELK_E2E_TIMEOUT (per script, default 300 s),
# BRELK_E2E_LANES (end-to-end scripts run side by side, default 3), and those of
# tools/wine-env.sh.
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

jobs=${BRELK_JOBS:-$(nproc)}
logs="$BRELK_BUILD/test-logs"
rm -rf "$logs"
mkdir -p "$logs/results"

# Suites run side by side, some in background jobs, so each writes its summary line into a file
# of its own (numbered in the order of the summary) and the counts are made at the end.
suite_order=0
declare -A suite_slot=()
# result SUITE PASS|FAIL|SKIP DETAIL
result() {
    printf '%-7s %-4s  %s\n' "$1:" "$2" "$3" >"$logs/results/${suite_slot[$1]:-99}-$1"
}
slot() {
    suite_order=$((suite_order + 1))
    suite_slot[$1]=$(printf '%02d' "$suite_order")
}
section() { printf '\n==== %s ====\n' "$1"; }
plural() { if [ "$1" -eq 1 ]; then echo "$1 $2"; else echo "$1 $2s"; fi; }

# Every preset builds in a background job of its own from the start; a suite waits for the
# builds it needs. build_start PRESET; build_wait PRESET returns the build's exit code and
# leaves its duration in build_secs.
declare -A build_job=()
build_start() {
    local log="$logs/build-$1.log" status="$logs/build-$1.status"
    (
        started=$SECONDS
        { cmake --preset "$1" && cmake --build --preset "$1" -j "$jobs"; } >"$log" 2>&1
        echo "$? $((SECONDS - started))" >"$status"
    ) &
    build_job[$1]=$!
}
build_secs=0
build_wait() {
    local status="$logs/build-$1.status" rc
    [ -n "${build_job[$1]:-}" ] || build_start "$1"
    # Polled rather than waited for: suites in background jobs wait too, and a job can only wait
    # for its own children.
    while [ ! -f "$status" ] && kill -0 "${build_job[$1]}" 2>/dev/null; do sleep 1; done
    read -r rc build_secs <"$status" 2>/dev/null || { rc=1 build_secs=0; }
    if [ "$rc" -ne 0 ]; then
        echo "building preset $1 failed:"
        tail -n 40 "$logs/build-$1.log"
    fi
    return "$rc"
}

ctest_suite() {
    local preset=$1
    section "$preset"
    if ! build_wait "$preset"; then
        result "$preset" FAIL "build failed after $build_secs s (log: $logs/build-$preset.log)"
        return
    fi
    echo "preset $preset built in $build_secs s"
    local count started=$SECONDS
    count=$(ctest --preset "$preset" -N 2>/dev/null | sed -n 's/^Total Tests: //p')
    if [ "${count:-0}" -eq 0 ]; then
        result "$preset" SKIP "no tests registered"
        return
    fi
    # No second attempt: a case that passes only then is a fault a user can meet. A case that
    # does not end is named by the watchdog (tools/case_watchdog.py) in the log.
    if ctest --preset "$preset" -j "$jobs" >"$logs/ctest-$preset.log" 2>&1; then
        result "$preset" PASS "$(plural "$count" test) (build $build_secs s, test $((SECONDS - started)) s)"
    else
        tail -n 60 "$logs/ctest-$preset.log"
        local hang
        hang=$(grep -m1 -o 'watchdog: [^ ]* did not end' "$logs/ctest-$preset.log")
        result "$preset" FAIL "build $build_secs s, test $((SECONDS - started)) s${hang:+, $hang}; see $logs/ctest-$preset.log"
    fi
    tail -n 3 "$logs/ctest-$preset.log"
}

# The end-to-end scripts run in BRELK_E2E_LANES lanes (default 3) side by side. A lane is a
# Wine session of its own, with its own Xvfb and its own copy of the prefix (made by
# e2e_prefixes before the main session starts), so lanes see neither each other's windows nor
# each other's registry; each runs its share of the scripts one after another.
e2e_lanes=${BRELK_E2E_LANES:-3}
[ "$e2e_lanes" -ge 1 ] 2>/dev/null || e2e_lanes=1
e2e_prefixes() {
    local k
    for k in $(seq "$e2e_lanes"); do
        rm -rf "$WINEPREFIX-e2e$k"
        cp -a "$WINEPREFIX" "$WINEPREFIX-e2e$k" || return 1
    done
}

# e2e_lane K SCRIPT...: records "EXIT SECONDS" of each script in $logs/e2e-status/NAME.
e2e_lane() {
    local k=$1 script name runner begun
    shift
    (
        export WINEPREFIX="$WINEPREFIX-e2e$k"
        unset DISPLAY BRELK_WINE_SESSION
        BRELK_XVFB_PID= BRELK_WINESERVER_PID=
        trap brelk_session_stop EXIT
        trap 'exit 130' INT TERM
        if ! brelk_session_start; then
            for script in "$@"; do echo "99 0" >"$logs/e2e-status/$(basename "$script" .sh)"; done
            exit 1
        fi
        for script in "$@"; do
            name=$(basename "$script" .sh)
            runner=("$script")
            [ -x "$script" ] || runner=(bash "$script")
            begun=$SECONDS
            timeout --kill-after=10 "${BRELK_E2E_TIMEOUT:-300}" "${runner[@]}" \
                >"$logs/e2e-$name.log" 2>&1 </dev/null
            echo "$? $((SECONDS - begun))" >"$logs/e2e-status/$name"
        done
    )
}

e2e_suite() {
    local started=$SECONDS scripts=() script name fails=() rc secs k preset
    section e2e
    shopt -s nullglob
    scripts=(tests/e2e/*.sh)
    shopt -u nullglob
    if [ ${#scripts[@]} -eq 0 ]; then
        result e2e SKIP "no scripts in tests/e2e"
        return
    fi
    # The scripts run the programs of the Windows builds.
    for preset in "${presets[@]}"; do
        [ "$preset" = native ] && continue
        if ! build_wait "$preset"; then
            result e2e FAIL "the $preset build failed"
            return
        fi
    done
    started=$SECONDS
    mkdir -p "$logs/e2e-status"
    local -a lanes=() pids=()
    for k in $(seq 0 $((${#scripts[@]} - 1))); do
        lanes[k % e2e_lanes]+="${scripts[k]} "
    done
    for k in "${!lanes[@]}"; do
        # shellcheck disable=SC2086 # the lane's list of script paths
        e2e_lane $((k + 1)) ${lanes[k]} &
        pids+=($!)
    done
    wait "${pids[@]}"
    for script in "${scripts[@]}"; do
        name=$(basename "$script" .sh)
        read -r rc secs <"$logs/e2e-status/$name" 2>/dev/null || { rc=1 secs=0; }
        if [ "$rc" -eq 0 ]; then
            echo "e2e $name: ok ($secs s)"
        else
            echo "e2e $name: FAILED (exit $rc after $secs s)"
            tail -n 30 "$logs/e2e-$name.log" | sed 's/^/    /'
            fails+=("$name")
        fi
    done
    for k in $(seq "$e2e_lanes"); do rm -rf "$WINEPREFIX-e2e$k"; done
    if [ ${#fails[@]} -eq 0 ]; then
        result e2e PASS "$(plural ${#scripts[@]} script) in $e2e_lanes lanes (test $((SECONDS - started)) s)"
    else
        result e2e FAIL "${#fails[@]} of ${#scripts[@]} failed: ${fails[*]}"
    fi
}

# The longest input libFuzzer makes for a target. The performance block reader takes two
# blocks, each able to outgrow the sampler's first 8 KiB buffer and one growth step.
fuzz_max_len() {
    case $1 in
    fuzz_perf_block) echo 32768 ;;
    fuzz_picture) echo 65536 ;;
    fuzz_module_list) echo 16384 ;;
    *) echo 8192 ;;
    esac
}

fuzz_suite() {
    local secs=${BRELK_FUZZ_SECONDS:-20} targets=() target name fails=()
    section fuzz
    if [ ! -f tests/fuzz/CMakeLists.txt ]; then
        result fuzz SKIP "no tests/fuzz/CMakeLists.txt"
        return
    fi
    if ! build_wait fuzz; then
        result fuzz FAIL "build failed after $build_secs s (log: $logs/build-fuzz.log)"
        return
    fi
    local started=$SECONDS
    mapfile -t targets < <(find "$BRELK_BUILD/fuzz/tests/fuzz" -maxdepth 1 -type f -executable |
        sort)
    if [ ${#targets[@]} -eq 0 ]; then
        result fuzz SKIP "no targets in build/fuzz/tests/fuzz"
        return
    fi
    # The targets are single-threaded: they run side by side.
    local -A pids=()
    for target in "${targets[@]}"; do
        name=$(basename "$target")
        # New inputs go to the cached corpus under build/; the committed seeds are only read.
        local corpus="$BRELK_BUILD/fuzz/corpus/$name" artifacts="$BRELK_BUILD/fuzz/artifacts/$name/"
        local dirs=("$corpus")
        [ -d "tests/fuzz/corpus/$name" ] && dirs+=("tests/fuzz/corpus/$name")
        mkdir -p "$corpus" "$artifacts"
        timeout --kill-after=10 $((secs + 120)) "$target" -max_total_time="$secs" \
            -max_len="$(fuzz_max_len "$name")" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$artifacts" "${dirs[@]}" >"$logs/fuzz-$name.log" 2>&1 </dev/null &
        pids[$name]=$!
    done
    for name in "${!pids[@]}"; do
        if wait "${pids[$name]}"; then
            echo "fuzz $name: ok"
        else
            echo "fuzz $name: FAILED (inputs that fail are kept in $BRELK_BUILD/fuzz/artifacts/$name/)"
            tail -n 40 "$logs/fuzz-$name.log" | sed 's/^/    /'
            fails+=("$name")
        fi
    done
    if [ ${#fails[@]} -eq 0 ]; then
        result fuzz PASS "$(plural ${#targets[@]} target) x ${secs} s (build $build_secs s, test $((SECONDS - started)) s)"
    else
        result fuzz FAIL "${#fails[@]} of ${#targets[@]} failed: ${fails[*]}"
    fi
}

prefix_job=
background=()
finish() {
    local pid
    for pid in "${background[@]}" "${build_job[@]}"; do
        kill "$pid" 2>/dev/null
    done
    [ -n "$prefix_job" ] && wait "$prefix_job" 2>/dev/null
    brelk_session_stop
}
trap finish EXIT
trap 'exit 130' INT TERM

# The order of the summary.
mapfile -t presets < <(ctest --list-presets 2>/dev/null | sed -n 's/^  "\([^"]*\)".*/\1/p')
for suite in generated format layers "${presets[@]}" e2e fuzz; do slot "$suite"; done

section setup
"$here/setup-deps.sh" || {
    echo "test: installing the dependencies failed" >&2
    exit 1
}
# A fresh prefix takes about half a minute: make it while the code compiles.
if ! brelk_wine_prefix_ready; then
    brelk_wine_prefix_ensure >"$logs/wineprefix.log" 2>&1 &
    prefix_job=$!
fi

# Every preset's build starts now; the suites below wait for theirs.
for preset in "${presets[@]}"; do build_start "$preset"; done
[ -f tests/fuzz/CMakeLists.txt ] && build_start fuzz

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

# The suites that share no build and no Wine session run side by side: the native unit tests
# and the fuzz targets in background jobs (their output is shown at the end), the Wine suites
# here, one after the other in one session.
for preset in "${presets[@]}"; do
    if [ "$preset" = native ]; then
        ctest_suite native >"$logs/suite-native.out" 2>&1 &
        background+=($!)
    fi
done
fuzz_suite >"$logs/suite-fuzz.out" 2>&1 &
background+=($!)

if [ -n "$prefix_job" ]; then
    wait "$prefix_job"
    prefix_job=
fi
# The end-to-end lanes get their prefixes while no server uses the prefix, then run beside the
# Wine test suites.
if ! e2e_prefixes; then
    result e2e FAIL "cannot copy the Wine prefix for the end-to-end lanes"
elif brelk_wine_prefix_ready; then
    e2e_suite >"$logs/suite-e2e.out" 2>&1 &
    background+=($!)
fi
if brelk_session_start; then
    for preset in "${presets[@]}"; do
        [ "$preset" = native ] || ctest_suite "$preset"
    done
else
    cat "$logs/wineprefix.log" 2>/dev/null
    for preset in "${presets[@]}"; do
        [ "$preset" = native ] || result "$preset" FAIL "the Wine session did not start"
    done
fi
brelk_session_stop

for pid in "${background[@]}"; do wait "$pid"; done
background=()
for out in "$logs"/suite-*.out; do
    [ -f "$out" ] && cat "$out"
done

section summary
passed=0 failed=0 skipped=0
for suite in generated format layers "${presets[@]}" e2e fuzz; do
    line="$logs/results/${suite_slot[$suite]}-$suite"
    # A suite that left no line was ended before it could give one.
    [ -f "$line" ] || result "$suite" FAIL "ended without a result"
    cat "$line"
    case $(awk '{print $2}' "$line") in
    PASS) passed=$((passed + 1)) ;;
    FAIL) failed=$((failed + 1)) ;;
    *) skipped=$((skipped + 1)) ;;
    esac
done
echo "suites: $passed passed, $failed failed, $skipped skipped (whole run $SECONDS s)"
[ "$failed" -eq 0 ]
