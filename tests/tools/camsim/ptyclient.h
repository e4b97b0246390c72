#ifndef PTYCLIENT_H
#define PTYCLIENT_H

#include "commandrecord.h"
#include "framebuilder.h"

#include <km420frame.h>

#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

// What the client side of the line saw until it went quiet.
struct Collected {
    QByteArray data;
    int reads = 0;
    qint64 longestGapMs = 0; // between two reads
    qint64 firstMs = -1;     // first and last read, from the start of collection
    qint64 lastMs = -1;
    bool hungUp = false;
};

// Plays the client on the slave side with plain descriptors, so timing is what the kernel delivers.
class PtyClient {
public:
    ~PtyClient() { close(); }

    bool open(const QString& path) {
        close();
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        return m_fd >= 0;
    }
    void close() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    bool send(const QByteArray& bytes) {
        return ::write(m_fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    bool send(quint16 code) { return send(record(code)); }

    static QByteArray record(quint16 code, qint16 first = 0, qint16 second = 0, quint8 third = 0) {
        CommandRecord r;
        r.code = code;
        r.firstValue = first;
        r.secondValue = second;
        r.thirdValue = third;
        return r.toBytes();
    }

    // Reads until nothing came for quietMs, the line hung up, or maxMs passed.
    Collected collect(int quietMs = 300, int maxMs = 5000) {
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

private:
    int m_fd = -1;
};

inline bool isFrame(const QByteArray& bytes, int at = 0) {
    return FrameBuilder::hasValidMarkers(bytes.mid(at, Km420Frame::Size));
}

#endif // PTYCLIENT_H
