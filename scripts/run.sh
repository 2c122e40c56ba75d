#!/usr/bin/env bash
# Installs what the program needs and is missing, builds the program alone and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh program
source scripts/owner.sh
scripts/build.sh build-run -DBUILD_TESTING=OFF
exec build-run/src/quorvane "$@"
