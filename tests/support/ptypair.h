#pragma once

#include <QByteArray>
#include <QString>

// A pseudo-terminal pair standing in for a serial device: the port under test opens the slave by path,
// the test plays the device on the master. A slave descriptor stays open so the master does not read EIO
// while the port is closed.
class PtyPair {
public:
    // raw: the slave starts in raw mode; otherwise in the tty layer's default cooked mode.
    explicit PtyPair(bool raw = true);
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool isValid() const { return masterFd >= 0 && slaveFd >= 0; }
    QString slavePath() const { return path; }
    int slave() const { return slaveFd; }
    // The device's side, non-blocking; -1 after hangUp().
    int master() const { return masterFd; }

    // Writes everything from the device side, waiting whenever the line is full.
    bool writeAll(const QByteArray& data, int timeoutMs = 20000);
    // Reads what the port sent until `count` bytes are in or `timeoutMs` has passed.
    QByteArray read(int count, int timeoutMs = 2000);
    // The device goes away: the port's side sees a hang-up.
    void hangUp();

private:
    int masterFd = -1;
    int slaveFd = -1;
    QString path;
};
