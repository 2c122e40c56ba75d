#!/bin/sh
# Boots a Debian kernel under QEMU's software emulation and runs one command inside it, in a
# chroot of this machine's own root (read-only over 9p, tmpfs where the command writes), with
# uhid, uinput and evdev loaded. The guest's exit status becomes ours; 77 means the machine
# cannot boot a guest, with the reason on stdout.
#
#   run-in-guest.sh CACHE_DIR COMMAND [ARGS...]
#
# The kernel package is fetched once into CACHE_DIR and unpacked there, never installed.
set -eu

cache=$1
shift
skip() {
    echo "SKIPPED: $*"
    exit 77
}

command -v qemu-system-x86_64 >/dev/null || skip "qemu-system-x86_64 is not installed"
# The initramfs holds busybox alone, so it must be the static build.
busybox=/bin/busybox
[ -x "$busybox" ] || skip "busybox-static is not installed"
ldd "$busybox" >/dev/null 2>&1 && skip "$busybox is linked dynamically; install busybox-static"

mkdir -p "$cache"
cache=$(cd "$cache" && pwd)

# The kernel: the image package that linux-image-amd64 depends on, unpacked with its modules.
kernelRoot=$cache/kernel
if [ ! -f "$kernelRoot/ready" ]; then
    rm -rf "$kernelRoot" "$cache"/linux-image-*.deb
    package=$(apt-cache depends linux-image-amd64 2>/dev/null |
        sed -n 's/^ *Depends: \(linux-image-[0-9].*\)$/\1/p' | head -n 1)
    [ -n "$package" ] || skip "apt knows no linux-image-amd64 (run apt-get update)"
    (cd "$cache" && apt-get download "$package" >/dev/null 2>&1) ||
        skip "apt-get download $package failed (no network?)"
    dpkg-deb -x "$cache"/"$package"_*.deb "$kernelRoot"
    rm -f "$cache"/"$package"_*.deb
    version=$(ls "$kernelRoot/lib/modules")
    # The package leaves modules.dep to the installing system's depmod.
    "$busybox" depmod -b "$kernelRoot" "$version"
    touch "$kernelRoot/ready"
fi
version=$(ls "$kernelRoot/lib/modules")
modules=$kernelRoot/lib/modules/$version
kernel=$kernelRoot/boot/vmlinuz-$version

# The initramfs: busybox, the modules with everything they need in load order, the init script
# and the command.
work=$(mktemp -d "${TMPDIR:-/tmp}/guest.XXXXXX")
trap 'rm -rf "$work"' EXIT
initramfs=$work/root
mkdir -p "$initramfs/bin" "$initramfs/modules"
cp "$busybox" "$initramfs/bin/busybox"
: >"$work/order"
add_module() {
    local entry file dependency name
    entry=$(grep "^[^:]*/$1\.ko[.a-z]*:" "$modules/modules.dep") || skip "the kernel has no module $1"
    file=${entry%%:*}
    grep -qx "$file" "$work/order" && return 0
    for dependency in ${entry#*:}; do
        name=${dependency##*/}
        add_module "${name%%.ko*}"
    done
    echo "$file" >>"$work/order"
}
for module in virtio_pci 9pnet_virtio 9p hid uhid hid-generic evdev uinput; do
    add_module "$module"
done
index=0
while read -r file; do
    index=$((index + 1))
    cp "$modules/$file" "$initramfs/modules/$(printf %02d "$index")-${file##*/}"
done <"$work/order"

here=$(cd "$(dirname "$0")" && pwd)
cp "$here/guest-init.sh" "$initramfs/init"
chmod +x "$initramfs/init"
{
    printf 'cd %s\n' "$(pwd)"
    for argument in "$@"; do
        printf "'%s' " "$(printf %s "$argument" | sed "s/'/'\\\\''/g")"
    done
    echo
} >"$initramfs/command"
# The paths the guest must still see once tmpfs covers /tmp and /var/tmp.
{
    pwd
    for argument in "$@"; do
        case $argument in /*) echo "$argument" ;; esac
    done
} >"$initramfs/keep"
(cd "$initramfs" && find . | "$busybox" cpio -o -H newc 2>/dev/null | gzip -1) >"$work/initramfs.gz"

# Software emulation: the test must not depend on /dev/kvm.
started=$(date +%s)
status=0
timeout --kill-after=10 300 qemu-system-x86_64 -accel tcg -machine q35 -cpu max -smp 2 -m 2560 \
    -nographic -no-reboot -nodefaults -serial stdio -monitor none \
    -kernel "$kernel" -initrd "$work/initramfs.gz" \
    -append "console=ttyS0 quiet loglevel=3 edd=off panic=-1 rdinit=/init" \
    -virtfs local,path=/,mount_tag=hostroot,security_model=none,readonly=on,multidevs=remap \
    </dev/null >"$work/console" 2>&1 || status=$?
# The firmware's screen control codes would only clutter the log.
tr -d '\r' <"$work/console" | sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g; s/\x1bc//g' >"$work/log"
grep -v '^QV-GUEST-' "$work/log" || true
booted=$(sed -n 's/^QV-GUEST-BOOTED \([0-9.]*\)$/\1/p' "$work/log")
finished=$(sed -n 's/^QV-GUEST-DONE \([0-9.]*\)$/\1/p' "$work/log")
if [ -n "$booted" ] && [ -n "$finished" ]; then
    # The command's own time comes from the guest's clock; the rest of the wall time is the boot.
    awk -v total="$(($(date +%s) - started))" -v booted="$booted" -v finished="$finished" 'BEGIN {
        printf "guest: booted in %.1f s, command took %.1f s, whole run %d s\n",
            total - (finished - booted), finished - booted, total }'
fi
result=$(sed -n 's/^QV-GUEST-EXIT=\([0-9]*\)$/\1/p' "$work/log" | tail -n 1)
[ -n "$result" ] && exit "$result"
# A QEMU that never reached the firmware could not run here; a guest that started and then
# failed is this project's fault.
grep -q 'SeaBIOS' "$work/log" || skip "QEMU could not start: $(head -n 1 "$work/log")"
echo "the guest did not finish the command (QEMU status $status)"
exit 1
