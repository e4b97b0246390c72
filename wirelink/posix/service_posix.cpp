// Overlapped operations of the POSIX stand-in and the port's service thread, which plays the driver.

#include "commapi_posix_p.h"

#include <algorithm>
#include <climits>

#include <poll.h>
#include <sys/ioctl.h>

namespace CommApiPosix {

// Bytes waiting in the input queue; false with lastError set when the line is unusable.
bool queuedBytes(const Port& port, DWORD* count)
{
    int n = 0;
    if (::ioctl(port.fd, FIONREAD, &n) != 0) {
        lastError = errorFromErrno(errno);
        return false;
    }
    if (n == 0) {
        // A hung-up line reads as empty; only poll tells it apart from a quiet one.
        pollfd p{port.fd, POLLIN, 0};
        if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))) {
            lastError = ERROR_BAD_COMMAND;
            return false;
        }
    }
    *count = static_cast<DWORD>(n);
    return true;
}

// Growth of the input queue since the stand-in last looked is an arrival.
bool observeQueue(Port& port, DWORD* count)
{
    if (!queuedBytes(port, count))
        return false;
    if (*count > port.known)
        port.arrived = true;
    port.known = *count;
    return true;
}

namespace {

void complete(Port& port, std::list<Op>::iterator it, DWORD error)
{
    OVERLAPPED* overlapped = it->overlapped;
    if (it->kind == OpKind::CommWait && it->mask)
        *it->mask = error == ERROR_SUCCESS ? (port.eventMask & EV_RXCHAR) : 0;
    overlapped->InternalHigh = it->kind == OpKind::CommWait ? 0 : it->done;
    overlapped->Internal = error;
    const std::shared_ptr<Event> event = std::move(it->event);
    port.ops.erase(it);
    LinkProbe::notePending(-1);
    if (event)
        event->set();
    port.completed.notify_all();
}

// Reads what the line holds into the operation; returns an error code when the line failed.
DWORD readSome(Port& port, Op& op, Clock::time_point now)
{
    DWORD queued = 0;
    observeQueue(port, &queued);
    const DWORD before = op.done;
    const auto taken = [&] { port.known -= std::min(port.known, op.done - before); };
    while (op.done < op.want) {
        const ssize_t n = ::read(port.fd, op.in + op.done, op.want - op.done);
        if (n > 0) {
            op.done += static_cast<DWORD>(n);
            op.lastByte = now;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        const int error = errno;
        taken();
        return n == 0 ? ERROR_BAD_COMMAND : errorFromErrno(error); // end of file: the other side hung up
    }
    taken();
    return ERROR_SUCCESS;
}

DWORD writeSome(Port& port, Op& op)
{
    while (op.done < op.want) {
        const ssize_t n = ::write(port.fd, op.out + op.done, op.want - op.done);
        if (n > 0) {
            op.done += static_cast<DWORD>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return ERROR_SUCCESS;
        return n == 0 ? ERROR_GEN_FAILURE : errorFromErrno(errno);
    }
    return ERROR_SUCCESS;
}

bool readFinished(const Op& op, Clock::time_point now)
{
    if (op.done == op.want || now >= op.deadline)
        return true;
    return op.done > 0 && op.interval != 0 && now - op.lastByte >= std::chrono::milliseconds(op.interval);
}

Clock::time_point readDeadline(const Op& op)
{
    Clock::time_point next = op.deadline;
    if (op.done > 0 && op.interval != 0)
        next = std::min(next, op.lastByte + std::chrono::milliseconds(op.interval));
    return next;
}

// Moves the first read, the first write and every comm-event wait as far as the line allows, as a driver
// serves one read and one write at a time. Returns the next moment a time-out falls due.
Clock::time_point progress(Port& port, short revents)
{
    const Clock::time_point now = Clock::now();
    const bool gone = revents & (POLLHUP | POLLERR | POLLNVAL);
    Clock::time_point next = Clock::time_point::max();
    bool readServed = false;
    bool writeServed = false;
    for (auto it = port.ops.begin(); it != port.ops.end();) {
        const auto current = it++;
        Op& op = *current;
        switch (op.kind) {
        case OpKind::Read: {
            if (readServed)
                break;
            readServed = true;
            const DWORD error = readSome(port, op, now);
            if (error != ERROR_SUCCESS)
                complete(port, current, op.done > 0 ? ERROR_SUCCESS : error);
            else if (readFinished(op, now))
                complete(port, current, ERROR_SUCCESS);
            else
                next = std::min(next, readDeadline(op));
            break;
        }
        case OpKind::Write: {
            if (writeServed)
                break;
            writeServed = true;
            const DWORD error = writeSome(port, op);
            if (error != ERROR_SUCCESS)
                complete(port, current, error);
            else if (gone && op.done < op.want)
                complete(port, current, ERROR_BAD_COMMAND);
            else if (op.done == op.want || now >= op.deadline)
                complete(port, current, ERROR_SUCCESS); // a write time-out completes with fewer bytes
            else
                next = std::min(next, op.deadline);
            break;
        }
        case OpKind::CommWait: {
            DWORD queued = 0;
            const LinkProbe::WaitFault fault = LinkProbe::waitFault();
            if (fault == LinkProbe::WaitFault::AbortsAtOnce) {
                complete(port, current, ERROR_OPERATION_ABORTED);
            } else if (!observeQueue(port, &queued)) {
                complete(port, current, lastError);
            } else if (port.arrived && (port.eventMask & EV_RXCHAR) && fault != LinkProbe::WaitFault::NeverCompletes) {
                port.arrived = false;
                complete(port, current, ERROR_SUCCESS);
            } else if (queued > 0) {
                // Bytes already signalled keep the line readable, so poll would wake at once without end;
                // growth is looked for on a short tick instead.
                next = std::min(next, now + std::chrono::milliseconds(5));
            }
            break;
        }
        }
    }
    return next;
}

} // namespace

void serve(Port* port)
{
    std::unique_lock<std::mutex> lock(port->mutex);
    short revents = 0;
    while (!port->quit) {
        const Clock::time_point due = progress(*port, revents);
        short events = 0;
        for (const Op& op : port->ops) {
            if (op.kind == OpKind::Write)
                events |= POLLOUT;
            else if (op.kind == OpKind::Read || ((port->eventMask & EV_RXCHAR) && port->known == 0))
                events |= POLLIN;
        }
        int timeout = -1;
        if (due != Clock::time_point::max()) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now()).count();
            timeout = static_cast<int>(std::clamp<decltype(left)>(left, 0, INT_MAX));
        }
        lock.unlock();
        // With nothing pending the line is left out: a hung-up line would report POLLHUP without end.
        pollfd fds[2] = {{events ? port->fd : -1, events, 0}, {port->wake, POLLIN, 0}};
        const int ready = ::poll(fds, 2, timeout);
        if (ready > 0 && (fds[1].revents & POLLIN)) {
            quint64 count;
            (void)!::read(port->wake, &count, sizeof count);
        }
        revents = ready > 0 ? fds[0].revents : 0;
        lock.lock();
    }
}

void abort(Port& port, OpKind kind)
{
    for (auto it = port.ops.begin(); it != port.ops.end();) {
        const auto current = it++;
        if (current->kind == kind)
            complete(port, current, ERROR_OPERATION_ABORTED);
    }
}

void abortAll(Port& port)
{
    while (!port.ops.empty())
        complete(port, port.ops.begin(), ERROR_OPERATION_ABORTED);
}

} // namespace CommApiPosix

using namespace CommApiPosix;

namespace {

std::shared_ptr<Event> eventOf(const OVERLAPPED* overlapped, bool* valid)
{
    *valid = true;
    if (!overlapped->hEvent)
        return nullptr;
    std::shared_ptr<Event> event = handles().find<Event>(overlapped->hEvent);
    *valid = event != nullptr;
    return event;
}

// Starts an operation: finishes it at once when `immediate` says so, otherwise hands it to the service
// thread and reports ERROR_IO_PENDING, as overlapped I/O does.
BOOL begin(Port& port, Op op, bool immediate, DWORD error, LPDWORD transferred)
{
    OVERLAPPED* overlapped = op.overlapped;
    if (error != ERROR_SUCCESS && op.done == 0) {
        overlapped->Internal = error;
        overlapped->InternalHigh = 0;
        return failWith(error);
    }
    if (immediate || error != ERROR_SUCCESS) {
        overlapped->Internal = ERROR_SUCCESS;
        overlapped->InternalHigh = op.kind == OpKind::CommWait ? 0 : op.done;
        if (op.kind == OpKind::CommWait && op.mask)
            *op.mask = port.eventMask & EV_RXCHAR;
        if (transferred && op.kind != OpKind::CommWait)
            *transferred = op.done;
        if (op.event)
            op.event->set();
        return TRUE;
    }
    overlapped->Internal = kPending;
    overlapped->InternalHigh = op.done;
    port.ops.push_back(std::move(op));
    LinkProbe::notePending(1);
    port.poke();
    return failWith(ERROR_IO_PENDING);
}

bool pendingOf(const Port& port, OpKind kind)
{
    return std::any_of(port.ops.begin(), port.ops.end(), [kind](const Op& op) { return op.kind == kind; });
}

} // namespace

BOOL SetCommMask(HANDLE file, DWORD mask)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    std::lock_guard<std::mutex> lock(port->mutex);
    // A new mask ends a pending wait with an empty event mask.
    port->eventMask = 0;
    for (auto it = port->ops.begin(); it != port->ops.end();) {
        const auto current = it++;
        if (current->kind == OpKind::CommWait)
            complete(*port, current, ERROR_SUCCESS);
    }
    port->eventMask = mask;
    // A new mask starts a new history: what is queued now is not an arrival.
    DWORD queued = 0;
    port->known = queuedBytes(*port, &queued) ? queued : 0;
    port->arrived = false;
    return TRUE;
}

BOOL WaitCommEvent(HANDLE file, LPDWORD mask, OVERLAPPED* overlapped)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    if (!mask || !overlapped)
        return failWith(ERROR_INVALID_PARAMETER);
    bool valid;
    std::shared_ptr<Event> event = eventOf(overlapped, &valid);
    if (!valid)
        return failWith(ERROR_INVALID_HANDLE);
    if (injected(Call::WaitCommEvent))
        return FALSE;
    std::lock_guard<std::mutex> lock(port->mutex);
    if (pendingOf(*port, OpKind::CommWait))
        return failWith(ERROR_INVALID_PARAMETER);
    if (event)
        event->take();
    Op op;
    op.kind = OpKind::CommWait;
    op.overlapped = overlapped;
    op.event = std::move(event);
    op.mask = mask;
    DWORD queued = 0;
    if (!observeQueue(*port, &queued))
        return begin(*port, std::move(op), true, lastError, nullptr);
    const LinkProbe::WaitFault fault = LinkProbe::waitFault();
    const bool now = fault == LinkProbe::WaitFault::None && port->arrived && (port->eventMask & EV_RXCHAR);
    if (now)
        port->arrived = false;
    return begin(*port, std::move(op), now, ERROR_SUCCESS, nullptr);
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD toRead, LPDWORD read, OVERLAPPED* overlapped)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    if (!overlapped || (!buffer && toRead > 0))
        return failWith(ERROR_INVALID_PARAMETER);
    bool valid;
    std::shared_ptr<Event> event = eventOf(overlapped, &valid);
    if (!valid)
        return failWith(ERROR_INVALID_HANDLE);
    if (injected(Call::ReadFile))
        return FALSE;
    std::lock_guard<std::mutex> lock(port->mutex);
    if (event)
        event->take();
    const COMMTIMEOUTS& t = port->timeouts;
    const Clock::time_point now = Clock::now();
    Op op;
    op.kind = OpKind::Read;
    op.overlapped = overlapped;
    op.event = std::move(event);
    op.in = static_cast<char*>(buffer);
    op.want = toRead;
    // MAXDWORD with no total time-out means: return at once with what is there.
    const bool returnAtOnce =
        t.ReadIntervalTimeout == MAXDWORD && t.ReadTotalTimeoutMultiplier == 0 && t.ReadTotalTimeoutConstant == 0;
    op.interval = t.ReadIntervalTimeout == MAXDWORD ? 0 : t.ReadIntervalTimeout;
    if (t.ReadTotalTimeoutMultiplier != 0 || t.ReadTotalTimeoutConstant != 0) {
        const quint64 total = quint64(t.ReadTotalTimeoutMultiplier) * toRead + t.ReadTotalTimeoutConstant;
        op.deadline = now + std::chrono::milliseconds(total);
    }
    if (pendingOf(*port, OpKind::Read))
        return begin(*port, std::move(op), false, ERROR_SUCCESS, read);
    const DWORD error = readSome(*port, op, now);
    return begin(*port, std::move(op), returnAtOnce || op.done == op.want, error, read);
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD toWrite, LPDWORD written, OVERLAPPED* overlapped)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    if (!overlapped || (!buffer && toWrite > 0))
        return failWith(ERROR_INVALID_PARAMETER);
    bool valid;
    std::shared_ptr<Event> event = eventOf(overlapped, &valid);
    if (!valid)
        return failWith(ERROR_INVALID_HANDLE);
    if (injected(Call::WriteFile))
        return FALSE;
    std::lock_guard<std::mutex> lock(port->mutex);
    if (event)
        event->take();
    const COMMTIMEOUTS& t = port->timeouts;
    Op op;
    op.kind = OpKind::Write;
    op.overlapped = overlapped;
    op.event = std::move(event);
    op.out = static_cast<const char*>(buffer);
    op.want = toWrite;
    if (t.WriteTotalTimeoutMultiplier != 0 || t.WriteTotalTimeoutConstant != 0) {
        const quint64 total = quint64(t.WriteTotalTimeoutMultiplier) * toWrite + t.WriteTotalTimeoutConstant;
        op.deadline = Clock::now() + std::chrono::milliseconds(total);
    }
    if (pendingOf(*port, OpKind::Write))
        return begin(*port, std::move(op), false, ERROR_SUCCESS, written);
    DWORD error = writeSome(*port, op);
    if (error != ERROR_SUCCESS)
        op.done = 0; // a failed write reports failure, not the part that went out
    return begin(*port, std::move(op), op.done == op.want, error, written);
}

BOOL GetOverlappedResult(HANDLE file, OVERLAPPED* overlapped, LPDWORD transferred, BOOL wait)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    if (!overlapped)
        return failWith(ERROR_INVALID_PARAMETER);
    std::unique_lock<std::mutex> lock(port->mutex);
    while (overlapped->Internal == kPending) {
        if (!wait)
            return failWith(ERROR_IO_INCOMPLETE);
        port->completed.wait(lock);
    }
    if (transferred)
        *transferred = static_cast<DWORD>(overlapped->InternalHigh);
    if (overlapped->Internal != ERROR_SUCCESS)
        return failWith(static_cast<DWORD>(overlapped->Internal));
    return TRUE;
}

BOOL CancelIoEx(HANDLE file, OVERLAPPED* overlapped)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    std::lock_guard<std::mutex> lock(port->mutex);
    bool found = false;
    for (auto it = port->ops.begin(); it != port->ops.end();) {
        const auto current = it++;
        if (!overlapped || current->overlapped == overlapped) {
            complete(*port, current, ERROR_OPERATION_ABORTED);
            LinkProbe::noteCancelled(1);
            found = true;
        }
    }
    return found ? TRUE : failWith(ERROR_NOT_FOUND);
}
