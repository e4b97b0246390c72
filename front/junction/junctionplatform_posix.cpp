#include "junctionlog.h"
#include "junctionplatform.h"
#include "mounttable.h"
#include "usbblockdevice.h"

#include <QFile>

QStringList JunctionPlatform::removableDisks()
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly)) {
        qCDebug(lcJunction) << "no mount table:" << mounts.errorString();
        return {};
    }
    // A /proc file reports size 0; readAll() reads on until the end all the same.
    return MountTable::removableRoots(
        mounts.readAll(), [](const QString& device) { return UsbBlockDevice::isOnUsb(device, QStringLiteral("/")); });
}

Qt::CaseSensitivity JunctionPlatform::pathCaseSensitivity()
{
    return Qt::CaseSensitive;
}
