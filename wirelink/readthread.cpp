#include "readthread.h"

#include "wirelink.h"
#include "wirelinklog.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>

namespace {

// Pause before asking a failing driver again (a device that went away); keeps the loop off the CPU.
constexpr DWORD kRetryMs = 50;
// A driver may accept a wait for bytes and never complete it, so the queue is checked at this bound while
// the wait stays pending. Each check wakes the thread; five a second keep an idle port under 0.1 % of a core.
constexpr DWORD kWaitBoundMs = 200;
// Aborts in a row taken as a purge before a write; beyond them the driver aborts every wait (Wine's serial
// layer on a pseudo-terminal does, at once), which is paused after as a failure is.
constexpr int kAbortsBeforePause = 3;

// The driver clears its line errors as it reports them, so they are told here or never. The bytes around them may
// be wrong or missing; only the receiver's own checks can tell, and a wrong byte inside a frame may pass them.
void noteLineErrors(DWORD errors)
{
    if (errors == 0)
        return;
    QStringList kinds;
    if (errors & CE_FRAME)
        kinds << QStringLiteral("framing");
    if (errors & CE_RXPARITY)
        kinds << QStringLiteral("parity");
    if (errors & CE_OVERRUN)
        kinds << QStringLiteral("overrun");
    if (errors & CE_RXOVER)
        kinds << QStringLiteral("input buffer overrun");
    if (errors & CE_BREAK)
        kinds << QStringLiteral("break");
    qCWarning(lcWireLinkPort).noquote() << "line errors:" << kinds.join(QStringLiteral(", "));
}

} // namespace

ReadThread::ReadThread(WireLink* port, QObject* parent)
    : QThread(parent), port(port), stopEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      freedEvent(stopEvent ? CreateEventW(nullptr, TRUE, FALSE, nullptr) : nullptr),
      ioEvent(freedEvent ? CreateEventW(nullptr, TRUE, FALSE, nullptr) : nullptr), running(true), finished(false),
      freeSlot(0)
{
    // running starts true and the loop never resets the stop event: a close() that comes before the loop
    // has begun must still end it.
    for (auto& slot : busy)
        slot.store(false, std::memory_order_relaxed);
}

ReadThread::~ReadThread()
{
    for (HANDLE event : {stopEvent, freedEvent, ioEvent}) {
        if (event)
            CloseHandle(event);
    }
}

bool ReadThread::isReady() const
{
    return stopEvent && freedEvent && ioEvent;
}

void ReadThread::requestStop()
{
    if (stopEvent)
        SetEvent(stopEvent);
    running.store(false, std::memory_order_release);
}

void ReadThread::join()
{
    wait();
    // QThread::wait synchronises through Qt's own primitives; this makes the order explicit in ours too.
    finished.load(std::memory_order_acquire);
}

void ReadThread::blockReceived(const char* buff) const
{
    const int slot = slotOf(buff);
    if (slot >= 0)
        busy[slot].load(std::memory_order_acquire);
}

void ReadThread::blockDelivered(const char* buff)
{
    const int slot = slotOf(buff);
    if (slot < 0)
        return;
    busy[slot].store(false, std::memory_order_release);
    SetEvent(freedEvent);
}

void ReadThread::run()
{
    const HANDLE file = static_cast<HANDLE>(port->handle());
    SetCommMask(file, EV_RXCHAR);
    int aborts = 0;
    while (running.load(std::memory_order_acquire)) {
        DWORD errors = 0;
        COMSTAT stat{};
        Outcome outcome;
        // The queue is checked before every wait: the driver signals arrivals, not bytes left queued.
        const bool asked = ClearCommError(file, &errors, &stat);
        noteLineErrors(errors);
        if (!asked)
            outcome = Outcome::Failed;
        else if (stat.cbInQue == 0)
            outcome = waitForBytes(file);
        else
            outcome = readQueued(file, stat.cbInQue);
        if (outcome == Outcome::Stopped)
            break;
        if (outcome == Outcome::Done)
            aborts = 0;
        else if (outcome == Outcome::Aborted && ++aborts < kAbortsBeforePause)
            continue;
        if (outcome != Outcome::Done && WaitForSingleObject(stopEvent, kRetryMs) == WAIT_OBJECT_0)
            break;
    }
    finished.store(true, std::memory_order_release);
}

ReadThread::Outcome ReadThread::waitForBytes(HANDLE file)
{
    OVERLAPPED io{};
    io.hEvent = ioEvent;
    DWORD mask = 0; // written when the wait completes, so it lives until finish() has awaited it
    if (WaitCommEvent(file, &mask, &io))
        return Outcome::Done;
    const DWORD error = GetLastError();
    if (error != ERROR_IO_PENDING)
        return error == ERROR_OPERATION_ABORTED ? Outcome::Aborted : Outcome::Failed;
    DWORD unused = 0;
    return finish(file, io, kWaitBoundMs, &unused);
}

ReadThread::Outcome ReadThread::readQueued(HANDLE file, DWORD queued)
{
    const Outcome free = takeFreeBuffer();
    if (free != Outcome::Done)
        return free;
    const int slot = freeSlot;
    OVERLAPPED io{};
    io.hEvent = ioEvent;
    DWORD read = 0;
    // Only what is queued is asked for, so the read does not wait for bytes that have not arrived.
    if (!ReadFile(file, buffer[slot], std::min<DWORD>(queued, kBufferSize), &read, &io)) {
        const DWORD error = GetLastError();
        if (error != ERROR_IO_PENDING)
            return error == ERROR_OPERATION_ABORTED ? Outcome::Aborted : Outcome::Failed;
        const Outcome outcome = finish(file, io, INFINITE, &read);
        if (outcome != Outcome::Done)
            return outcome;
    }
    if (read > 0)
        deliver(slot, read);
    return Outcome::Done;
}

// Waits for a pending operation or the stop event, and at every bound while the driver holds no bytes; an
// operation not completed by the driver is cancelled and awaited before its record goes away.
ReadThread::Outcome ReadThread::finish(HANDLE file, OVERLAPPED& io, DWORD boundMs, DWORD* transferred)
{
    const HANDLE objects[2] = {io.hEvent, stopEvent};
    DWORD woken;
    do
        woken = WaitForMultipleObjects(2, objects, FALSE, boundMs);
    while (woken == WAIT_TIMEOUT && nothingQueued(file));
    if (woken == WAIT_OBJECT_0) {
        if (GetOverlappedResult(file, &io, transferred, FALSE))
            return Outcome::Done;
        *transferred = 0;
        // A purge before a write aborts a read in flight; that is no fault of the line.
        return GetLastError() == ERROR_OPERATION_ABORTED ? Outcome::Aborted : Outcome::Failed;
    }
    CancelIoEx(file, &io);
    DWORD ignored = 0;
    GetOverlappedResult(file, &io, &ignored, TRUE);
    *transferred = 0;
    if (woken == WAIT_TIMEOUT)
        return Outcome::Done;
    return woken == WAIT_OBJECT_0 + 1 ? Outcome::Stopped : Outcome::Failed;
}

bool ReadThread::nothingQueued(HANDLE file) const
{
    DWORD errors = 0;
    COMSTAT stat{};
    const bool asked = ClearCommError(file, &errors, &stat);
    noteLineErrors(errors);
    return asked && stat.cbInQue == 0;
}

ReadThread::Outcome ReadThread::takeFreeBuffer()
{
    for (;;) {
        ResetEvent(freedEvent);
        for (int i = 0; i < kSlots; ++i) {
            const int slot = (freeSlot + i) % kSlots;
            if (!busy[slot].load(std::memory_order_acquire)) {
                freeSlot = slot;
                return Outcome::Done;
            }
        }
        const HANDLE objects[2] = {freedEvent, stopEvent};
        const DWORD woken = WaitForMultipleObjects(2, objects, FALSE, INFINITE);
        if (woken == WAIT_OBJECT_0 + 1)
            return Outcome::Stopped;
        if (woken != WAIT_OBJECT_0)
            return Outcome::Failed;
    }
}

int ReadThread::slotOf(const char* buff) const
{
    const auto at = reinterpret_cast<std::uintptr_t>(buff);
    const auto first = reinterpret_cast<std::uintptr_t>(buffer);
    if (at < first || at >= first + sizeof buffer)
        return -1;
    return int((at - first) / kBufferSize);
}

void ReadThread::deliver(int slot, DWORD len)
{
    busy[slot].store(true, std::memory_order_release);
    freeSlot = (slot + 1) % kSlots;
    emit readyRead(buffer[slot], static_cast<int>(len));
}
