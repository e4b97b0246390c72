#!/bin/sh
# USB gadgets of the test machine, through configfs: a gadget is one ACM function with the given
# ids; plugging it in is binding it to a dummy controller, unplugging is unbinding it.
#   gadget.sh make NAME VID PID    prints the gadget's own end (/dev/ttyGSn)
#   gadget.sh plug NAME [UDC]      the first free controller unless UDC is given
#   gadget.sh unplug NAME
#   gadget.sh remove NAME
set -eu
root=/sys/kernel/config/usb_gadget
cmd=$1
name=$2
g=$root/$name
case "$cmd" in
make)
    mkdir -p "$g/strings/0x409" "$g/configs/c.1/strings/0x409" "$g/functions/acm.usb0"
    echo "$3" >"$g/idVendor"
    echo "$4" >"$g/idProduct"
    echo 0x0200 >"$g/bcdUSB"
    echo "usbvm" >"$g/strings/0x409/manufacturer"
    echo "$name" >"$g/strings/0x409/product"
    echo "$name-0001" >"$g/strings/0x409/serialnumber"
    echo "ACM" >"$g/configs/c.1/strings/0x409/configuration"
    [ -e "$g/configs/c.1/acm.usb0" ] || ln -s "$g/functions/acm.usb0" "$g/configs/c.1/"
    echo "/dev/ttyGS$(cat "$g/functions/acm.usb0/port_num")"
    ;;
plug)
    [ -z "$(cat "$g/UDC")" ] || { echo "gadget.sh: $name is plugged in already" >&2; exit 1; }
    udc=${3:-}
    if [ -z "$udc" ]; then
        used=$(cat "$root"/*/UDC 2>/dev/null || true)
        for candidate in $(ls /sys/class/udc); do
            echo "$used" | grep -qx "$candidate" || { udc=$candidate; break; }
        done
    fi
    [ -n "$udc" ] || { echo "gadget.sh: no free controller" >&2; exit 1; }
    echo "$udc" >"$g/UDC"
    ;;
unplug)
    echo "" >"$g/UDC"
    ;;
remove)
    [ -z "$(cat "$g/UDC")" ] || echo "" >"$g/UDC"
    rm -f "$g/configs/c.1/acm.usb0"
    rmdir "$g/configs/c.1/strings/0x409" "$g/configs/c.1" "$g/functions/acm.usb0" "$g/strings/0x409" "$g"
    ;;
*)
    echo "gadget.sh: make, plug, unplug or remove" >&2
    exit 2
    ;;
esac
