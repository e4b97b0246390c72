#include <frames/framecheck.h>
#include <frames/videoextinf.h>
#include <lensfeed/serialstreamcut.h>

#include <testframes.h>

#include <QSignalSpy>
#include <QTest>

namespace {

void ticks(SerialStreamCut& cut, int n)
{
    for (int i = 0; i < n; ++i)
        cut.tick();
}

} // namespace

// Time is driven by hand through tick(); the tick timer is stopped so it cannot interfere.
class TestSerialStreamCut : public QObject {
    Q_OBJECT
private slots:
    void armAndStop()
    {
        SerialStreamCut cut;
        QCOMPARE(cut.state(), SerialStreamCut::Idle);
        QVERIFY(!cut.isTicking());
        cut.collect("xyz");
        QVERIFY(cut.buffer().isEmpty()); // Idle: dropped
        cut.arm();
        QCOMPARE(cut.state(), SerialStreamCut::Waiting);
        QCOMPARE(cut.countdown(), 300);
        QVERIFY(cut.isTicking());
        cut.collect("ab");
        cut.stop();
        QCOMPARE(cut.state(), SerialStreamCut::Idle);
        QVERIFY(!cut.isTicking());
        QCOMPARE(cut.buffer(), QByteArray("ab")); // kept after stop
        cut.arm();
        QVERIFY(cut.buffer().isEmpty());
    }

    // Rows: chunk sizes and the quiet ticks after each; the expected state at the end of collection,
    // the ticks after arm() at which timeout() came, and the frame check's verdict.
    void timing_data()
    {
        QTest::addColumn<QList<int>>("chunks");
        QTest::addColumn<QList<int>>("gaps");
        QTest::addColumn<int>("expectedTimeoutAt");
        QTest::addColumn<int>("collected");
        QTest::addColumn<int>("result");

        QTest::newRow("no reply") << QList<int>{} << QList<int>{} << 300 << 0 << -1;
        QTest::newRow("one chunk") << QList<int>{Km420Frame::Size} << QList<int>{} << 10 << Km420Frame::Size
                                   << int(FrameCheck::FrameOk);
        QTest::newRow("many chunks, 9 ticks apart")
            << QList<int>{2048, 4095, 4095, 1538, 3159} << QList<int>{9, 9, 9, 9} << 46 << Km420Frame::Size
            << int(FrameCheck::FrameOk);
        QTest::newRow("pause of 10 ticks inside")
            << QList<int>{7000, 7935} << QList<int>{10} << 10 << 7000 << int(FrameCheck::FrameSizeWrong);
        QTest::newRow("two replies back to back")
            << QList<int>{Km420Frame::Size, Km420Frame::Size} << QList<int>{3} << 13 << SerialStreamCut::BufferLimit
            << int(FrameCheck::FrameSizeWrong);
        QTest::newRow("short reply") << QList<int>{10000} << QList<int>{} << 10 << 10000
                                     << int(FrameCheck::FrameSizeWrong);
        // A camera that never pauses: the buffer stays bounded and chunks past the bound do not hold
        // the end of the reply back.
        QTest::newRow("endless stream") << QList<int>{4096, 4096, 4096, 4096, 4096, 4096, 4096, 4096}
                                        << QList<int>{1, 1, 1, 1, 1, 1, 1} << 13 << SerialStreamCut::BufferLimit
                                        << int(FrameCheck::FrameSizeWrong);
    }

    void timing()
    {
        QFETCH(QList<int>, chunks);
        QFETCH(QList<int>, gaps);
        QFETCH(int, expectedTimeoutAt);
        QFETCH(int, collected);
        QFETCH(int, result);

        const QByteArray reply = TestFrames::marked() + TestFrames::marked() + QByteArray(4 * Km420Frame::Size, 'x');
        SerialStreamCut cut;
        QSignalSpy spy(&cut, &SerialStreamCut::timeout);
        cut.arm(); // no event loop runs below, so only the hand-made ticks count
        int tick = 0;
        int timeoutAt = -1;
        SerialStreamCut::State stateAtTimeout = SerialStreamCut::Idle;
        QByteArray bufferAtTimeout;
        connect(&cut, &SerialStreamCut::timeout, this, [&] {
            timeoutAt = tick;
            stateAtTimeout = cut.state();
            bufferAtTimeout = cut.buffer();
            cut.stop();
        });
        int offset = 0;
        for (int i = 0; i < chunks.size() && timeoutAt < 0; ++i) {
            cut.collect(reply.mid(offset, chunks[i]));
            offset += chunks[i];
            const int gap = i < gaps.size() ? gaps[i] : 0;
            for (int t = 0; t < gap && timeoutAt < 0; ++t) {
                ++tick;
                cut.tick();
            }
        }
        while (timeoutAt < 0 && tick < 1000) {
            ++tick;
            cut.tick();
        }
        QCOMPARE(spy.count(), 1);
        QCOMPARE(timeoutAt, expectedTimeoutAt);
        QCOMPARE(bufferAtTimeout.size(), collected);
        QVERIFY(bufferAtTimeout.size() <= SerialStreamCut::BufferLimit);
        if (result < 0) {
            QCOMPARE(stateAtTimeout, SerialStreamCut::Waiting);
        } else {
            QCOMPARE(stateAtTimeout, SerialStreamCut::Receiving);
            Video_ExtInf f{};
            QCOMPARE(int(FrameCheck::check(bufferAtTimeout, &f)), result);
        }
        // The rest of a cut reply arriving while Idle is dropped.
        cut.collect(reply.mid(offset, 100));
        QCOMPARE(cut.buffer(), bufferAtTimeout);
    }

    void countdownFallsSilentlyBelowZero()
    {
        SerialStreamCut cut;
        QSignalSpy spy(&cut, &SerialStreamCut::timeout);
        cut.arm();
        cut.collect("a");
        ticks(cut, 50); // nobody stops it
        QCOMPARE(spy.count(), 1);
        QCOMPARE(cut.countdown(), -40);
        QCOMPARE(cut.state(), SerialStreamCut::Receiving);
    }

    void realTimer()
    {
        SerialStreamCut cut;
        QSignalSpy spy(&cut, &SerialStreamCut::timeout);
        cut.arm();
        cut.collect(TestFrames::marked());
        QVERIFY(spy.wait(1000)); // 10 ticks of 10 ms
        QCOMPARE(cut.state(), SerialStreamCut::Receiving);
        QVERIFY(cut.isTicking()); // emitting does not stop the timer
        cut.stop();
        QVERIFY(!cut.isTicking());
    }
};

QTEST_GUILESS_MAIN(TestSerialStreamCut)
#include "tst_serialstreamcut.moc"
