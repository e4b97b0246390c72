// commapi.h comes first: on Windows it fixes the system version before <windows.h> is read.
#include "commapi.h"

#include "wirelink.h"
#include "wirelink_p.h"

#include "portpath.h"
#include "readthread.h"
#include "wirelinklog.h"
#include <serialports/portlisting.h>

#include <QPointer>

#include <string>

Q_LOGGING_CATEGORY(lcWireLinkPort, "wirelink.port")

namespace {

// Both driver queues are as large as one reader buffer.
constexpr DWORD kQueueSize = ReadThread::kBufferSize;
constexpr DWORD kWriteWaitMs = 1000;

// The write failures the user is told about; others are only logged.
const wchar_t* messageFor(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
        return L"\u62d2\u7edd\u8bbf\u95ee"; // 拒绝访问
    case ERROR_INVALID_HANDLE:
        return L"\u6253\u5f00\u4e32\u53e3\u5931\u8d25"; // 打开串口失败
    case ERROR_BAD_COMMAND:
        return L"\u975e\u6cd5\u65ad\u5f00"; // 非法断开
    case ERROR_INVALID_PARAMETER:
        return L"\u7cfb\u7edf\u9519\u8bef"; // 系统错误
    default:
        return nullptr;
    }
}

bool configure(HANDLE port)
{
    DCB dcb{};
    dcb.DCBlength = sizeof(DCB);
    if (!GetCommState(port, &dcb))
        return false;
    dcb.BaudRate = 9600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    // Frames are binary: a port left with XON/XOFF (a fresh USB ACM port has it) would swallow their
    // 0x11 and 0x13 bytes, and the camera drives no flow-control lines.
    dcb.fBinary = TRUE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    if (!SetCommState(port, &dcb))
        return false;
    SetupComm(port, kQueueSize, kQueueSize);
    COMMTIMEOUTS timeouts{};
    if (!GetCommTimeouts(port, &timeouts))
        return false;
    timeouts.ReadIntervalTimeout = 100;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 1;
    timeouts.WriteTotalTimeoutConstant = 1;
    return SetCommTimeouts(port, &timeouts) != FALSE;
}

} // namespace

WireLink::WireLink(QWidget* parent) : QWidget(parent), d(std::make_unique<Private>())
{
    // readyRead crosses from the reader's thread to this one.
    qRegisterMetaType<char*>("char*");
    resize(0, 0);
    hide();
}

WireLink::~WireLink()
{
    // Left open, the reader would go on using this object and its handle after they are gone.
    release();
}

bool WireLink::open(const QString& name)
{
    if (d->isOpen)
        return false;
    const std::wstring path = PortPath::normalise(name).toStdWString();
    d->portHandle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OVERLAPPED, nullptr);
    if (d->portHandle == INVALID_HANDLE_VALUE) {
        qCDebug(lcWireLinkPort) << "cannot open" << name << "error" << GetLastError();
        return false;
    }
    if (!configure(d->portHandle)) {
        qCDebug(lcWireLinkPort) << "cannot configure" << name << "error" << GetLastError();
        CloseHandle(d->portHandle);
        d->portHandle = INVALID_HANDLE_VALUE;
        return false;
    }
    PurgeComm(d->portHandle, PURGE_TXCLEAR | PURGE_RXCLEAR);

    d->readThread = std::make_unique<ReadThread>(this);
    if (!d->readThread->isReady()) {
        qCDebug(lcWireLinkPort) << "cannot start the reader of" << name << "error" << GetLastError();
        d->readThread.reset();
        CloseHandle(d->portHandle);
        d->portHandle = INVALID_HANDLE_VALUE;
        return false;
    }
    ReadThread* reader = d->readThread.get();
    // The reader object lives on this thread, so deliveries arrive here queued, and destroying the reader
    // in close() discards those still waiting along with the buffers they point into.
    connect(reader, &ReadThread::readyRead, reader, [this, guard = QPointer<ReadThread>(reader)](char* buff, int len) {
        if (!guard)
            return;
        guard->blockReceived(buff);
        emit readyRead(buff, len);
        if (guard) // a receiver may have closed the port
            guard->blockDelivered(buff);
    });
    reader->start(QThread::InheritPriority);

    d->isOpen = true;
    emit opened();
    return true;
}

int WireLink::write(const char* data, int len)
{
    if (!d->isOpen)
        return -1;
    if (len < 0 || (!data && len > 0))
        return 0;
    OVERLAPPED io{};
    io.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!io.hEvent)
        return 0;
    // Every write starts on empty queues; bytes the reader has not taken yet are lost.
    PurgeComm(d->portHandle, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    int result = 0;
    DWORD written = 0;
    if (WriteFile(d->portHandle, data, static_cast<DWORD>(len), &written, &io)) {
        result = 1;
    } else {
        const DWORD error = GetLastError();
        if (error == ERROR_IO_PENDING) {
            if (WaitForSingleObject(io.hEvent, kWriteWaitMs) != WAIT_OBJECT_0)
                CancelIoEx(d->portHandle, &io);
            // The system owns io and data until the write has ended, cancelled or not.
            GetOverlappedResult(d->portHandle, &io, &written, TRUE);
        } else {
            qCDebug(lcWireLinkPort) << "write failed, error" << error;
            if (const wchar_t* text = messageFor(error))
                MessageBoxW(reinterpret_cast<HWND>(winId()), text, nullptr, MB_ICONERROR);
        }
    }
    CloseHandle(io.hEvent);
    return result;
}

void WireLink::close()
{
    if (!d->isOpen)
        return;
    release();
    emit closed();
}

void* WireLink::handle() const
{
    return d->portHandle;
}

int WireLink::enumerate(ushort vid, ushort pid, QStringList& list)
{
    return PortListing::appendMatching(PortListing::present(), vid, pid, list);
}

void WireLink::release()
{
    if (!d->isOpen)
        return;
    d->readThread->requestStop();
    d->readThread->join();
    d->readThread.reset();
    if (d->portHandle != INVALID_HANDLE_VALUE) {
        CloseHandle(d->portHandle);
        d->portHandle = INVALID_HANDLE_VALUE;
    }
    d->isOpen = false;
}
