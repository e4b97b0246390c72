#include "portlisting.h"

#include <QFile>
#include <QFileInfo>
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

QList<PortEntry> PortListing::system()
{
    static const QString sysRoot = QStringLiteral("/sys");
    const bool haveSysfs = QFileInfo(sysRoot + QLatin1String("/class/tty")).isDir();
    QList<PortEntry> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos) {
        PortEntry entry;
        entry.name = info.portName();
        entry.vid = info.hasVendorIdentifier() ? info.vendorIdentifier() : 0;
        entry.pid = info.hasProductIdentifier() ? info.productIdentifier() : 0;
        if (!info.hasVendorIdentifier() && !info.hasProductIdentifier() && haveSysfs)
            usbIdsFromSysfs(sysRoot, entry.name, &entry.vid, &entry.pid);
        ports.append(entry);
    }
    return ports;
}

QList<PortEntry> PortListing::present()
{
    return arrange(system());
}

bool PortListing::usbIdsFromSysfs(const QString& sysRoot, const QString& ttyName, quint16* vid, quint16* pid)
{
    if (ttyName.isEmpty() || ttyName.contains(QLatin1Char('/')) || ttyName.startsWith(QLatin1Char('.')))
        return false;
    const QString devices = QFileInfo(sysRoot + QLatin1String("/devices")).canonicalFilePath();
    QString folder =
        QFileInfo(sysRoot + QLatin1String("/class/tty/") + ttyName + QLatin1String("/device")).canonicalFilePath();
    // Within the device tree only, and not far: a port sits at most a few levels below its USB device.
    for (int up = 0; up < 4 && !folder.isEmpty() && !devices.isEmpty() && folder.startsWith(devices + '/'); ++up) {
        QFile vendorFile(folder + QLatin1String("/idVendor"));
        QFile productFile(folder + QLatin1String("/idProduct"));
        if (vendorFile.open(QIODevice::ReadOnly) && productFile.open(QIODevice::ReadOnly)) {
            bool vendorOk = false;
            bool productOk = false;
            const uint vendor = vendorFile.read(16).trimmed().toUInt(&vendorOk, 16);
            const uint product = productFile.read(16).trimmed().toUInt(&productOk, 16);
            if (!vendorOk || !productOk || vendor > 0xffff || product > 0xffff)
                return false;
            *vid = quint16(vendor);
            *pid = quint16(product);
            return true;
        }
        folder = QFileInfo(folder).path();
    }
    return false;
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
