#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One serial port as the system lists it; identifiers are 0 when the port has none.
struct PortEntry {
    QString name;
    quint16 vid = 0;
    quint16 pid = 0;
};

// The list of present serial ports and its selection by USB identifiers.
class PortListing {
public:
    // A fresh listing of the ports present now, in the order the system gives them. A port the listing
    // gives no USB identifiers for takes them from its USB device in sysfs, where it has one: without
    // udevd the system's listing knows none.
    static QList<PortEntry> system();
    // system(), arranged as below.
    static QList<PortEntry> present();
    // The identifiers of the USB device that serial port `ttyName` belongs to, read under `sysRoot`
    // (/sys): class/tty/<name>/device and up, to the first folder that holds idVendor and idProduct
    // (a cdc_acm port is an interface of the device, a USB-serial adapter's port one level further).
    // False for a port that is not on USB.
    static bool usbIdsFromSysfs(const QString& sysRoot, const QString& ttyName, quint16* vid, quint16* pid);
    // Leaves out parallel ports (LPT...) and orders by name, numbers inside names compared by value, so
    // COM2 comes before COM10.
    static QList<PortEntry> arrange(QList<PortEntry> ports);
    static bool nameLess(const QString& a, const QString& b);
    // Appends, in list order, the names of the ports with both identifiers equal; returns the new size of list.
    static int appendMatching(const QList<PortEntry>& ports, quint16 vid, quint16 pid, QStringList& list);
};
