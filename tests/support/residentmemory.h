#ifndef RESIDENTMEMORY_H
#define RESIDENTMEMORY_H

#include <QByteArray>
#include <QFile>
#include <QList>

// Resident memory of this process in kB, 0 when unknown (no /proc).
inline qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

#endif
