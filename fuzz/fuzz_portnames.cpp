// Port names as the system may list them: the device prefix of opened names and the order of the port listing.
// The input is a list of names, one a line, in UTF-8; an input that starts with the bytes FF FE is raw UTF-16
// (little-endian) instead, so that names with lone surrogates or any other code unit are reached too.

#include "fuzzcheck.h"

#include <serialports/portlisting.h>
#include <wirelink/portpath.h>

#include <QStringList>

#include <algorithm>
#include <cstdint>

namespace {

const QString DevicePrefix = QStringLiteral("\\\\.\\");

QStringList names(const uint8_t* data, size_t size)
{
    QString text;
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        for (size_t i = 2; i + 1 < size; i += 2)
            text.append(QChar(ushort(data[i] | (data[i + 1] << 8))));
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    }
    return text.split(QLatin1Char('\n'));
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

void checkNormalise(const QString& name)
{
    const QString path = PortPath::normalise(name);
    FUZZ_CHECK(path == name || path == DevicePrefix + name);
    // "COM" and a digit, whatever follows; a digit of regular expressions is 0 to 9 unless Unicode classes are asked
    // for.
    if (!name.startsWith(QLatin1String("COM")) || name.size() < 4) {
        FUZZ_CHECK(path == name);
        return;
    }
    const QChar next = name[3];
    FUZZ_CHECK((path != name) == isAsciiDigit(next));
}

bool less(const QString& a, const QString& b)
{
    return PortListing::nameLess(a, b);
}

// A strict weak order, and one in which only equal names are equivalent, so that the listing's order does not
// depend on the order in which the system reports the ports.
void checkOrder(const QStringList& sample)
{
    for (const QString& a : sample) {
        FUZZ_CHECK(!less(a, a));
        for (const QString& b : sample) {
            const bool ab = less(a, b);
            const bool ba = less(b, a);
            FUZZ_CHECK(!(ab && ba));
            FUZZ_CHECK(ab || ba || a == b);
            for (const QString& c : sample) {
                if (ab && less(b, c))
                    FUZZ_CHECK(less(a, c));
            }
        }
    }
}

// A common stem and a plain decimal number (no leading zero), as in COM2 and COM10.
bool splitNumber(const QString& name, QString& stem, QString& number)
{
    int start = name.size();
    while (start > 0 && isAsciiDigit(name[start - 1]))
        --start;
    if (start == name.size() || (name[start] == QLatin1Char('0') && start + 1 < name.size()))
        return false;
    stem = name.left(start);
    number = name.mid(start);
    return true;
}

void checkNumbers(const QStringList& sample)
{
    for (const QString& a : sample) {
        QString stemA, numberA;
        if (!splitNumber(a, stemA, numberA))
            continue;
        for (const QString& b : sample) {
            QString stemB, numberB;
            if (!splitNumber(b, stemB, numberB) || stemA != stemB)
                continue;
            const bool smaller = numberA.size() != numberB.size() ? numberA.size() < numberB.size() : numberA < numberB;
            FUZZ_CHECK(less(a, b) == smaller);
        }
    }
}

QStringList namesOf(const QList<PortEntry>& ports)
{
    QStringList result;
    for (const PortEntry& port : ports)
        result.append(port.name);
    return result;
}

void checkArrange(const QStringList& all)
{
    QList<PortEntry> ports;
    for (int i = 0; i < all.size(); ++i) {
        PortEntry entry;
        entry.name = all[i];
        entry.vid = quint16(i); // tells the entries apart, so each is seen to keep its own identifiers
        ports.append(entry);
    }
    const QList<PortEntry> arranged = PortListing::arrange(ports);

    QStringList kept;
    for (const QString& name : all) {
        if (!name.startsWith(QLatin1String("LPT")))
            kept.append(name);
    }
    QStringList arrangedNames = namesOf(arranged);
    for (int i = 0; i < arranged.size(); ++i) {
        const PortEntry& entry = arranged[i];
        FUZZ_CHECK(entry.vid < all.size() && all[entry.vid] == entry.name);
        FUZZ_CHECK(!entry.name.startsWith(QLatin1String("LPT")));
        if (i > 0) {
            FUZZ_CHECK(!less(entry.name, arranged[i - 1].name));
            // Equal names keep the system's order.
            if (entry.name == arranged[i - 1].name)
                FUZZ_CHECK(entry.vid > arranged[i - 1].vid);
        }
    }
    // Only parallel ports are left out.
    QStringList dropped = kept;
    for (const QString& name : arrangedNames)
        FUZZ_CHECK(dropped.removeOne(name));
    for (const QString& name : dropped)
        FUZZ_CHECK(name.left(3).toUpper() == QLatin1String("LPT"));

    // The same ports reported in another order come out the same.
    QList<PortEntry> reversed = ports;
    std::reverse(reversed.begin(), reversed.end());
    FUZZ_CHECK(namesOf(PortListing::arrange(reversed)) == arrangedNames);
    if (!ports.isEmpty()) {
        QList<PortEntry> rotated = ports;
        std::rotate(rotated.begin(), rotated.begin() + rotated.size() / 2, rotated.end());
        FUZZ_CHECK(namesOf(PortListing::arrange(rotated)) == arrangedNames);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A listing is a handful of ports; the bound keeps the cubic order check quick.
    const QStringList all = names(data, size).mid(0, 256);
    for (const QString& name : all)
        checkNormalise(name);
    const QStringList sample = all.mid(0, 12);
    checkOrder(sample);
    checkNumbers(sample);
    checkArrange(all);
    return 0;
}
