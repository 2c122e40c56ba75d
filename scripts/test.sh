#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: once plainly and
# once shuffled and repeated, again in the trees a packager builds (optimised Release, and
# clang), once more with AddressSanitizer and UndefinedBehaviorSanitizer over the Qt-free
# libraries, then the profile reader under libFuzzer for a minute. Every tree treats warnings as
# errors. A tree whose tests fail does not stop the others; the run ends with a line for each
# tree and one for the fuzzer, and fails with the first failure's status.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/owner.sh
jobs=$(nproc)

summary=()
status=0
print_summary() {
    if [ ${#summary[@]} -gt 0 ]; then
        echo
        printf '%s\n' "${summary[@]}"
    fi
}
trap print_summary EXIT

# build_tree DIR COMMAND...: a tree that does not build ends the run there.
build_tree() {
    local dir=$1
    shift
    "$@" || {
        local failed=$?
        summary+=("$dir: the build failed (its errors are above)")
        exit $failed
    }
}

# skip_reasons LOG NAME...: why each of the named tests was skipped, a line each, from ctest's log
# of the run. A script says why on a line "SKIPPED: ...", GoogleTest under "FILE:LINE: Skipped" for
# each case, up to the case's "[  SKIPPED ] NAME" line. A repeated case is named once.
skip_reasons() {
    local log=$1
    shift
    awk -v names="$*" '
        function say(line) { if (!(line in said)) { said[line] = 1; print "  " line }; told = 1 }
        BEGIN { split(names, list, " "); for (i in list) skipped[list[i]] = 1 }
        /^[0-9]+\/[0-9]+ Testing: / { test = $3; inside = test in skipped; told = 0; next }
        !inside { next }
        /^<end of output>$/ {
            if (!told) say("skipped " test ": it gave no reason")
            inside = 0
            next
        }
        /^SKIPPED: / { say("skipped " test ": " substr($0, 10)); next }
        /^[^ ].*:[0-9]+: Skipped$/ { gathering = 1; why = ""; next }
        gathering && /^\[  SKIPPED \] / {
            say("skipped " test " (" $4 "): " (why == "" ? "it gave no reason" : why))
            gathering = 0
            next
        }
        gathering && NF { why = why == "" ? $0 : why " " $0 }
    ' "$log"
}

# test_tree DIR [ctest options...]: runs a tree's tests and sums them up from ctest's closing lines
# ("97% tests passed, 2 tests failed out of 60", then the skipped and the failed tests by name),
# with the reason for each skipped test, which ctest leaves in its log, under the name $label
# when it is set. A tree without tests fails: its tests went missing.
test_tree() {
    local dir=$1 name=${label:-$1} failed=0
    shift
    local out=$dir/Testing/ctest-output.txt
    mkdir -p "$dir/Testing"
    ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$jobs" "$@" | tee "$out" ||
        failed=$?
    local counts total failures names skipped
    counts=$(sed -n 's/^[0-9]*% tests passed, \([0-9]*\) tests* failed out of \([0-9]*\)$/\1 \2/p' \
        "$out")
    read -r failures total <<<"${counts:-0 0}"
    mapfile -t names < <(sed -n 's/^\s\+[0-9]\+ - \(.*\) (Skipped)$/\1/p' "$out")
    skipped=${#names[@]}
    if [ "$total" -eq 0 ]; then
        summary+=("$name: no tests found")
    else
        summary+=("$name: $((total - failures - skipped)) passed, $failures failed, $skipped skipped")
    fi
    if [ "$skipped" -gt 0 ]; then
        mapfile -t -O ${#summary[@]} summary < \
            <(skip_reasons "$dir/Testing/Temporary/LastTest.log" "${names[@]}")
    fi
    if [ $failed -ne 0 ] && [ $status -eq 0 ]; then
        status=$failed
    fi
}

build_tree build scripts/build.sh build
test_tree build
# Once more in random order, each program three times over: a test that leans on what another
# left behind, or on running once, fails here. The seed is named for a rerun in the same order.
seed=$((RANDOM + 1))
label="build (shuffled with seed $seed, repeated 3 times)" GTEST_SHUFFLE=1 GTEST_REPEAT=3 \
    GTEST_RANDOM_SEED=$seed test_tree build -E '^test_kernel_end_to_end$'

# The trees a packager builds: -O3 brings warnings of its own, and clang both warnings and
# failures of its own. clang builds Debug, the quickest to compile, and no less strict. The
# kernel end-to-end run, by far the longest test, is done once above.
build_tree build-release scripts/build.sh build-release -DCMAKE_BUILD_TYPE=Release
test_tree build-release -E '^test_kernel_end_to_end$'
CC=clang CXX=clang++ build_tree build-clang scripts/build.sh build-clang -DCMAKE_BUILD_TYPE=Debug
test_tree build-clang -E '^test_kernel_end_to_end$'

build_tree build-sanitize scripts/build.sh build-sanitize -DQV_SANITIZE=ON -DQV_WITH_UI=OFF
test_tree build-sanitize

# The fuzzer's build tree (clang), its seed corpus written by the profile writer, and a one-minute
# run that fails the script on the first crash; new inputs it finds go to a folder of their own.
# Whole profiles run to a few kilobytes, hence the longer inputs. Its thousands of progress lines
# go to a log; a crash's report is shown.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQV_WERROR=ON -DQV_FUZZ=ON -DQV_WITH_UI=OFF -DQV_BENCH=OFF >/dev/null
build_tree build-fuzz cmake --build build-fuzz --target fuzz_profile_reader profile_corpus
mkdir -p build-fuzz/fuzz/found
log=build-fuzz/fuzz/fuzz.log
echo "Fuzzing the profile reader for a minute (its output: $log)"
failed=0
build-fuzz/fuzz/fuzz_profile_reader -max_total_time=60 -max_len=16384 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/fuzz/ build-fuzz/fuzz/found build-fuzz/fuzz/corpus >"$log" 2>&1 ||
    failed=$?
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
if [ $failed -eq 0 ]; then
    summary+=("fuzzer: ${runs:-?} runs, no crash (its output: $log)")
else
    # What the fuzzer printed after its last progress line: the crash report and the input's file.
    awk '/^#[0-9]+/ { last = NR } { line[NR] = $0 }
        END { for (i = last + 1; i <= NR; ++i) print line[i] }' "$log"
    summary+=("fuzzer: failed after ${runs:-?} runs, its report is above (its output: $log)")
    if [ $status -eq 0 ]; then
        status=$failed
    fi
fi
exit $status
