#include "ptypair.h"

#include <QElapsedTimer>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair(bool raw)
{
    masterFd = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (masterFd < 0 || ::grantpt(masterFd) != 0 || ::unlockpt(masterFd) != 0)
        return;
    const char* name = ::ptsname(masterFd);
    if (!name)
        return;
    path = QString::fromLocal8Bit(name);
    slaveFd = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveFd < 0 || !raw)
        return;
    termios t{};
    ::tcgetattr(slaveFd, &t);
    ::cfmakeraw(&t);
    ::tcsetattr(slaveFd, TCSANOW, &t);
}

PtyPair::~PtyPair()
{
    if (slaveFd >= 0)
        ::close(slaveFd);
    if (masterFd >= 0)
        ::close(masterFd);
}

bool PtyPair::writeAll(const QByteArray& data, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(masterFd, data.constData() + done, size_t(data.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0)
            return false;
        pollfd p{masterFd, POLLOUT, 0};
        ::poll(&p, 1, int(left));
    }
    return true;
}

QByteArray PtyPair::read(int count, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QByteArray got;
    char chunk[4096];
    while (got.size() < count) {
        const ssize_t n = ::read(masterFd, chunk, sizeof chunk);
        if (n > 0) {
            got.append(chunk, int(n));
            continue;
        }
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
            break;
        pollfd p{masterFd, POLLIN, 0};
        ::poll(&p, 1, int(left));
    }
    return got;
}

void PtyPair::hangUp()
{
    if (masterFd >= 0)
        ::close(masterFd);
    masterFd = -1;
}
