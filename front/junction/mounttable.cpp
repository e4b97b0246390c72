#include "mounttable.h"

#include <QList>

namespace {

// Desktop mounters put removable volumes here; the machine's own storage may be mounted here too.
bool isRemovableLocation(const QString& mountPoint)
{
    for (const char* prefix : {"/media/", "/run/media/"}) {
        const QString p = QLatin1String(prefix);
        if (mountPoint.startsWith(p) && mountPoint.size() > p.size())
            return true;
    }
    return false;
}

// Placeholders and memory file systems can sit under /media without any disk behind them; an
// automount point is listed again with its real file system once the disk is mounted.
bool isVirtualFileSystem(const QByteArray& type)
{
    static const QList<QByteArray> virtualTypes = {"autofs", "tmpfs",   "ramfs",  "proc",    "sysfs",   "devtmpfs",
                                                   "devpts", "overlay", "cgroup", "cgroup2", "squashfs"};
    return virtualTypes.contains(type);
}

} // namespace

QString MountTable::decodeField(const QByteArray& field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArray digits = field.mid(i + 1, 3);
            bool octal = digits.size() == 3;
            for (char dch : digits)
                octal = octal && dch >= '0' && dch <= '7';
            if (octal) {
                out.append(static_cast<char>(digits.toInt(nullptr, 8) & 0xFF));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    // The kernel writes names as stored; desktop mounters use UTF-8 for volume labels.
    return QString::fromUtf8(out);
}

QStringList MountTable::removableRoots(const QByteArray& table, const DeviceCheck& isRemovableDevice)
{
    QStringList points; // in the order they first appear
    QList<bool> usable;
    for (const QByteArray& line : table.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        QString mountPoint = decodeField(fields.at(1));
        while (mountPoint.size() > 1 && mountPoint.endsWith(QLatin1Char('/')))
            mountPoint.chop(1);
        if (!isRemovableLocation(mountPoint))
            continue;
        // A bind mount names the device of the file system it shows a part of.
        const bool ok = !isVirtualFileSystem(fields.at(2)) && isRemovableDevice(decodeField(fields.at(0)));
        // A later mount on the same point hides the earlier ones.
        const int at = points.indexOf(mountPoint);
        if (at < 0) {
            points.append(mountPoint);
            usable.append(ok);
        } else {
            usable[at] = ok;
        }
    }
    QStringList roots;
    for (int i = 0; i < points.size(); ++i) {
        if (usable.at(i))
            roots.append(points.at(i));
    }
    return roots;
}
