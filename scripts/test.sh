#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: once plainly, again
# in the trees a packager builds (optimised Release, and clang), once more with AddressSanitizer
# and UndefinedBehaviorSanitizer over the Qt-free libraries, then the profile reader under
# libFuzzer for a minute. Every tree treats warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/owner.sh
jobs=$(nproc)

scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"
# ctest names a skipped test without its reason; the tests print theirs on a line of its own.
grep -h '^SKIPPED: ' build/Testing/Temporary/LastTest.log || true

# The trees a packager builds: -O3 brings warnings of its own, and clang both warnings and
# failures of its own. clang builds Debug, the quickest to compile, and no less strict. The
# kernel end-to-end run, by far the longest test, is done once above.
scripts/build.sh build-release -DCMAKE_BUILD_TYPE=Release
ctest --test-dir build-release --output-on-failure -j "$jobs" -E '^test_kernel_end_to_end$'
CC=clang CXX=clang++ scripts/build.sh build-clang -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir build-clang --output-on-failure -j "$jobs" -E '^test_kernel_end_to_end$'

scripts/build.sh build-sanitize -DQV_SANITIZE=ON -DQV_WITH_UI=OFF
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# The fuzzer's build tree (clang), its seed corpus written by the profile writer, and a one-minute
# run that fails the script on the first crash; new inputs it finds go to a folder of their own.
# Whole profiles run to a few kilobytes, hence the longer inputs.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQV_WERROR=ON -DQV_FUZZ=ON -DQV_WITH_UI=OFF -DQV_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_profile_reader profile_corpus
mkdir -p build-fuzz/fuzz/found
build-fuzz/fuzz/fuzz_profile_reader -max_total_time=60 -max_len=16384 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/fuzz/ build-fuzz/fuzz/found build-fuzz/fuzz/corpus
