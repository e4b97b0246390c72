#include "ptycamera.h"
#include "ptypair.h"
#include "testframes.h"

#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>

#include <QSocketNotifier>

#include <cerrno>
#include <unistd.h>

PtyCamera::PtyCamera() = default;

PtyCamera::~PtyCamera()
{
    hangUp();
}

bool PtyCamera::start()
{
    // Raw, or the line discipline rewrites CR, swallows XON/XOFF and echoes; the pair keeps a slave
    // descriptor open so the master never reads EIO between two opens of the client.
    m_pty = std::make_unique<PtyPair>(true);
    if (!m_pty->isValid())
        return false;
    m_path = m_pty->slavePath();
    m_reader.reset(new QSocketNotifier(m_pty->master(), QSocketNotifier::Read));
    connect(m_reader.get(), &QSocketNotifier::activated, this, &PtyCamera::readable);
    m_writer.reset(new QSocketNotifier(m_pty->master(), QSocketNotifier::Write));
    m_writer->setEnabled(false);
    connect(m_writer.get(), &QSocketNotifier::activated, this, &PtyCamera::writable);
    return true;
}

void PtyCamera::hangUp()
{
    m_reader.reset();
    m_writer.reset();
    m_pty.reset();
}

QByteArray PtyCamera::frame(quint8 palette, quint32 sequence)
{
    QByteArray f = TestFrames::marked(palette);
    Km420Frame::writeUInt32(f.data(), ExtInfoLayout::SequenceOffset, sequence);
    for (int r = 0; r < Km420Frame::Height; ++r)
        for (int c = 0; c < Km420Frame::RowStride; ++c)
            f[Km420Frame::PixelOffset + r * Km420Frame::RowStride + c] = char(c < 80 ? (r + c) % 256 : 255);
    return f;
}

void PtyCamera::readable()
{
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_pty->master(), buf, sizeof buf);
        if (n > 0) {
            m_in.append(buf, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    while (m_in.size() >= 55) {
        const QByteArray record = m_in.left(55);
        m_in.remove(0, 55);
        records << record;
        const Reply reply = script.isEmpty() ? Good : script.takeFirst();
        QByteArray f = frame(palette, ++sequence);
        switch (reply) {
        case Good:
            send(f);
            break;
        case BadTail:
            f[Km420Frame::Size - 1] = 0x11;
            send(f);
            break;
        case Short:
            send(f.left(10000));
            break;
        case Silent:
            break;
        }
        emit recordReceived(record);
    }
}

void PtyCamera::send(const QByteArray& bytes)
{
    m_out.append(bytes);
    writable();
}

void PtyCamera::writable()
{
    // The pty takes less than a frame at once, and the client reads on this same thread.
    while (!m_out.isEmpty() && m_pty) {
        const ssize_t n = ::write(m_pty->master(), m_out.constData(), size_t(m_out.size()));
        if (n > 0) {
            m_out.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (m_writer)
        m_writer->setEnabled(!m_out.isEmpty());
}
