#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: once plainly, once
# more with AddressSanitizer and UndefinedBehaviorSanitizer over the Qt-free libraries, then the
# profile reader under libFuzzer for a minute.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"
# ctest names a skipped test without its reason; the tests print theirs on a line of its own.
grep -h '^SKIPPED: ' build/Testing/Temporary/LastTest.log || true

scripts/build.sh build-sanitize -DQV_SANITIZE=ON -DQV_WITH_UI=OFF
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# The fuzzer's build tree (clang), its seed corpus written by the profile writer, and a one-minute
# run that fails the script on the first crash; new inputs it finds go to a folder of their own.
# Whole profiles run to a few kilobytes, hence the longer inputs.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQV_FUZZ=ON -DQV_WITH_UI=OFF -DQV_BENCH=OFF >/dev/null
cmake --build build-fuzz --target fuzz_profile_reader profile_corpus
mkdir -p build-fuzz/fuzz/found
build-fuzz/fuzz/fuzz_profile_reader -max_total_time=60 -max_len=16384 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/fuzz/ build-fuzz/fuzz/found build-fuzz/fuzz/corpus
