#!/usr/bin/env bash
# Installs the Debian packages that Quorvane needs, only those that are missing:
#   scripts/setup.sh program   what building and running the program needs
#   scripts/setup.sh           that, and what the tests, benchmarks, sanitizers and fuzzer need
# Root installs them at once; a normal user through sudo when it is there, and otherwise is told
# which command to run as root. apt's own output goes to a log file, named if it fails.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-webengine-dev libhidapi-dev libevdev-dev libxtst-dev libx11-dev
    fonts-liberation
)
if [ "${1:-}" != program ]; then
    # llvm-14 brings the symbolizer that clang's sanitizers look for, to name the functions in
    # their reports.
    packages+=(
        clang libclang-rt-14-dev llvm-14 clang-format
        libgtest-dev libgmock-dev libbenchmark-dev
        xvfb xauth openbox trayer dbus-daemon desktop-file-utils appstream
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

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
    echo "Installing: ${missing[*]}"
elif command -v sudo >/dev/null && echo "Installing through sudo: ${missing[*]}" && sudo -v; then
    as_root=(sudo)
else
    echo "Quorvane needs these Debian packages; install them as root with:" \
        "apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
fi
log=$(mktemp --tmpdir quorvane-setup.XXXXXX.log)
if ! { "${as_root[@]}" apt-get update -q &&
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    echo "Installing the packages failed; apt-get's output is in $log" >&2
    exit 1
fi
rm -f "$log"
