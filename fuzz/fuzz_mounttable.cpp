// The mount-table reader on arbitrary tables, and its field decoding against an encoder written from the table's
// format: a name with its spaces, tabs, line feeds and backslashes written as octal escapes reads back as itself.

#include "fuzzcheck.h"

#include <junction/mounttable.h>

#include <QStringList>

#include <cstdint>

namespace {

QByteArray escaped(const QByteArray& name)
{
    QByteArray out;
    for (char c : name) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\\')
            out += '\\' + QByteArray::number(uchar(c), 8).rightJustified(3, '0');
        else
            out += c;
    }
    return out;
}

bool belowMountFolder(const QString& root)
{
    for (const char* prefix : {"/media/", "/run/media/"}) {
        if (root.startsWith(QLatin1String(prefix)) && root.size() > int(qstrlen(prefix)))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));

    const QString name = QString::fromUtf8(input);
    FUZZ_CHECK(MountTable::decodeField(escaped(name.toUtf8())) == name);

    int asked = 0;
    const QStringList roots = MountTable::removableRoots(input, [&asked](const QString& device) {
        ++asked;
        return device.size() % 2 == 0;
    });
    FUZZ_CHECK(roots.size() <= asked);
    for (const QString& root : roots) {
        FUZZ_CHECK(belowMountFolder(root));
        FUZZ_CHECK(!root.endsWith(QLatin1Char('/')));
        FUZZ_CHECK(roots.count(root) == 1);
    }
    return 0;
}
