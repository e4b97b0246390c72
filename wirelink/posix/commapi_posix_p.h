// The Win32 communication subset of commapi.h over termios, poll and eventfd.
//
// Handles name entries of a process-wide table, so a stale or foreign handle is refused with
// ERROR_INVALID_HANDLE as on Windows, and an object stays alive while a call still uses it.
// A port is opened non-blocking; overlapped reads, writes and comm-event waits that cannot finish at once
// are carried on by the port's own service thread, which plays the driver: it completes them into their
// OVERLAPPED record and signals their event. Quirks of the mapping:
// - Share mode 0 takes an exclusive flock and sets TIOCEXCL; root bypasses TIOCEXCL but not the flock.
// - EV_RXCHAR is seen as growth of the input queue whenever the stand-in looks at it, so arrivals are
//   coalesced as Windows coalesces them into one event; bytes already queued when the mask was set, or
//   left by a read after the event, are not signalled again, as on Windows.
// - Line errors are the growth of the driver's counters (TIOCGICOUNT, which pseudo-terminals do not have)
//   since the open: the counters run from the driver's start, Windows reports only what came after the open.
// - A line whose other side has gone (hang-up, EIO) fails every call with ERROR_BAD_COMMAND, as USB serial
//   drivers on Windows do after an unplug.
// - Queue sizes are fixed by the tty layer; SetupComm only records them.
// - GetCommState and SetCommState refuse a DCB whose DCBlength is not sizeof(DCB), as Windows documents.
// - Named and auto-reset events, and waits for all of several objects, are refused with ERROR_NOT_SUPPORTED.
//
// By concern: errors_posix.cpp (the last error, line errors, the message box), handles_posix.cpp (the
// handle table, opening and closing, events and waits), line_posix.cpp (line settings, time-outs, purges)
// and service_posix.cpp (overlapped operations and the port's service thread). This header holds what they
// share; nothing outside the stand-in includes it.

#pragma once

#include <wirelink/commapi.h>

#include <wirelink/linkprobe.h>

#include <QtGlobal>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

#include <linux/serial.h>
#include <unistd.h>

namespace CommApiPosix {

using Clock = std::chrono::steady_clock;
using Call = LinkProbe::Call;

// OVERLAPPED::Internal while the operation runs (STATUS_PENDING on Windows).
constexpr ULONG_PTR kPending = 0x103;

extern thread_local DWORD lastError;

BOOL failWith(DWORD error);
DWORD errorFromErrno(int error);
// True, with the last error set, when a test has asked `call` to fail now.
bool injected(Call call);

struct Object {
    virtual ~Object() = default;
};

struct Event final : Object {
    int fd = -1;

    ~Event() override
    {
        if (fd >= 0)
            ::close(fd);
    }
    void set() const
    {
        const quint64 one = 1;
        while (::write(fd, &one, sizeof one) < 0 && errno == EINTR) {
        }
    }
    // Reading an eventfd returns its count and clears it; false when it was clear already.
    bool take() const
    {
        quint64 count = 0;
        ssize_t n;
        do {
            n = ::read(fd, &count, sizeof count);
        } while (n < 0 && errno == EINTR);
        return n == sizeof count;
    }
};

enum class OpKind { Read, Write, CommWait };

struct Op {
    OpKind kind = OpKind::Read;
    OVERLAPPED* overlapped = nullptr;
    std::shared_ptr<Event> event;
    char* in = nullptr;
    const char* out = nullptr;
    DWORD* mask = nullptr;
    DWORD want = 0;
    DWORD done = 0;
    DWORD interval = 0; // read interval time-out once the first byte is in; 0 for none
    Clock::time_point lastByte{};
    Clock::time_point deadline = Clock::time_point::max();
};

struct Port final : Object {
    int fd = -1;
    int wake = -1;
    std::mutex mutex;
    std::condition_variable completed;
    std::list<Op> ops;
    COMMTIMEOUTS timeouts{};
    DWORD eventMask = 0;
    DWORD inQueue = 0;
    DWORD outQueue = 0;
    // Bytes of the input queue already signalled or already there when the mask was set, and whether an
    // arrival came while no wait was pending (Windows keeps it for the next wait).
    DWORD known = 0;
    bool arrived = false;
    serial_icounter_struct counts{};
    // A driver without counters (a pseudo-terminal) is asked once, not at every status query.
    bool keepsCounts = true;
    bool quit = false;
    std::thread service;

    ~Port() override
    {
        if (wake >= 0)
            ::close(wake);
        if (fd >= 0)
            ::close(fd);
    }
    void poke() const
    {
        const quint64 one = 1;
        while (::write(wake, &one, sizeof one) < 0 && errno == EINTR) {
        }
    }
};

class HandleTable {
public:
    HANDLE add(std::shared_ptr<Object> object)
    {
        std::lock_guard<std::mutex> lock(mutex);
        // Values are never reused, so a stale handle cannot reach a newer object.
        next += 4;
        objects.emplace(next, std::move(object));
        return reinterpret_cast<HANDLE>(next);
    }
    template <typename T> std::shared_ptr<T> find(HANDLE handle)
    {
        std::lock_guard<std::mutex> lock(mutex);
        const auto it = objects.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == objects.end() ? nullptr : std::dynamic_pointer_cast<T>(it->second);
    }
    std::shared_ptr<Object> take(HANDLE handle)
    {
        std::lock_guard<std::mutex> lock(mutex);
        const auto it = objects.find(reinterpret_cast<std::uintptr_t>(handle));
        if (it == objects.end())
            return nullptr;
        std::shared_ptr<Object> object = std::move(it->second);
        objects.erase(it);
        return object;
    }

private:
    std::mutex mutex;
    std::unordered_map<std::uintptr_t, std::shared_ptr<Object>> objects;
    std::uintptr_t next = 0x1000;
};

HandleTable& handles();

// Bytes waiting in the input queue; false with lastError set when the line is unusable.
bool queuedBytes(const Port& port, DWORD* count);
// As queuedBytes, and notes growth of the queue since the last look as an arrival.
bool observeQueue(Port& port, DWORD* count);
// The driver's line-error counters; false when the driver keeps none.
bool driverCounts(Port& port, serial_icounter_struct* counts);
// The line errors counted by the driver since the last call, as ClearCommError reports and clears them.
DWORD lineErrors(Port& port);

// The port's service thread; it ends once the port's quit is set and it is poked.
void serve(Port* port);
// Completes the pending operations of `kind` with ERROR_OPERATION_ABORTED; under the port's mutex.
void abort(Port& port, OpKind kind);
// Completes every pending operation with ERROR_OPERATION_ABORTED, as closing a handle does; under the mutex.
void abortAll(Port& port);

} // namespace CommApiPosix
