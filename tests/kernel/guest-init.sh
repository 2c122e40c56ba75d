#!/bin/busybox sh
# The guest's first process: loads the modules, mounts the host's root read-only with tmpfs
# where programs write, runs the command in a chroot of it and powers off with its status.
/bin/busybox --install -s /bin
export PATH=/bin
mkdir -p /proc /sys /dev /host
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
for module in /modules/*.ko*; do
    insmod "$module" || echo "could not load $module"
done
echo
echo "QV-GUEST-BOOTED $(cut -d" " -f1 /proc/uptime)"
mount -t 9p -o trans=virtio,version=9p2000.L,ro,cache=loose,msize=262144 hostroot /host
for dir in dev proc sys; do
    mount --bind "/$dir" "/host/$dir"
done
mkdir -p /dev/shm
for dir in tmp var/tmp; do
    mkdir -p "/saved/$dir"
    mount --bind "/host/$dir" "/saved/$dir"
done
for dir in tmp run var/tmp dev/shm; do
    mount -t tmpfs tmpfs "/host/$dir"
done
chmod 1777 /host/tmp /host/var/tmp /host/dev/shm
# A checkout under /tmp or /var/tmp (a throwaway clone) would vanish under the tmpfs: the folder
# that holds each path the command names comes back into view, read-only like the rest.
while read -r path; do
    for dir in tmp var/tmp; do
        case $path in
        /$dir/*)
            rest=${path#/"$dir"/}
            top=${rest%%/*}
            if [ ! -d "/host/$dir/$top" ]; then
                mkdir -p "/host/$dir/$top"
                mount --bind "/saved/$dir/$top" "/host/$dir/$top"
            fi
            ;;
        esac
    done
done </keep
cp /command /host/tmp/guest-command
chroot /host /usr/bin/env -i HOME=/tmp/home PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    TMPDIR=/tmp XDG_RUNTIME_DIR=/tmp/runtime /bin/sh -c 'mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR" && . /tmp/guest-command'
status=$?
echo "QV-GUEST-DONE $(cut -d" " -f1 /proc/uptime)"
echo "QV-GUEST-EXIT=$status"
sync
poweroff -f
