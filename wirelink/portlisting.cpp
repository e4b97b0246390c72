#include "portlisting.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Compares names as sequences of single characters and digit runs: a run sorts before a character, runs
// by value and then by length (COM2 < COM02 < COM10), characters by code. Being a lexicographic order over
// totally ordered pieces, this stays a strict weak order for any mix of names.
int compareNames(const QString& a, const QString& b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digitA = isDigit(a[i]);
        const bool digitB = isDigit(b[j]);
        if (digitA != digitB)
            return digitA ? -1 : 1;
        if (!digitA) {
            if (a[i] != b[j])
                return a[i] < b[j] ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        const int startA = i;
        const int startB = j;
        while (i < a.size() && isDigit(a[i]))
            ++i;
        while (j < b.size() && isDigit(b[j]))
            ++j;
        int zerosA = startA;
        while (zerosA < i - 1 && a[zerosA] == QLatin1Char('0'))
            ++zerosA;
        int zerosB = startB;
        while (zerosB < j - 1 && b[zerosB] == QLatin1Char('0'))
            ++zerosB;
        const QStringRef valueA = a.midRef(zerosA, i - zerosA);
        const QStringRef valueB = b.midRef(zerosB, j - zerosB);
        if (valueA.size() != valueB.size())
            return valueA.size() < valueB.size() ? -1 : 1;
        if (const int order = valueA.compare(valueB))
            return order;
        if (i - startA != j - startB)
            return i - startA < j - startB ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

} // namespace

QList<PortEntry> PortListing::present()
{
    QList<PortEntry> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos) {
        PortEntry entry;
        entry.name = info.portName();
        entry.vid = info.hasVendorIdentifier() ? info.vendorIdentifier() : 0;
        entry.pid = info.hasProductIdentifier() ? info.productIdentifier() : 0;
        ports.append(entry);
    }
    return arrange(std::move(ports));
}

QList<PortEntry> PortListing::arrange(QList<PortEntry> ports)
{
    ports.erase(std::remove_if(ports.begin(), ports.end(),
                               [](const PortEntry& port) {
                                   return port.name.startsWith(QLatin1String("LPT"), Qt::CaseInsensitive);
                               }),
                ports.end());
    std::stable_sort(ports.begin(), ports.end(),
                     [](const PortEntry& a, const PortEntry& b) { return nameLess(a.name, b.name); });
    return ports;
}

bool PortListing::nameLess(const QString& a, const QString& b)
{
    return compareNames(a, b) < 0;
}

int PortListing::appendMatching(const QList<PortEntry>& ports, quint16 vid, quint16 pid, QStringList& list)
{
    for (const PortEntry& port : ports) {
        if (port.vid == vid && port.pid == pid)
            list.append(port.name);
    }
    return list.size();
}
