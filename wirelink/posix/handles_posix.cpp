// The handle table, opening and closing, events and waits of the POSIX stand-in.

#include "commapi_posix_p.h"

#include <wirelink/wirelinklog.h>

#include <QString>

#include <algorithm>
#include <climits>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>

namespace CommApiPosix {

HandleTable& handles()
{
    static HandleTable table;
    return table;
}

} // namespace CommApiPosix

using namespace CommApiPosix;

namespace {

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
    // Errors the driver counted before this open are not the handle's to report.
    driverCounts(*port, &port->counts);
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
            // As on Windows, closing the handle ends what is pending and writes its record: an owner that let
            // a record go before its operation ended has its memory written.
            const int left = static_cast<int>(port->ops.size());
            if (left > 0) {
                qCWarning(lcWireLinkPort) << "port closed with" << left << "operations pending";
                LinkProbe::noteAbandoned(left);
                abortAll(*port);
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

HANDLE CreateEventW(SECURITY_ATTRIBUTES*, BOOL manualReset, BOOL initialState, LPCWSTR name)
{
    if (injected(Call::CreateEvent))
        return nullptr;
    // Named events are shared between processes and auto-reset ones go to one waiter; WireLink needs neither.
    if (name || !manualReset) {
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
        // Every event is manual-reset: it stays signalled for every waiter.
        for (DWORD i = 0; ready > 0 && i < count; ++i) {
            if (fds[i].revents & POLLIN)
                return WAIT_OBJECT_0 + i;
        }
        if (ready == 0 && Clock::now() >= deadline)
            return WAIT_TIMEOUT;
    }
}
