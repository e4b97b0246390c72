#ifndef MOUNTTABLE_H
#define MOUNTTABLE_H

#include "junction_export.h"

#include <QByteArray>
#include <QStringList>

// Reads a Linux mount table (the format of /proc/self/mounts) without touching the system.
class JUNCTION_EXPORT MountTable {
public:
    // Mount points of removable volumes (below /media or /run/media), in table order, once each.
    static QStringList removableRoots(const QByteArray& table);
    // A field of the table with its octal escapes (\040 for a space, \134 for a backslash) decoded.
    static QString decodeField(const QByteArray& field);
};

#endif // MOUNTTABLE_H
