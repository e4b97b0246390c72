#include <camsim/camerasimulator.h>

#include <ptyclient.h>

#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(FaultPlan)

using namespace Km420Frame;

class TestCameraSimulator : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneRecordOneFrame_data();
    void oneRecordOneFrame();
    void parametersAreKeptAndEchoed();
    void paletteFollowsTheSetting();
    void recordByteByByteAmidGarbage();
    void faults_data();
    void faults();
    void faultUntilCleared();
    void flood();
    void hangUp_data();
    void hangUp();
    void restartKeepsTheLink();
    void clientMayReopen();
    void garbageOutsideReplies();
    void minimumFrameInterval();
    void waitKeepsEventsFlowing();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CameraSimulator> m_sim;
    PtyClient m_client;
};

void TestCameraSimulator::init()
{
    CameraSimulator::Options options;
    options.seed = 7;
    options.linkPath = m_dir.filePath(QStringLiteral("km420"));
    m_sim = std::make_unique<CameraSimulator>(options);
    QVERIFY2(m_sim->start(), qPrintable(m_sim->errorString()));
    QVERIFY(m_client.open(m_sim->portPath()));
}

void TestCameraSimulator::cleanup()
{
    m_client.close();
    m_sim.reset();
}

void TestCameraSimulator::oneRecordOneFrame_data()
{
    QTest::addColumn<quint16>("code");
    QTest::newRow("get video frame") << quint16(0);
    QTest::newRow("set parameters") << quint16(1);
    QTest::newRow("reset frame") << quint16(2);
    QTest::newRow("unknown code") << quint16(0x0105);
}

void TestCameraSimulator::oneRecordOneFrame()
{
    QFETCH(quint16, code);
    QVERIFY(m_client.send(code));
    const Collected c = m_client.collect();
    QCOMPARE(c.data.size(), Size);
    QVERIFY(isFrame(c.data));
    QCOMPARE(quint16(readInt16(c.data.constData(), ReplyCodeOffset)), code);
    QCOMPARE(int(uchar(c.data[PixelOffset + Width])), int(FrameBuilder::PadByte));

    const SimulatorStats s = m_sim->stats();
    QCOMPARE(s.records(), qint64(1));
    if (code < 3)
        QCOMPARE(s.recordsByCode[code], qint64(1));
    else
        QCOMPARE(s.recordsOtherCode, qint64(1));
    QCOMPARE(s.framesSent, qint64(1));
    QCOMPARE(s.recordsAnswered, qint64(1));
    QCOMPARE(s.bytesSent, qint64(Size));
    QCOMPARE(s.bytesReceived, qint64(55));
}

void TestCameraSimulator::parametersAreKeptAndEchoed()
{
    QCOMPARE(m_sim->stats().parameters, CameraParameters());
    QVERIFY(m_client.send(PtyClient::record(1, 250, -30, 95)));
    QByteArray frame = m_client.collect().data;
    QCOMPARE(frame.size(), Size);
    QCOMPARE(int(readInt16(frame.constData(), AlarmHighOffset)), 250);
    QCOMPARE(int(readInt16(frame.constData(), AlarmLowOffset)), -30);
    QCOMPARE(int(uchar(frame[EmissivityOffset])), 95);

    // Only set-parameters changes them; the values a get-frame record carries are not taken.
    QVERIFY(m_client.send(PtyClient::record(0, 1, 2, 3)));
    frame = m_client.collect().data;
    QCOMPARE(frame.size(), Size);
    QCOMPARE(int(readInt16(frame.constData(), AlarmHighOffset)), 250);
    QCOMPARE(int(readInt16(frame.constData(), AlarmLowOffset)), -30);
    QCOMPARE(int(uchar(frame[EmissivityOffset])), 95);
    const CameraParameters expected{250, -30, 95};
    QCOMPARE(m_sim->stats().parameters, expected);
    QCOMPARE(readUInt32(frame.constData(), ExtInfoLayout::SequenceOffset), m_sim->stats().lastSequence);
}

void TestCameraSimulator::paletteFollowsTheSetting()
{
    for (int palette : {0, 3, 7, 255}) {
        m_sim->setPaletteNumber(quint8(palette));
        QVERIFY(m_client.send(quint16(0)));
        const QByteArray frame = m_client.collect().data;
        QCOMPARE(frame.size(), Size);
        QCOMPARE(int(uchar(frame[PaletteOffset])), palette);
    }
}

void TestCameraSimulator::recordByteByByteAmidGarbage()
{
    const QByteArray stream = QByteArray::fromHex("0167452301ff") + PtyClient::record(2) + QByteArray::fromHex("6745");
    for (char byte : stream)
        QVERIFY(m_client.send(QByteArray(1, byte)));
    const Collected c = m_client.collect();
    QCOMPARE(c.data.size(), Size);
    QVERIFY(isFrame(c.data));
    QCOMPARE(m_sim->stats().recordsByCode[2], qint64(1));
    QCOMPARE(m_sim->stats().malformedRecords, qint64(1));
}

void TestCameraSimulator::faults_data()
{
    QTest::addColumn<FaultPlan>("fault");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<bool>("headRight");
    QTest::addColumn<bool>("tailRight");
    QTest::addColumn<int>("minGapMs"); // the longest silence inside the reply is at least this
    QTest::addColumn<int>("maxGapMs"); // and at most this
    QTest::addColumn<int>("minReads");

    QTest::newRow("silence") << FaultPlan::silence(1) << 0 << false << false << 0 << 0 << 0;
    QTest::newRow("short") << FaultPlan::shortReply(9000, 1) << 9000 << true << false << 0 << 100 << 1;
    QTest::newRow("long") << FaultPlan::longReply(100, 1) << Size + 100 << true << true << 0 << 100 << 1;
    QTest::newRow("bad head") << FaultPlan::make(FaultPlan::BadHead, 1) << Size << false << true << 0 << 100 << 1;
    QTest::newRow("bad tail") << FaultPlan::make(FaultPlan::BadTail, 1) << Size << true << false << 0 << 100 << 1;
    QTest::newRow("pause") << FaultPlan::pauseInReply(250, 5000, 1) << Size << true << true << 150 << 1000 << 2;
    QTest::newRow("garbage") << FaultPlan::garbage(64, 1) << 64 << false << false << 0 << 100 << 1;
    QTest::newRow("chunks of 1000 bytes, 5 ms apart")
        << FaultPlan::chunked(1000, 5000, 1) << Size << true << true << 0 << 100 << 10;
    QTest::newRow("single bytes") << FaultPlan::chunked(1, 0, 1) << Size << true << true << 0 << 100 << 1;
}

void TestCameraSimulator::faults()
{
    QFETCH(FaultPlan, fault);
    QFETCH(int, bytes);
    QFETCH(bool, headRight);
    QFETCH(bool, tailRight);
    QFETCH(int, minGapMs);
    QFETCH(int, maxGapMs);
    QFETCH(int, minReads);

    m_sim->setFault(fault);
    QVERIFY(m_client.send(quint16(0)));
    const Collected c = m_client.collect(400);
    QCOMPARE(c.data.size(), bytes);
    QCOMPARE(c.data.startsWith(QByteArray::fromHex("67452301")), headRight);
    QCOMPARE(c.data.size() >= Size && c.data.mid(TailOffset, 4) == QByteArray::fromHex("efcdab89"), tailRight);
    QVERIFY2(c.longestGapMs >= minGapMs && c.longestGapMs <= maxGapMs,
             qPrintable(QStringLiteral("longest gap %1 ms").arg(c.longestGapMs)));
    QVERIFY2(c.reads >= minReads, qPrintable(QStringLiteral("%1 reads").arg(c.reads)));

    // Used once, then the camera is well again.
    QCOMPARE(m_sim->fault().kind, FaultPlan::None);
    QVERIFY(m_client.send(quint16(0)));
    const Collected next = m_client.collect();
    QCOMPARE(next.data.size(), Size);
    QVERIFY(isFrame(next.data));

    const SimulatorStats s = m_sim->stats();
    QCOMPARE(s.records(), qint64(2));
    QCOMPARE(s.framesSent, qint64(headRight && tailRight && bytes == Size ? 2 : 1));
    QCOMPARE(s.recordsUnanswered, qint64(fault.kind == FaultPlan::Silence ? 1 : 0));
    if (fault.kind == FaultPlan::Garbage)
        QCOMPARE(s.garbageBytesSent, qint64(64));
}

void TestCameraSimulator::faultUntilCleared()
{
    m_sim->setFault(FaultPlan::make(FaultPlan::DoubleReply));
    for (int i = 0; i < 3; ++i) {
        QVERIFY(m_client.send(quint16(0)));
        const Collected c = m_client.collect();
        QCOMPARE(c.data.size(), 2 * Size);
        QVERIFY(isFrame(c.data, 0));
        QVERIFY(isFrame(c.data, Size));
        QVERIFY2(c.longestGapMs < 100, "the two replies were not back to back");
    }
    QCOMPARE(m_sim->stats().framesSent, qint64(6));
    QCOMPARE(m_sim->stats().recordsAnswered, qint64(3));

    m_sim->clearFault();
    QVERIFY(m_client.send(quint16(0)));
    QCOMPARE(m_client.collect().data.size(), Size);
}

void TestCameraSimulator::flood()
{
    m_sim->setFault(FaultPlan::make(FaultPlan::Flood));
    const Collected c = m_client.collect(100, 700);
    QVERIFY2(c.data.size() > 5 * Size, qPrintable(QString::number(c.data.size())));
    QVERIFY2(c.longestGapMs < 100, qPrintable(QStringLiteral("paused %1 ms").arg(c.longestGapMs)));
    for (int at = 0; at + Size <= c.data.size(); at += Size)
        QVERIFY(isFrame(c.data, at));

    m_sim->clearFault();
    m_client.collect(200); // the frames already under way
    m_sim->flushPort();
    QTRY_VERIFY(m_client.collect(50).data.isEmpty());
    QVERIFY(m_client.send(quint16(0)));
    QCOMPARE(m_client.collect().data.size(), Size);
}

void TestCameraSimulator::hangUp_data()
{
    QTest::addColumn<int>("afterFrames");
    QTest::addColumn<int>("midBytes");
    QTest::newRow("at once") << 0 << 0;
    QTest::newRow("after two frames") << 2 << 0;
    QTest::newRow("inside the second frame") << 1 << 7000;
    QTest::newRow("inside the first frame") << 0 << 1;
}

void TestCameraSimulator::hangUp()
{
    QFETCH(int, afterFrames);
    QFETCH(int, midBytes);

    m_sim->setFault(FaultPlan::hangUp(afterFrames, midBytes));
    QByteArray seen;
    Collected c;
    for (int i = 0; i < 4 && !c.hungUp; ++i) {
        if (afterFrames > 0 || midBytes > 0)
            QVERIFY(m_client.send(quint16(0)));
        c = m_client.collect();
        seen += c.data;
    }
    QVERIFY(c.hungUp);
    QCOMPARE(seen.size(), afterFrames * Size + midBytes);
    for (int i = 0; i < afterFrames; ++i)
        QVERIFY(isFrame(seen, i * Size));
    QVERIFY(!m_sim->isRunning());
    QVERIFY(!QFileInfo(m_sim->linkPath()).isSymLink());
    QVERIFY(!QFileInfo::exists(m_sim->linkPath()));
    QCOMPARE(m_sim->stats().hangUps, qint64(1));
    QCOMPARE(m_sim->stats().framesSent, qint64(afterFrames));
}

void TestCameraSimulator::restartKeepsTheLink()
{
    const QString link = m_sim->portPath();
    QCOMPARE(QFileInfo(link).symLinkTarget(), m_sim->slavePath());

    m_sim->stop();
    QVERIFY(!m_sim->isRunning());
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(m_client.collect().hungUp);

    QVERIFY(m_sim->start());
    QCOMPARE(m_sim->portPath(), link);
    QCOMPARE(QFileInfo(link).symLinkTarget(), m_sim->slavePath());
    QVERIFY(m_client.open(link));
    QVERIFY(m_client.send(quint16(0)));
    QCOMPARE(m_client.collect().data.size(), Size);

    m_sim->hangUp();
    QVERIFY(m_client.collect().hungUp);
    QVERIFY(m_sim->restart());
    QVERIFY(m_client.open(link));
    QVERIFY(m_client.send(quint16(0)));
    QCOMPARE(m_client.collect().data.size(), Size);
}

void TestCameraSimulator::clientMayReopen()
{
    QVERIFY(m_client.send(quint16(0)));
    QCOMPARE(m_client.collect().data.size(), Size);
    m_client.close();
    QVERIFY(m_client.open(m_sim->portPath()));
    QVERIFY(m_client.send(quint16(0)));
    QCOMPARE(m_client.collect().data.size(), Size);
    QCOMPARE(m_sim->stats().framesSent, qint64(2));
}

void TestCameraSimulator::garbageOutsideReplies()
{
    m_sim->injectGarbage(100);
    QCOMPARE(m_client.collect().data.size(), 100);

    // Asked for while a reply is under way, it waits for the end of that reply.
    m_sim->setFault(FaultPlan::pauseInReply(300, 5000, 1));
    QVERIFY(m_client.send(quint16(0)));
    QVERIFY(m_sim->waitForRecords(1));
    QTest::qWait(100);
    m_sim->injectGarbage(10);
    const Collected c = m_client.collect(500);
    QCOMPARE(c.data.size(), Size + 10);
    QVERIFY(isFrame(c.data));
    QCOMPARE(m_sim->stats().garbageBytesSent, qint64(110));
}

void TestCameraSimulator::minimumFrameInterval()
{
    m_sim->setMinFrameInterval(60);
    QVERIFY(m_client.send(PtyClient::record(0) + PtyClient::record(0) + PtyClient::record(0)));
    const Collected c = m_client.collect();
    QCOMPARE(c.data.size(), 3 * Size);
    // The third reply cannot begin before two intervals have passed since the first.
    // Arrival times are those of the first and last chunk read, so allow some jitter below 120 ms; back to
    // back the three would arrive within a few milliseconds.
    QVERIFY2(c.lastMs - c.firstMs >= 100, qPrintable(QString::number(c.lastMs - c.firstMs)));
}

void TestCameraSimulator::waitKeepsEventsFlowing()
{
    // The client lives on this thread and only writes from its event loop; the wait must let it run.
    QTimer::singleShot(50, [this] { m_client.send(quint16(2)); });
    QVERIFY(m_sim->waitForRecords(1, 3000));
    QVERIFY(!m_sim->waitForRecords(2, 200));
    QCOMPARE(m_client.collect().data.size(), Size);
    QVERIFY(m_sim->waitForFrames(1, 1000));
}

QTEST_GUILESS_MAIN(TestCameraSimulator)
#include "tst_camerasimulator.moc"
