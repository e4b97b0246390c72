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
    // A fresh listing of the ports present now, arranged as below.
    static QList<PortEntry> present();
    // Leaves out parallel ports (LPT...) and orders by name, numbers inside names compared by value, so
    // COM2 comes before COM10.
    static QList<PortEntry> arrange(QList<PortEntry> ports);
    static bool nameLess(const QString& a, const QString& b);
    // Appends, in list order, the names of the ports with both identifiers equal; returns the new size of list.
    static int appendMatching(const QList<PortEntry>& ports, quint16 vid, quint16 pid, QStringList& list);
};
