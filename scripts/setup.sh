#!/usr/bin/env bash
# Installs the Debian packages that Quorvane needs, only those that are missing:
#   scripts/setup.sh program   what building and running the program needs
#   scripts/setup.sh           that, and what the tests, benchmarks, sanitizers and fuzzer need
# Root installs them at once; a normal user through sudo when it is there, and otherwise is told
# which command to run as root.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-webengine-dev libhidapi-dev libevdev-dev libxtst-dev libx11-dev
    fonts-liberation
)
if [ "${1:-}" != program ]; then
    packages+=(
        clang libclang-rt-14-dev clang-format
        libgtest-dev libgmock-dev libbenchmark-dev
        xvfb xauth openbox trayer desktop-file-utils appstream
        qemu-system-x86 busybox-static
    )
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

install=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${install[@]}"
elif ! command -v sudo >/dev/null ||
    ! { echo "Installing through sudo: ${missing[*]}" && sudo apt-get update -qq &&
        sudo env DEBIAN_FRONTEND=noninteractive "${install[@]}"; }; then
    echo "Quorvane needs these Debian packages; install them as root with:" \
        "apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
