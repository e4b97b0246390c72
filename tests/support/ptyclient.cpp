#include "ptyclient.h"

#include <camsim/commandrecord.h>
#include <camsim/framebuilder.h>
#include <devicebase/km420frame.h>

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

PtyClient::~PtyClient()
{
    close();
}

bool PtyClient::open(const QString& path)
{
    close();
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    return m_fd >= 0;
}

void PtyClient::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool PtyClient::send(const QByteArray& bytes)
{
    return ::write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
}

QByteArray PtyClient::record(quint16 code, qint16 first, qint16 second, quint8 third)
{
    CommandRecord r;
    r.code = code;
    r.firstValue = first;
    r.secondValue = second;
    r.thirdValue = third;
    return r.toBytes();
}

Collected PtyClient::collect(int quietMs, int maxMs)
{
    Collected c;
    QElapsedTimer total, sinceLast;
    total.start();
    sinceLast.start();
    while (total.elapsed() < maxMs) {
        pollfd p{m_fd, POLLIN, 0};
        const int n = ::poll(&p, 1, quietMs);
        if (n == 0)
            break;
        char buffer[65536];
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got > 0) {
            if (c.reads > 0)
                c.longestGapMs = qMax(c.longestGapMs, sinceLast.elapsed());
            sinceLast.restart();
            if (c.firstMs < 0)
                c.firstMs = total.elapsed();
            c.lastMs = total.elapsed();
            c.data.append(buffer, int(got));
            ++c.reads;
            continue;
        }
        if (got < 0 && errno == EAGAIN) {
            if (p.revents & POLLHUP) {
                c.hungUp = true;
                break;
            }
            continue;
        }
        c.hungUp = true; // 0 (end of file) or EIO
        break;
    }
    return c;
}

bool isFrame(const QByteArray& bytes, int at)
{
    return FrameBuilder::hasValidMarkers(bytes.mid(at, Km420Frame::Size));
}
