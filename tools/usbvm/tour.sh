#!/bin/bash
# tour.sh BUILD_DIR: run in the test machine by `make usbvm`. Plugs in a camera gadget served by the
# simulator and shows what the guest sees of it: the port, its USB ids from udev and from sysfs, the
# udev rule's tag, a short recording found by ids, and the unplug. At a terminal, a shell follows.
set -u
build=$1
here=$(cd "$(dirname "$0")" && pwd)
gadget=$here/gadget.sh
step() { printf '\n== %s\n' "$*"; }

end=$("$gadget" make camera 0x0483 0x5740) || exit 1
"$build/bin/km420-sim" --quiet --device "$end" >/dev/null &
sim=$!
step "km420-record --wait, started before the camera is plugged in"
"$build/bin/km420-record" --wait --frames 20 --out /run/tmp/tour.km420rec &
record=$!
sleep 1
step "plugging in the camera (0483:5740); the simulator serves $end"
"$gadget" plug camera
for _ in $(seq 50); do
    port=$(basename "$(ls -d /sys/class/tty/ttyACM* 2>/dev/null | head -n 1)" 2>/dev/null)
    [ -n "$port" ] && [ -e "/dev/$port" ] && break
    sleep 0.1
done
[ -n "${port:-}" ] || { echo "no ttyACM port appeared"; exit 1; }
wait "$record"
echo "km420-record ended with status $?"
ls -l /run/tmp/tour.km420rec
step "the port: /dev/$port"
udevadm settle
udevadm info --query=property --name="/dev/$port" | grep -E '^(ID_VENDOR_ID|ID_MODEL_ID|ID_SERIAL|CURRENT_TAGS|DEVNAME)='
step "the same ids from sysfs, as the port listing reads them without udevd"
dev=$(readlink -f "/sys/class/tty/$port/device")
echo "idVendor=$(cat "$dev/../idVendor") idProduct=$(cat "$dev/../idProduct")"
step "unplugging the camera"
"$gadget" unplug camera
sleep 1
ls /dev/ttyACM* 2>/dev/null || echo "no ttyACM port left"
if [ -n "${USBVM_INTERACTIVE:-}" ]; then
    "$gadget" plug camera
    step "a shell in the test machine, with the camera plugged in again; leave it with exit"
    echo "   gadget: $gadget plug|unplug camera    simulator: $end    build: $build"
    bash -i
fi
kill "$sim" 2>/dev/null
wait "$sim" 2>/dev/null
exit 0
