#ifndef COMMANDER_H
#define COMMANDER_H

#include <commander/commander_export.h>

#include <QObject>

class Command;

// A queue of device commands handed over one at a time.
//
// After start(), the first queued command is handed over through nextCommand(); the next one
// only after respond() for it. One-shot commands are handed in the order they were appended; a
// standing command (appended with standing = true) is handed again after each respond() whenever
// no one-shot command is waiting, until stop(). The argument of start() is the least time in
// milliseconds between two hand-overs.
//
// A handed-over command stays valid until the receiver's handler has returned, even when the
// receiver calls stop() or respond() from inside it (nested event loops included).
class COMMANDER_EXPORT Commander : public QObject {
    Q_OBJECT
public:
    explicit Commander(QObject* parent = nullptr);
    ~Commander() override;

    void start(int intervalMs);
    void stop();
    bool isRunning() const;

    // Takes ownership. standing: hand this command again after every answer (replaces an earlier
    // standing command). Always accepted.
    bool appendCommand(Command* command, bool standing);
    // unique: refuse (return false, ownership stays with the caller) when a command with the same
    // content is already waiting to be handed over.
    bool appendCommand(Command* command, bool standing, bool unique);

    // Answer for the command handed over last; ok tells whether it succeeded. Ignored when no
    // answer is outstanding (after stop(), or a second answer).
    void respond(bool ok);

    int pendingCount() const; // one-shot commands waiting, for tests and diagnostics

signals:
    void nextCommand(Command* command);

private:
    void schedule();
    void handOver();

    class Private;
    Private* d;
};

#endif // COMMANDER_H
