// The Win32 communication subset of commapi.h over termios, poll and eventfd.
//
// Handles name entries of a process-wide table, so a stale or foreign handle is refused with
// ERROR_INVALID_HANDLE as on Windows, and an object stays alive while a call still uses it.
// A port is opened non-blocking; overlapped reads, writes and comm-event waits that cannot finish at once
// are carried on by the port's own service thread, which plays the driver: it completes them into their
// OVERLAPPED record and signals their event. Quirks of the mapping:
// - Share mode 0 takes an exclusive flock and sets TIOCEXCL; root bypasses TIOCEXCL but not the flock.
// - EV_RXCHAR is reported while bytes are queued rather than once per arrival; a reader that checks the
//   queue before every wait sees no difference.
// - A line whose other side has gone (hang-up, EIO) fails every call with ERROR_BAD_COMMAND, as USB serial
//   drivers on Windows do after an unplug.
// - Queue sizes are fixed by the tty layer; SetupComm only records them.

#include "commapi.h"

#include "linkprobe.h"
#include "wirelinklog.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <list>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using Call = LinkProbe::Call;

// OVERLAPPED::Internal while the operation runs (STATUS_PENDING on Windows).
constexpr ULONG_PTR kPending = 0x103;

thread_local DWORD lastError = ERROR_SUCCESS;

BOOL failWith(DWORD error)
{
    lastError = error;
    return FALSE;
}

DWORD errorFromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EBUSY:
    case EWOULDBLOCK:
        return ERROR_ACCESS_DENIED;
    case EIO:
        return ERROR_BAD_COMMAND;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case ENOTTY:
        return ERROR_INVALID_FUNCTION;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_GEN_FAILURE;
    }
}

bool injected(Call call)
{
    quint32 error = 0;
    if (!LinkProbe::takeFailure(call, &error))
        return false;
    lastError = error;
    return true;
}

struct Object {
    virtual ~Object() = default;
};

struct Event final : Object {
    int fd = -1;
    bool manualReset = true;

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

HandleTable& handles()
{
    static HandleTable table;
    return table;
}

// ---- line setting ----

struct SpeedEntry {
    DWORD baud;
    speed_t speed;
};

constexpr SpeedEntry kSpeeds[] = {
    {110, B110},         {300, B300},         {600, B600},         {1200, B1200},       {2400, B2400},
    {4800, B4800},       {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},   {921600, B921600},
    {1000000, B1000000}, {2000000, B2000000}, {3000000, B3000000}, {4000000, B4000000},
};

bool speedFor(DWORD baud, speed_t* speed)
{
    for (const SpeedEntry& entry : kSpeeds) {
        if (entry.baud == baud) {
            *speed = entry.speed;
            return true;
        }
    }
    return false;
}

DWORD baudFor(speed_t speed)
{
    for (const SpeedEntry& entry : kSpeeds) {
        if (entry.speed == speed)
            return entry.baud;
    }
    return 0;
}

// ---- operations, all under the port's mutex ----

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
            return ERROR_SUCCESS;
        return n == 0 ? ERROR_BAD_COMMAND : errorFromErrno(errno); // end of file: the other side hung up
    }
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
            if (!queuedBytes(port, &queued))
                complete(port, current, lastError);
            else if (queued > 0 && (port.eventMask & EV_RXCHAR))
                complete(port, current, ERROR_SUCCESS);
            break;
        }
        }
    }
    return next;
}

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
            else if (op.kind == OpKind::Read || (port->eventMask & EV_RXCHAR))
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

void abort(Port& port, OpKind kind)
{
    for (auto it = port.ops.begin(); it != port.ops.end();) {
        const auto current = it++;
        if (current->kind == kind)
            complete(port, current, ERROR_OPERATION_ABORTED);
    }
}

QString devicePath(const QString& name)
{
    QString path = name;
    const QString prefix = QStringLiteral("\\\\.\\");
    if (path.startsWith(prefix))
        path = path.mid(prefix.size());
    if (path.contains(QLatin1Char('/')))
        return path;
    // COM1 is the first serial port, /dev/ttyS0.
    if (path.startsWith(QLatin1String("COM"))) {
        bool ok = false;
        const int number = path.mid(3).toInt(&ok);
        if (ok && number > 0)
            return QStringLiteral("/dev/ttyS%1").arg(number - 1);
    }
    return QStringLiteral("/dev/") + path;
}

} // namespace

DWORD GetLastError()
{
    return lastError;
}

void SetLastError(DWORD error)
{
    lastError = error;
}

HANDLE CreateFileW(LPCWSTR name, DWORD access, DWORD shareMode, SECURITY_ATTRIBUTES*, DWORD disposition, DWORD flags,
                   HANDLE)
{
    if (injected(Call::CreateFile))
        return INVALID_HANDLE_VALUE;
    // Only devices are opened here, and only for overlapped I/O, which is all the port needs.
    if (!name || disposition != OPEN_EXISTING || !(flags & FILE_FLAG_OVERLAPPED) ||
        !(access & (GENERIC_READ | GENERIC_WRITE))) {
        lastError = ERROR_INVALID_PARAMETER;
        return INVALID_HANDLE_VALUE;
    }
    const QByteArray path = devicePath(QString::fromWCharArray(name)).toLocal8Bit();
    int mode = O_RDWR;
    if (!(access & GENERIC_WRITE))
        mode = O_RDONLY;
    else if (!(access & GENERIC_READ))
        mode = O_WRONLY;
    const int fd = ::open(path.constData(), mode | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        lastError = errorFromErrno(errno);
        return INVALID_HANDLE_VALUE;
    }
    if (shareMode == 0) {
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            lastError = ERROR_ACCESS_DENIED;
            return INVALID_HANDLE_VALUE;
        }
        if (::isatty(fd))
            ::ioctl(fd, TIOCEXCL);
    }
    const int wake = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wake < 0) {
        ::close(fd);
        lastError = errorFromErrno(errno);
        return INVALID_HANDLE_VALUE;
    }
    auto port = std::make_shared<Port>();
    port->fd = fd;
    port->wake = wake;
    port->service = std::thread(serve, port.get());
    LinkProbe::notePortOpen(1);
    return handles().add(std::move(port));
}

BOOL CloseHandle(HANDLE object)
{
    std::shared_ptr<Object> taken = handles().take(object);
    if (!taken)
        return failWith(ERROR_INVALID_HANDLE);
    if (auto port = std::dynamic_pointer_cast<Port>(taken)) {
        {
            std::lock_guard<std::mutex> lock(port->mutex);
            port->quit = true;
            // The owner of a still pending record may already have released it, so it is left alone.
            const int left = static_cast<int>(port->ops.size());
            if (left > 0) {
                qCWarning(lcWireLinkPort) << "port closed with" << left << "operations pending";
                LinkProbe::noteAbandoned(left);
                LinkProbe::notePending(-left);
                port->ops.clear();
            }
            port->poke();
        }
        port->service.join();
        if (::isatty(port->fd))
            ::ioctl(port->fd, TIOCNXCL);
        LinkProbe::notePortOpen(-1);
    }
    return TRUE;
}

BOOL GetCommState(HANDLE file, DCB* dcb)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    if (!dcb)
        return failWith(ERROR_INVALID_PARAMETER);
    if (injected(Call::GetCommState))
        return FALSE;
    termios t{};
    if (::tcgetattr(port->fd, &t) != 0)
        return failWith(errorFromErrno(errno));
    DCB d{};
    d.DCBlength = sizeof(DCB);
    d.BaudRate = baudFor(::cfgetospeed(&t));
    d.fBinary = 1;
    d.fParity = (t.c_iflag & INPCK) ? 1 : 0;
    d.fOutxCtsFlow = (t.c_cflag & CRTSCTS) ? 1 : 0;
    d.fRtsControl = (t.c_cflag & CRTSCTS) ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
    d.fDtrControl = DTR_CONTROL_ENABLE;
    d.fTXContinueOnXoff = 1;
    d.fOutX = (t.c_iflag & IXON) ? 1 : 0;
    d.fInX = (t.c_iflag & IXOFF) ? 1 : 0;
    d.XonLim = 2048;
    d.XoffLim = 512;
    switch (t.c_cflag & CSIZE) {
    case CS5:
        d.ByteSize = 5;
        break;
    case CS6:
        d.ByteSize = 6;
        break;
    case CS7:
        d.ByteSize = 7;
        break;
    default:
        d.ByteSize = 8;
        break;
    }
    if (!(t.c_cflag & PARENB))
        d.Parity = NOPARITY;
    else if (t.c_cflag & CMSPAR)
        d.Parity = (t.c_cflag & PARODD) ? MARKPARITY : SPACEPARITY;
    else
        d.Parity = (t.c_cflag & PARODD) ? ODDPARITY : EVENPARITY;
    d.StopBits = (t.c_cflag & CSTOPB) ? (d.ByteSize == 5 ? ONE5STOPBITS : TWOSTOPBITS) : ONESTOPBIT;
    d.XonChar = static_cast<char>(t.c_cc[VSTART]);
    d.XoffChar = static_cast<char>(t.c_cc[VSTOP]);
    *dcb = d;
    return TRUE;
}

BOOL SetCommState(HANDLE file, DCB* dcb)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    if (!dcb)
        return failWith(ERROR_INVALID_PARAMETER);
    if (injected(Call::SetCommState))
        return FALSE;
    termios t{};
    if (::tcgetattr(port->fd, &t) != 0)
        return failWith(errorFromErrno(errno));
    // A Windows serial line has no line discipline: every byte passes unchanged.
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;

    speed_t speed;
    if (!speedFor(dcb->BaudRate, &speed))
        return failWith(ERROR_INVALID_PARAMETER);
    ::cfsetispeed(&t, speed);
    ::cfsetospeed(&t, speed);

    t.c_cflag &= ~CSIZE;
    switch (dcb->ByteSize) {
    case 5:
        t.c_cflag |= CS5;
        break;
    case 6:
        t.c_cflag |= CS6;
        break;
    case 7:
        t.c_cflag |= CS7;
        break;
    case 8:
        t.c_cflag |= CS8;
        break;
    default:
        return failWith(ERROR_INVALID_PARAMETER);
    }

    t.c_cflag &= ~(PARENB | PARODD | CMSPAR);
    switch (dcb->Parity) {
    case NOPARITY:
        break;
    case ODDPARITY:
        t.c_cflag |= PARENB | PARODD;
        break;
    case EVENPARITY:
        t.c_cflag |= PARENB;
        break;
    case MARKPARITY:
        t.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case SPACEPARITY:
        t.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        return failWith(ERROR_INVALID_PARAMETER);
    }
    t.c_iflag &= ~INPCK;
    if (dcb->fParity && dcb->Parity != NOPARITY)
        t.c_iflag |= INPCK;

    switch (dcb->StopBits) {
    case ONESTOPBIT:
        t.c_cflag &= ~CSTOPB;
        break;
    case ONE5STOPBITS: // 1.5 stop bits exist only with 5 data bits, where CSTOPB means them
        if (dcb->ByteSize != 5)
            return failWith(ERROR_INVALID_PARAMETER);
        t.c_cflag |= CSTOPB;
        break;
    case TWOSTOPBITS:
        t.c_cflag |= CSTOPB;
        break;
    default:
        return failWith(ERROR_INVALID_PARAMETER);
    }

    if (dcb->fOutxCtsFlow || dcb->fRtsControl == RTS_CONTROL_HANDSHAKE)
        t.c_cflag |= CRTSCTS;
    else
        t.c_cflag &= ~CRTSCTS;
    t.c_iflag &= ~(IXON | IXOFF | IXANY);
    if (dcb->fOutX)
        t.c_iflag |= IXON;
    if (dcb->fInX)
        t.c_iflag |= IXOFF;
    t.c_cc[VSTART] = static_cast<cc_t>(dcb->XonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(dcb->XoffChar);

    if (::tcsetattr(port->fd, TCSANOW, &t) != 0)
        return failWith(errorFromErrno(errno));
    return TRUE;
}

BOOL SetupComm(HANDLE file, DWORD inQueue, DWORD outQueue)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    std::lock_guard<std::mutex> lock(port->mutex);
    port->inQueue = inQueue;
    port->outQueue = outQueue;
    return TRUE;
}

BOOL GetCommTimeouts(HANDLE file, COMMTIMEOUTS* timeouts)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    if (!timeouts)
        return failWith(ERROR_INVALID_PARAMETER);
    if (injected(Call::GetCommTimeouts))
        return FALSE;
    std::lock_guard<std::mutex> lock(port->mutex);
    *timeouts = port->timeouts;
    return TRUE;
}

BOOL SetCommTimeouts(HANDLE file, COMMTIMEOUTS* timeouts)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    if (!timeouts)
        return failWith(ERROR_INVALID_PARAMETER);
    if (injected(Call::SetCommTimeouts))
        return FALSE;
    std::lock_guard<std::mutex> lock(port->mutex);
    port->timeouts = *timeouts;
    return TRUE;
}

BOOL PurgeComm(HANDLE file, DWORD flags)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    std::lock_guard<std::mutex> lock(port->mutex);
    if (flags & PURGE_TXABORT)
        abort(*port, OpKind::Write);
    if (flags & PURGE_RXABORT)
        abort(*port, OpKind::Read);
    if (flags & PURGE_TXCLEAR)
        ::tcflush(port->fd, TCOFLUSH);
    if (flags & PURGE_RXCLEAR)
        ::tcflush(port->fd, TCIFLUSH);
    return TRUE;
}

BOOL ClearCommError(HANDLE file, LPDWORD errors, COMSTAT* stat)
{
    LinkProbe::noteStatusQuery();
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    if (injected(Call::ClearCommError))
        return FALSE;
    std::lock_guard<std::mutex> lock(port->mutex);
    DWORD queued = 0;
    if (!queuedBytes(*port, &queued))
        return FALSE;
    int outQueued = 0;
    ::ioctl(port->fd, TIOCOUTQ, &outQueued);
    // The tty layer does not keep the driver's error flags; overruns and framing errors are not reported.
    if (errors)
        *errors = 0;
    if (stat) {
        *stat = COMSTAT{};
        stat->cbInQue = queued + LinkProbe::takePhantomBytes();
        stat->cbOutQue = static_cast<DWORD>(std::max(outQueued, 0));
    }
    return TRUE;
}

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
    if (!queuedBytes(*port, &queued))
        return begin(*port, std::move(op), true, lastError, nullptr);
    const bool now = queued > 0 && (port->eventMask & EV_RXCHAR);
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
            found = true;
        }
    }
    return found ? TRUE : failWith(ERROR_NOT_FOUND);
}

HANDLE CreateEventW(SECURITY_ATTRIBUTES*, BOOL manualReset, BOOL initialState, LPCWSTR name)
{
    if (name) { // named events are shared between processes; nothing here needs them
        lastError = ERROR_NOT_SUPPORTED;
        return nullptr;
    }
    const int fd = ::eventfd(initialState ? 1 : 0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (fd < 0) {
        lastError = errorFromErrno(errno);
        return nullptr;
    }
    auto event = std::make_shared<Event>();
    event->fd = fd;
    event->manualReset = manualReset != FALSE;
    return handles().add(std::move(event));
}

BOOL SetEvent(HANDLE object)
{
    const auto event = handles().find<Event>(object);
    if (!event)
        return failWith(ERROR_INVALID_HANDLE);
    event->set();
    return TRUE;
}

BOOL ResetEvent(HANDLE object)
{
    const auto event = handles().find<Event>(object);
    if (!event)
        return failWith(ERROR_INVALID_HANDLE);
    event->take();
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE object, DWORD milliseconds)
{
    return WaitForMultipleObjects(1, &object, FALSE, milliseconds);
}

DWORD WaitForMultipleObjects(DWORD count, const HANDLE* objects, BOOL waitAll, DWORD milliseconds)
{
    if (count == 0 || count > MAXIMUM_WAIT_OBJECTS || !objects) {
        lastError = ERROR_INVALID_PARAMETER;
        return WAIT_FAILED;
    }
    if (waitAll) {
        lastError = ERROR_NOT_SUPPORTED;
        return WAIT_FAILED;
    }
    std::vector<std::shared_ptr<Event>> events;
    std::vector<pollfd> fds;
    for (DWORD i = 0; i < count; ++i) {
        std::shared_ptr<Event> event = handles().find<Event>(objects[i]);
        if (!event) {
            lastError = ERROR_INVALID_HANDLE;
            return WAIT_FAILED;
        }
        fds.push_back({event->fd, POLLIN, 0});
        events.push_back(std::move(event));
    }
    const Clock::time_point deadline =
        milliseconds == INFINITE ? Clock::time_point::max() : Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        int timeout = -1;
        if (deadline != Clock::time_point::max()) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            timeout = static_cast<int>(std::clamp<decltype(left)>(left, 0, INT_MAX));
        }
        const int ready = ::poll(fds.data(), fds.size(), timeout);
        if (ready < 0 && errno != EINTR) {
            lastError = errorFromErrno(errno);
            return WAIT_FAILED;
        }
        for (DWORD i = 0; ready > 0 && i < count; ++i) {
            if (!(fds[i].revents & POLLIN))
                continue;
            // A manual-reset event stays signalled for every waiter; an auto-reset one goes to one waiter.
            if (events[i]->manualReset) {
                return WAIT_OBJECT_0 + i;
            }
            if (events[i]->take())
                return WAIT_OBJECT_0 + i;
        }
        if (ready == 0 && Clock::now() >= deadline)
            return WAIT_TIMEOUT;
    }
}

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        lastError = ERROR_INVALID_FUNCTION;
        return 0;
    }
    QWidget* parent = owner ? QWidget::find(reinterpret_cast<WId>(owner)) : nullptr;
    const QMessageBox::Icon icon = (type & MB_ICONERROR) ? QMessageBox::Critical : QMessageBox::NoIcon;
    // Windows puts "Error" in the title bar when no caption is given.
    const QString title = caption ? QString::fromWCharArray(caption) : QStringLiteral("Error");
    QMessageBox box(icon, title, text ? QString::fromWCharArray(text) : QString(), QMessageBox::Ok, parent);
    box.exec();
    return IDOK;
}
