#pragma once

#include "commapi.h"

#include <QThread>

#include <atomic>

class WireLink;

// The receiving side of an open WireLink port: waits until the driver holds bytes, reads exactly what is
// queued and announces each block with readyRead, until the port stops it.
//
// Blocks go into a ring of kSlots buffers, each block from the start of its buffer. A buffer is taken
// back only after the port reports the block delivered (blockDelivered), so a queued delivery never sees
// its bytes overwritten; with every buffer still out, the reader waits and the driver keeps the bytes.
class ReadThread : public QThread {
    Q_OBJECT
public:
    static constexpr int kBufferSize = 102400;
    static constexpr int kSlots = 4;

    explicit ReadThread(WireLink* port, QObject* parent = nullptr);
    ~ReadThread() override;

    // Ends the loop; a request made before the thread has started is kept.
    void requestStop();
    // Waits for the loop to end; the thread's writes are then visible to the caller.
    void join();

    // Called on the port's thread for each block it receives, before and after handing it on.
    void blockReceived() const;
    void blockDelivered();

signals:
    void readyRead(char* buff, int len);

protected:
    void run() override;

private:
    enum class Outcome { Done, Failed, Stopped };

    void runWaiting(HANDLE file);
    void runLiteral(HANDLE file);
    Outcome waitForBytes(HANDLE file, HANDLE ioEvent);
    Outcome readQueued(HANDLE file, HANDLE ioEvent, DWORD queued);
    Outcome finish(HANDLE file, OVERLAPPED& io, DWORD* transferred);
    Outcome takeFreeBuffer();
    void deliver(char* buff, DWORD len);

    WireLink* port;
    HANDLE stopEvent;
    HANDLE freedEvent;
    char buffer[kSlots][kBufferSize];
    std::atomic<bool> running;
    std::atomic<int> inFlight;
    std::atomic<bool> finished;
    int nextSlot;
};
