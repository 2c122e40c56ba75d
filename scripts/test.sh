#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: once plainly, once
# more with AddressSanitizer and UndefinedBehaviorSanitizer over the Qt-free libraries.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

scripts/build.sh build-sanitize -DQV_SANITIZE=ON -DQV_WITH_UI=OFF
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
