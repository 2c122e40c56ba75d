#!/usr/bin/env bash
# Installs what is missing, builds Quorvane and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
exec build/src/quorvane "$@"
