#ifndef MOUNTTABLE_H
#define MOUNTTABLE_H

#include <junction/junction_export.h>

#include <QByteArray>
#include <QStringList>

#include <functional>

// Reads a Linux mount table (the format of /proc/self/mounts) without touching the system.
class JUNCTION_EXPORT MountTable {
public:
    // Whether a table line's source (/dev/sdb1, /dev/disk/by-uuid/...) is a removable disk.
    using DeviceCheck = std::function<bool(const QString& device)>;
    // Mount points of removable volumes, in table order, once each: below /media or /run/media, where
    // desktop mounters put them, and on a device that 'isRemovableDevice' accepts.
    static QStringList removableRoots(const QByteArray& table, const DeviceCheck& isRemovableDevice);
    // A field of the table with its octal escapes (\040 for a space, \134 for a backslash) decoded.
    static QString decodeField(const QByteArray& field);
};

#endif // MOUNTTABLE_H
