#!/usr/bin/env bash
# Installs the Debian packages that Quorvane needs to build, run and test; only what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config clang libclang-rt-14-dev clang-format
    qt6-base-dev libhidapi-dev libevdev-dev libxtst-dev libx11-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-liberation
    qemu-system-x86 busybox-static openbox trayer
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}; run this script as root to install them." >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
