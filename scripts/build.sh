#!/usr/bin/env bash
# Configures and builds one build tree, warnings as errors: scripts/build.sh DIR [cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_WERROR=ON "$@" >/dev/null
cmake --build "$dir"
