#ifndef SERIALSTREAMCUT_H
#define SERIALSTREAMCUT_H

#include <devicebase/km420frame.h>

#include <QByteArray>
#include <QObject>

#include <memory>

class QTimer;

// Cuts one reply out of the serial byte stream by time: after arm(), timeout() comes 300 ticks later
// if nothing arrived, or 10 quiet ticks after the last chunk. The stream has no length field.
class SerialStreamCut : public QObject {
    Q_OBJECT
public:
    enum State { Idle = 0, Waiting = 1, Receiving = 2 };
    static constexpr int TickMs = 10;
    static constexpr int FirstByteTicks = 300;
    static constexpr int QuietTicks = 10;
    // A collection longer than one frame already fails the size check; keeping one byte more than a
    // frame is enough to tell, and bounds the memory a camera that never pauses can take.
    static constexpr int BufferLimit = Km420Frame::Size + 1;

    explicit SerialStreamCut(QObject* parent = nullptr);
    ~SerialStreamCut() override;

    // Clears the buffer and waits for the first byte of a reply.
    void arm();
    // Stops ticking; the buffer keeps its contents.
    void stop();
    // Bytes read from the port: dropped while Idle, else appended (up to BufferLimit) and the quiet
    // wait restarted. Bytes beyond the limit are dropped and do not restart the wait.
    void collect(const QByteArray& bytes);
    // One tick of the timer; public so that tests can drive time by hand.
    void tick();

    State state() const { return State(m_state); }
    const QByteArray& buffer() const { return m_buffer; }
    int countdown() const { return m_countdown; }
    bool isTicking() const;

signals:
    void timeout();

private:
    QByteArray m_buffer;
    int m_countdown = 0;
    int m_state = Idle;
    std::unique_ptr<QTimer> m_tickTimer;
};

#endif // SERIALSTREAMCUT_H
