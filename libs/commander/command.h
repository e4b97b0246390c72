#ifndef COMMAND_H
#define COMMAND_H

#include <commander/commander_export.h>

#include <QByteArray>
#include <QVariant>

// One queued device command. The Commander owns it once appended.
class COMMANDER_EXPORT Command {
public:
    explicit Command(const QByteArray& content = QByteArray(), bool flag = false, int param = 1000,
                     const QVariant& tag = QVariant());

    QByteArray content; // bytes to send
    bool flag;          // the sender expects a reply; false: done once handed over, no respond() awaited
    int param;          // reply time-out in ms for the receiver; negative: the receiver judges the reply
                        // itself. The Commander carries it and waits for respond() regardless.
    QVariant tag;       // caller's own data
    bool marked;        // set by the Commander once the command has been handed over
};

#endif // COMMAND_H
