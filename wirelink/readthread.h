#pragma once

#include "commapi.h"

#include <QThread>

#include <atomic>

class WireLink;

// The receiving side of an open WireLink port: waits until the driver holds bytes, reads exactly what is
// queued and announces each block with readyRead, until the port stops it.
//
// Blocks go into a ring of kSlots buffers, each block from the start of its buffer. A buffer stays busy from
// its read until the port reports its delivery returned (blockDelivered), and a read only takes a free one,
// so a receiver still inside its delivery (a modal box, a nested event loop) keeps its bytes however many
// later blocks pass meanwhile. With every buffer busy the reader waits and the driver keeps the bytes.
class ReadThread : public QThread {
    Q_OBJECT
public:
    static constexpr int kBufferSize = 102400;
    static constexpr int kSlots = 4;

    explicit ReadThread(WireLink* port, QObject* parent = nullptr);
    ~ReadThread() override;

    // False when the reader could not create its events; it must not be started then.
    bool isReady() const;
    // Ends the loop; a request made before the thread has started is kept.
    void requestStop();
    // Waits for the loop to end; the thread's writes are then visible to the caller.
    void join();

    // Called on the port's thread for each block it receives, before and after handing it on.
    void blockReceived(const char* buff) const;
    void blockDelivered(const char* buff);

signals:
    void readyRead(char* buff, int len);

protected:
    void run() override;

private:
    enum class Outcome { Done, Aborted, Failed, Stopped };

    Outcome waitForBytes(HANDLE file);
    Outcome readQueued(HANDLE file, DWORD queued);
    Outcome finish(HANDLE file, OVERLAPPED& io, DWORD boundMs, DWORD* transferred);
    bool nothingQueued(HANDLE file) const;
    Outcome takeFreeBuffer();
    int slotOf(const char* buff) const;
    void deliver(int slot, DWORD len);

    WireLink* port;
    HANDLE stopEvent;
    HANDLE freedEvent;
    HANDLE ioEvent;
    char buffer[kSlots][kBufferSize];
    std::atomic<bool> busy[kSlots];
    std::atomic<bool> running;
    std::atomic<bool> finished;
    int freeSlot;
};
