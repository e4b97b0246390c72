// The last error, line errors and the message box of the POSIX stand-in.

#include "commapi_posix_p.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <algorithm>

#include <sys/ioctl.h>

namespace CommApiPosix {

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

bool driverCounts(Port& port, serial_icounter_struct* counts)
{
    using Counter = LinkProbe::LineCounter;
    quint32 fed[static_cast<int>(Counter::Count)];
    if (!LinkProbe::lineCounters(fed)) {
        if (port.keepsCounts && ::ioctl(port.fd, TIOCGICOUNT, counts) == 0)
            return true;
        port.keepsCounts = port.keepsCounts && errno != ENOTTY && errno != EINVAL;
        return false;
    }
    *counts = serial_icounter_struct{};
    counts->frame = static_cast<int>(fed[static_cast<int>(Counter::Frame)]);
    counts->parity = static_cast<int>(fed[static_cast<int>(Counter::Parity)]);
    counts->overrun = static_cast<int>(fed[static_cast<int>(Counter::Overrun)]);
    counts->buf_overrun = static_cast<int>(fed[static_cast<int>(Counter::BufferOverrun)]);
    counts->brk = static_cast<int>(fed[static_cast<int>(Counter::Break)]);
    return true;
}

namespace {

// The CE_* flags of the counters that changed from `was` to `now`; changed, not grew, as the counters wrap.
DWORD lineErrorsBetween(const serial_icounter_struct& was, const serial_icounter_struct& now)
{
    DWORD errors = 0;
    if (now.buf_overrun != was.buf_overrun)
        errors |= CE_RXOVER;
    if (now.overrun != was.overrun)
        errors |= CE_OVERRUN;
    if (now.parity != was.parity)
        errors |= CE_RXPARITY;
    if (now.frame != was.frame)
        errors |= CE_FRAME;
    if (now.brk != was.brk)
        errors |= CE_BREAK;
    return errors;
}

} // namespace

DWORD lineErrors(Port& port)
{
    serial_icounter_struct now{};
    if (!driverCounts(port, &now))
        return 0;
    const DWORD errors = lineErrorsBetween(port.counts, now);
    port.counts = now;
    return errors;
}

} // namespace CommApiPosix

using namespace CommApiPosix;

DWORD GetLastError()
{
    return lastError;
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
    if (!observeQueue(*port, &queued))
        return FALSE;
    int outQueued = 0;
    ::ioctl(port->fd, TIOCOUTQ, &outQueued);
    // Windows clears the errors also for a caller that does not ask for them.
    const DWORD found = lineErrors(*port);
    if (errors)
        *errors = found;
    if (stat) {
        *stat = COMSTAT{};
        stat->cbInQue = queued + LinkProbe::takePhantomBytes();
        stat->cbOutQue = static_cast<DWORD>(std::max(outQueued, 0));
    }
    return TRUE;
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
