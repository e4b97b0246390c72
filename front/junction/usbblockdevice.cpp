#include "usbblockdevice.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

namespace {

QString canonicalBelow(const QString& root, const QString& path)
{
    return QFileInfo(QDir::cleanPath(root + QLatin1Char('/') + path)).canonicalFilePath();
}

// Whether a path below /sys/devices names something below a USB device ("usb2/2-1/...").
bool passesUsbDevice(const QString& devicePath)
{
    // A bus is "usbN" (its root hub); the devices on it are "N-port[.port...]".
    static const QRegularExpression bus(QStringLiteral("^usb([0-9]+)$"));
    static const QRegularExpression deviceOnBus(QStringLiteral("^([0-9]+)-[0-9]+(\\.[0-9]+)*$"));
    const QStringList parts = devicePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i + 1 < parts.size(); ++i) {
        const QRegularExpressionMatch b = bus.match(parts.at(i));
        const QRegularExpressionMatch d = deviceOnBus.match(parts.at(i + 1));
        if (b.hasMatch() && d.hasMatch() && b.captured(1) == d.captured(1))
            return true;
    }
    return false;
}

} // namespace

bool UsbBlockDevice::isOnUsb(const QString& device, const QString& systemRoot)
{
    // Network shares, "none", tmpfs and the like have no block device.
    if (!device.startsWith(QLatin1String("/dev/")))
        return false;
    // udev's /dev/disk/by-* and /dev/mapper names are links to the kernel's node in /dev itself.
    const QString node = canonicalBelow(systemRoot, device);
    const QString devDir = canonicalBelow(systemRoot, QStringLiteral("/dev"));
    if (node.isEmpty() || devDir.isEmpty() || QFileInfo(node).path() != devDir)
        return false;
    // /sys/class/block holds links into /sys/devices that follow the device's chain of parents;
    // device-mapper and loop devices end in /sys/devices/virtual.
    const QString sysDevices = canonicalBelow(systemRoot, QStringLiteral("/sys/devices"));
    const QString sysNode =
        canonicalBelow(systemRoot, QStringLiteral("/sys/class/block/") + QFileInfo(node).fileName());
    if (sysDevices.isEmpty() || !sysNode.startsWith(sysDevices + QLatin1Char('/')))
        return false;
    return passesUsbDevice(sysNode.mid(sysDevices.size()));
}
