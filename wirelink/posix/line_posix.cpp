// Line settings, time-outs and purges of the POSIX stand-in.

#include "commapi_posix_p.h"

#include <termios.h>

using namespace CommApiPosix;

namespace {

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

} // namespace

BOOL GetCommState(HANDLE file, DCB* dcb)
{
    const auto port = handles().find<Port>(file);
    if (!port)
        return failWith(ERROR_INVALID_HANDLE);
    if (!dcb || dcb->DCBlength != sizeof(DCB))
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
    if (!dcb || dcb->DCBlength != sizeof(DCB))
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
    if (injected(Call::PurgeComm))
        return FALSE;
    std::lock_guard<std::mutex> lock(port->mutex);
    if (flags & PURGE_TXABORT)
        abort(*port, OpKind::Write);
    if (flags & PURGE_RXABORT)
        abort(*port, OpKind::Read);
    if (flags & PURGE_TXCLEAR)
        ::tcflush(port->fd, TCOFLUSH);
    if (flags & PURGE_RXCLEAR) {
        ::tcflush(port->fd, TCIFLUSH);
        port->known = 0;
    }
    return TRUE;
}
