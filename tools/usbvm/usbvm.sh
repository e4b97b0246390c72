#!/usr/bin/env bash
# usbvm.sh BUILD_DIR COMMAND [ARG...]
#
# Boots a virtual machine on Debian's own kernel whose USB is real to the kernel: a dummy_hcd host
# controller with three ports and configfs gadgets on the other side, so a gadget with the camera's
# ids is a USB ACM device behind cdc_acm (/dev/ttyACM*), and the gadget's own end (/dev/ttyGS*) is
# the camera's side of the cable. This machine's root is the guest's root, read-only over 9p, so the
# guest runs the build and this machine's Qt as they are; /run is a tmpfs for what the guest writes,
# and BUILD_DIR/usbvm/run is shared writable at its own path. udevd runs in the guest.
#
# COMMAND runs as root in the guest, from the folder this script was started in; its exit status is
# this script's. 77: qemu cannot start a machine at all here (the reason is printed). Any other
# failure to get the machine up is a failure.
#
# The kernel is downloaded once with apt-get download into BUILD_DIR/usbvm/cache, never installed.
set -euo pipefail

[ $# -ge 2 ] || { echo "usage: $0 BUILD_DIR COMMAND [ARG...]" >&2; exit 2; }
build=$(realpath "$1")
shift
here=$(cd "$(dirname "$0")" && pwd)
vm=$build/usbvm
cache=$vm/cache
out=$vm/run
timeout_s=${USBVM_TIMEOUT:-330}
say() { echo "usbvm: $*" >&2; }
fail() { say "$*"; exit 1; }
started=$(date +%s.%N)
elapsed() { awk -v s="$started" -v n="$(date +%s.%N)" 'BEGIN { printf "%.1f", n - s }'; }

qemu=$(command -v qemu-system-x86_64 || true)
if [ -z "$qemu" ]; then
    say "SKIP: qemu-system-x86_64 is not installed"
    exit 77
fi
# A machine with nothing in it: when even that does not start, no test machine can run here.
if ! why=$(echo quit | timeout 30 "$qemu" -nodefaults -no-user-config -machine none -display none -S \
        -monitor stdio 2>&1 >/dev/null); then
    say "SKIP: qemu cannot start a machine here: ${why:-no reason given}"
    exit 77
fi
case "$build" in
/run | /run/*) fail "the build is under /run, which the guest covers with its own tmpfs" ;;
esac

# The kernel: the package the metapackage names, unpacked, with the modules.dep it lacks.
mkdir -p "$cache"
kroot=$cache/root
kver=$(ls "$kroot/lib/modules" 2>/dev/null | head -n 1 || true)
if [ -z "$kver" ] || [ ! -f "$kroot/boot/vmlinuz-$kver" ]; then
    say "downloading Debian's kernel into $cache"
    rm -rf "$kroot" "$cache"/*.deb
    download() { (cd "$cache" && apt-get download "$@" 2>&1 | grep -v '^W: Download is performed unsandboxed' >&2); }
    if ! download linux-image-amd64; then
        [ "$(id -u)" -eq 0 ] && apt-get update >/dev/null
        download linux-image-amd64 || fail "cannot download linux-image-amd64"
    fi
    image=$(dpkg-deb -f "$cache"/linux-image-amd64_*.deb Depends | grep -o 'linux-image-[0-9][^ ,]*-amd64' | head -n 1)
    [ -n "$image" ] || fail "linux-image-amd64 names no kernel package"
    download "$image" || fail "cannot download $image"
    dpkg-deb -x "$cache/${image}"_*.deb "$kroot"
    kver=$(ls "$kroot/lib/modules" | head -n 1)
    depmod -b "$kroot" "$kver"
fi
kernel=$kroot/boot/vmlinuz-$kver

# The initramfs: busybox and the modules, in the order modprobe would load them.
base=$vm/initramfs-$kver.cpio.gz
if [ ! -f "$base" ] || [ "$base" -ot "$here/init" ] || [ "$base" -ot "$0" ] || [ "$base" -ot /bin/busybox ]; then
    say "building the initramfs"
    tree=$vm/initramfs
    rm -rf "$tree"
    mkdir -p "$tree"/{bin,proc,sys,dev,host,lib/modules}
    cp /bin/busybox "$tree/bin/busybox"
    cp "$here/init" "$tree/init"
    chmod 755 "$tree/init"
    : >"$tree/modules"
    for name in virtio_pci 9pnet_virtio 9p configfs dummy_hcd libcomposite usb_f_acm cdc_acm; do
        modprobe -d "$kroot" -S "$kver" --show-depends "$name" | awk '$1 == "insmod" { print $2 }'
    done | awk '!seen[$0]++' | while read -r ko; do
        file=$(basename "$ko")
        cp "$ko" "$tree/lib/modules/$file"
        # Three ports: two cameras and a device with other ids at once.
        case "$file" in dummy_hcd.ko) echo "$file num=3" ;; *) echo "$file" ;; esac >>"$tree/modules"
    done
    (cd "$tree" && find . | cpio -o -H newc --quiet | gzip -1) >"$base.tmp"
    mv "$base.tmp" "$base"
fi

# This run: where the shared folder is, and what to run, in a second archive after the first.
rm -rf "$out"
mkdir -p "$out"
runtree=$vm/runinit
rm -rf "$runtree"
mkdir -p "$runtree"
printf '%s\n' "$out" >"$runtree/usbvm-out"
printf '%s\n' "$here/guest.sh" >"$runtree/usbvm-guest"
{
    # A person at a terminal can be given a shell in the guest.
    [ -t 0 ] && [ -t 1 ] && echo 'export USBVM_INTERACTIVE=1'
    printf 'cd %q\n' "$PWD"
    printf 'exec'
    printf ' %q' "$@"
    printf '\n'
} >"$out/command"
(cd "$runtree" && find . | cpio -o -H newc --quiet | gzip -1) >"$vm/runinit.cpio.gz"
cat "$base" "$vm/runinit.cpio.gz" >"$vm/initrd.gz"

if [ -r /dev/kvm ] && [ -w /dev/kvm ] && grep -qE '\b(vmx|svm)\b' /proc/cpuinfo; then
    accel=(-accel kvm -cpu host)
    how=KVM
else
    accel=(-accel tcg,thread=multi -cpu max)
    how="software emulation"
fi
say "booting $kver under $how"
console=(-serial stdio)
[ -t 0 ] && [ -t 1 ] || console=(-serial stdio -monitor none)
status=0
timeout --foreground -k 5 "$timeout_s" "$qemu" -nodefaults -no-user-config -machine q35 "${accel[@]}" \
    -smp 2 -m 2048 -display none "${console[@]}" -no-reboot \
    -kernel "$kernel" -initrd "$vm/initrd.gz" -append "console=ttyS0 quiet loglevel=3 panic=-1" \
    -virtfs local,path=/,mount_tag=host,security_model=none,readonly=on,multidevs=remap \
    -virtfs local,path="$out",mount_tag=out,security_model=none,multidevs=remap || status=$?
[ "$status" -eq 124 ] && fail "the machine did not power off within $timeout_s s"
[ "$status" -eq 0 ] || fail "qemu ended with $status"
[ -f "$out/status" ] || fail "the machine ended before its command did (see above)"
say "machine ended after $(elapsed) s"
exit "$(cat "$out/status")"
