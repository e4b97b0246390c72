#include "readthread.h"

#include "linkprobe.h"
#include "wirelink.h"
#include "wirelinklog.h"

#include <algorithm>

namespace {

// Pause before asking a failing driver again (a device that went away); keeps the loop off the CPU.
constexpr DWORD kRetryMs = 50;

} // namespace

ReadThread::ReadThread(WireLink* port, QObject* parent)
    : QThread(parent), port(port), stopEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      freedEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)), running(true), inFlight(0), finished(false), nextSlot(0)
{
    // running starts true and the loop never resets the stop event: a close() that comes before the loop
    // has begun must still end it.
}

ReadThread::~ReadThread()
{
    if (stopEvent)
        CloseHandle(stopEvent);
    if (freedEvent)
        CloseHandle(freedEvent);
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

void ReadThread::blockReceived() const
{
    inFlight.load(std::memory_order_acquire);
}

void ReadThread::blockDelivered()
{
    inFlight.fetch_sub(1, std::memory_order_acq_rel);
    SetEvent(freedEvent);
}

void ReadThread::run()
{
    const HANDLE file = static_cast<HANDLE>(port->handle());
    if (stopEvent && freedEvent) {
        if (LinkProbe::literalPolling())
            runLiteral(file);
        else
            runWaiting(file);
    }
    finished.store(true, std::memory_order_release);
}

void ReadThread::runWaiting(HANDLE file)
{
    const HANDLE ioEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!ioEvent) {
        qCWarning(lcWireLinkPort) << "reader cannot create its event, error" << GetLastError();
        return;
    }
    SetCommMask(file, EV_RXCHAR);
    while (running.load(std::memory_order_acquire)) {
        DWORD errors = 0;
        COMSTAT stat{};
        Outcome outcome;
        // The queue is checked before every wait, so bytes that came in meanwhile are never waited for.
        if (!ClearCommError(file, &errors, &stat))
            outcome = Outcome::Failed;
        else if (stat.cbInQue == 0)
            outcome = waitForBytes(file, ioEvent);
        else
            outcome = readQueued(file, ioEvent, stat.cbInQue);
        if (outcome == Outcome::Stopped)
            break;
        if (outcome == Outcome::Failed && WaitForSingleObject(stopEvent, kRetryMs) == WAIT_OBJECT_0)
            break;
    }
    CloseHandle(ioEvent);
}

// The original loop, kept to measure what waiting saves: it asks the driver again at once whenever
// nothing is queued.
void ReadThread::runLiteral(HANDLE file)
{
    do {
        const HANDLE ioEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        DWORD errors = 0;
        COMSTAT stat{};
        if (ioEvent && ClearCommError(file, &errors, &stat) && stat.cbInQue > 0 &&
            readQueued(file, ioEvent, stat.cbInQue) == Outcome::Stopped) {
            CloseHandle(ioEvent);
            break;
        }
        if (ioEvent)
            CloseHandle(ioEvent);
    } while (running.load(std::memory_order_acquire));
}

ReadThread::Outcome ReadThread::waitForBytes(HANDLE file, HANDLE ioEvent)
{
    OVERLAPPED io{};
    io.hEvent = ioEvent;
    DWORD mask = 0; // written when the wait completes, so it lives until finish() has awaited it
    if (WaitCommEvent(file, &mask, &io))
        return Outcome::Done;
    if (GetLastError() != ERROR_IO_PENDING)
        return Outcome::Failed;
    DWORD unused = 0;
    return finish(file, io, &unused);
}

ReadThread::Outcome ReadThread::readQueued(HANDLE file, HANDLE ioEvent, DWORD queued)
{
    const Outcome free = takeFreeBuffer();
    if (free != Outcome::Done)
        return free;
    char* buff = buffer[nextSlot];
    OVERLAPPED io{};
    io.hEvent = ioEvent;
    DWORD read = 0;
    // Only what is queued is asked for, so the read does not wait for bytes that have not arrived.
    if (!ReadFile(file, buff, std::min<DWORD>(queued, kBufferSize), &read, &io)) {
        const DWORD error = GetLastError();
        if (error == ERROR_OPERATION_ABORTED)
            return Outcome::Done;
        if (error != ERROR_IO_PENDING)
            return Outcome::Failed;
        const Outcome outcome = finish(file, io, &read);
        if (outcome != Outcome::Done)
            return outcome;
    }
    if (read > 0)
        deliver(buff, read);
    return Outcome::Done;
}

// Waits for a pending operation or the stop event; a stopped operation is cancelled and awaited before
// its record goes away.
ReadThread::Outcome ReadThread::finish(HANDLE file, OVERLAPPED& io, DWORD* transferred)
{
    const HANDLE objects[2] = {io.hEvent, stopEvent};
    const DWORD woken = WaitForMultipleObjects(2, objects, FALSE, INFINITE);
    if (woken == WAIT_OBJECT_0) {
        if (GetOverlappedResult(file, &io, transferred, FALSE))
            return Outcome::Done;
        // A purge before a write aborts a read in flight; that is no fault of the line.
        *transferred = 0;
        return GetLastError() == ERROR_OPERATION_ABORTED ? Outcome::Done : Outcome::Failed;
    }
    CancelIoEx(file, &io);
    DWORD ignored = 0;
    GetOverlappedResult(file, &io, &ignored, TRUE);
    *transferred = 0;
    return woken == WAIT_OBJECT_0 + 1 ? Outcome::Stopped : Outcome::Failed;
}

ReadThread::Outcome ReadThread::takeFreeBuffer()
{
    for (;;) {
        ResetEvent(freedEvent);
        if (inFlight.load(std::memory_order_acquire) < kSlots)
            return Outcome::Done;
        const HANDLE objects[2] = {freedEvent, stopEvent};
        const DWORD woken = WaitForMultipleObjects(2, objects, FALSE, INFINITE);
        if (woken == WAIT_OBJECT_0 + 1)
            return Outcome::Stopped;
        if (woken != WAIT_OBJECT_0)
            return Outcome::Failed;
    }
}

void ReadThread::deliver(char* buff, DWORD len)
{
    inFlight.fetch_add(1, std::memory_order_acq_rel);
    nextSlot = (nextSlot + 1) % kSlots;
    emit readyRead(buff, static_cast<int>(len));
}
