#include "serialstreamcut.h"

#include "lensfeedlog.h"

#include <QTimer>

SerialStreamCut::SerialStreamCut(QObject* parent) : QObject(parent), m_tickTimer(new QTimer)
{
    m_tickTimer->setInterval(TickMs);
    connect(m_tickTimer.get(), &QTimer::timeout, this, &SerialStreamCut::tick);
}

SerialStreamCut::~SerialStreamCut() = default;

void SerialStreamCut::arm()
{
    m_buffer.clear();
    m_countdown = FirstByteTicks;
    if (m_tickTimer->isActive())
        m_tickTimer->stop();
    m_tickTimer->start();
    m_state = Waiting;
}

void SerialStreamCut::stop()
{
    if (m_tickTimer->isActive())
        m_tickTimer->stop();
    m_state = Idle;
}

void SerialStreamCut::collect(const QByteArray& bytes)
{
    if (m_state == Idle || bytes.isEmpty())
        return;
    const int room = BufferLimit - m_buffer.size();
    if (room <= 0) {
        qCDebug(lcStream) << "reply longer than a frame," << bytes.size() << "bytes dropped";
        return;
    }
    m_state = Receiving;
    m_countdown = QuietTicks;
    m_buffer.append(bytes.constData(), std::min(room, int(bytes.size())));
}

void SerialStreamCut::tick()
{
    // Below zero the countdown keeps falling silently until the next arm().
    if (--m_countdown == 0)
        emit timeout();
}

bool SerialStreamCut::isTicking() const
{
    return m_tickTimer->isActive();
}
