#ifndef USBBLOCKDEVICE_H
#define USBBLOCKDEVICE_H

#include <junction/junction_export.h>

#include <QString>

// Tells, from a Linux system's /dev and /sys folders, whether a block device sits on a USB device.
//
// The rule is the bus alone: the device's chain in /sys/devices must pass through a USB device. The
// disk's `removable` flag is not asked: many USB sticks clear it, and a SATA hot-swap bay or a card
// reader on the PCI bus sets it.
class JUNCTION_EXPORT UsbBlockDevice {
public:
    // 'device' is a mount table's source (/dev/sdb1, /dev/disk/by-uuid/...); 'systemRoot' is where the
    // system's / is ("/" here, a fixture folder in tests). Device-mapper and loop devices and sources
    // outside /dev are never on USB by this rule.
    static bool isOnUsb(const QString& device, const QString& systemRoot);
};

#endif // USBBLOCKDEVICE_H
