#!/bin/bash
# Runs in the test machine after its root has become this machine's: starts udevd, runs the command
# usbvm.sh was given, leaves its status in the shared folder and powers the machine off.
out=$1
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
export QT_QPA_PLATFORM=offscreen HOME=/run/home TMPDIR=/run/tmp XDG_RUNTIME_DIR=/run/user XDG_CONFIG_HOME=/run/home/.config
mkdir -p "$HOME" "$TMPDIR" "$XDG_RUNTIME_DIR" /run/udev/rules.d
chmod 700 "$XDG_RUNTIME_DIR"
here=$(cd "$(dirname "$0")" && pwd)
# The camera's rule as an install puts it, where udev reads rules.
cp "$here/../../dist/linux/70-km420.rules" /run/udev/rules.d/
echo "usbvm: guest up after $(cut -d' ' -f1 /proc/uptime) s" >&2
/lib/systemd/systemd-udevd --daemon 2>/run/udevd.log
udevadm trigger --action=add >/dev/null 2>&1
udevadm settle --timeout=30
bash "$out/command"
echo $? >"$out/status"
sync
echo o >/proc/sysrq-trigger
read -r -t 10 </dev/zero || true
