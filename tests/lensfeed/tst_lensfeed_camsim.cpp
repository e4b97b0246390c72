#include <modalwatcher.h>

#include <camsim/camerasimulator.h>
#include <camsim/faultplan.h>
#include <commander/command.h>
#include <devicebase/extinfolayout.h>
#include <frames/palettes.h>
#include <lensfeed/commandrecordbuilder.h>
#include <lensfeed/feedprobe.h>
#include <lensfeed/lensfeed.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(FaultPlan)

// The camera library against the camera simulator, end to end over a pty.
class TestLensFeedCamsim : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(m_dir.isValid());
    }

    void cleanup() { FeedProbe::setPortLister({}); }

    void framesDecoded()
    {
        CameraSimulator::Options options;
        options.paletteNumber = 8;
        CameraSimulator sim(options);
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        FeedProbe::setPortLister([&sim] {
            return QList<PortEntry>{{sim.portPath(), LensFeed::VendorId, LensFeed::ProductId}};
        });
        LensFeed feed;
        QList<quint32> sequences;
        int images = 0;
        connect(&feed, &LensFeed::updateExtendParam, this, [&](char* ext) {
            QCOMPARE(sequences.size(), images); // the extended information comes first
            sequences << Km420Frame::readUInt32(ext, ExtInfoLayout::SequenceOffset);
        });
        connect(&feed, &LensFeed::imageRead, this, [&](const QPixmap& pixmap) {
            ++images;
            QCOMPARE(pixmap.size(), QSize(80, 108));
        });
        QVERIFY(feed.open());
        QTRY_VERIFY(images >= 5);
        // The library keeps its own copy of the tables: the palette is told by its entries.
        const ushort* palette = feed.getVideoPlat();
        QVERIFY(palette && std::equal(palette, palette + Palettes::Entries, Palettes::table(3)));
        for (int i = 1; i < sequences.size(); ++i)
            QVERIFY(sequences[i] > sequences[i - 1]);

        char param[Km420Frame::ParamBlockSize] = {};
        Km420Frame::writeInt16(param, Km420Frame::AlarmHighOffset, 250);
        Km420Frame::writeInt16(param, Km420Frame::AlarmLowOffset, -30);
        param[Km420Frame::EmissivityOffset] = char(95);
        feed.pullImage(DeviceManager::UsbVideo, param);
        QTRY_COMPARE(sim.stats().parameters.alarmHighTenths, qint16(250));
        QCOMPARE(sim.stats().parameters.alarmLowTenths, qint16(-30));
        QCOMPARE(sim.stats().parameters.emissivityHundredths, quint8(95));
        QCOMPARE(sim.stats().malformedRecords, 0);
        QCOMPARE(FeedProbe::consecutiveFailures(&feed), 0);
    }

    // Each fault of the camera: either the stream recovers by itself (failures counted and cleared)
    // or the device closes with the warning; in both cases a reopen serves the camera again.
    void faults_data()
    {
        QTest::addColumn<FaultPlan>("fault");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("timeoutMs");
        QTest::addColumn<bool>("failsFirst");
        QTest::newRow("short reply x2") << FaultPlan::shortReply(9000, 2) << false << 5000 << true;
        QTest::newRow("long reply x2") << FaultPlan::longReply(100, 2) << false << 5000 << true;
        QTest::newRow("bad head x2") << FaultPlan::make(FaultPlan::BadHead, 2) << false << 5000 << true;
        QTest::newRow("bad tail x2") << FaultPlan::make(FaultPlan::BadTail, 2) << false << 5000 << true;
        QTest::newRow("pause in reply x1") << FaultPlan::pauseInReply(250, 7467, 1) << false << 5000 << true;
        QTest::newRow("double reply x1") << FaultPlan::make(FaultPlan::DoubleReply, 1) << false << 5000 << true;
        QTest::newRow("garbage x2") << FaultPlan::garbage(64, 2) << false << 5000 << true;
        QTest::newRow("chunked, 5 ms gaps") << FaultPlan::chunked(100, 5000, 2) << false << 8000 << false;
        QTest::newRow("silence x2") << FaultPlan::silence(2) << false << 12000 << true;
        QTest::newRow("bad tail for good") << FaultPlan::make(FaultPlan::BadTail) << true << 5000 << true;
        QTest::newRow("silence for good") << FaultPlan::silence() << true << 15000 << true;
        QTest::newRow("flood") << FaultPlan::make(FaultPlan::Flood) << true << 8000 << true;
        QTest::newRow("hang-up mid reply") << FaultPlan::hangUp(2, 7000) << true << 3000 << true;
    }

    // A command handed over while a reply is still arriving: the hand-over waits as long as a reply may take to
    // begin, for the reply to end; a reply still arriving after that is given up and the command goes out.
    void handOverDuringReply_data()
    {
        QTest::addColumn<FaultPlan>("reply");
        QTest::addColumn<bool>("pictureFirst");
        QTest::newRow("reply ends within the wait") << FaultPlan::chunked(1000, 60000, 1) << true;
        QTest::newRow("reply still arriving, given up") << FaultPlan::chunked(100, 50000, 1) << false;
    }

    void handOverDuringReply()
    {
        QFETCH(FaultPlan, reply);
        QFETCH(bool, pictureFirst);
        CameraSimulator sim;
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        LensFeed feed;
        QSignalSpy images(&feed, &LensFeed::imageRead);
        QVERIFY(feed.open(sim.portPath()));
        QTRY_VERIFY(images.count() >= 1);
        sim.setFault(reply);
        const qint64 frames = sim.stats().recordsByCode[0];
        QTRY_VERIFY(sim.stats().recordsByCode[0] > frames);
        QTest::qWait(200);
        const int before = images.count();
        const qint64 answered = sim.stats().recordsAnswered;
        QCOMPARE(sim.stats().recordsByCode[1], qint64(0));

        Command command(CommandRecordBuilder().build(CommandRecordBuilder::SetParameters), true, 1000);
        QVERIFY(QMetaObject::invokeMethod(&feed, "slotCommandPoolThreadNextCommand", Qt::DirectConnection,
                                          Q_ARG(Command*, &command)));
        QCOMPARE(images.count() > before, pictureFirst);
        // Given up means the reply was still on its way when the command went out.
        if (!pictureFirst)
            QCOMPARE(sim.stats().recordsAnswered, answered);
        QTRY_COMPARE(sim.stats().recordsByCode[1], qint64(1));
        feed.close();
    }

    void faults()
    {
        QFETCH(FaultPlan, fault);
        QFETCH(bool, closes);
        QFETCH(int, timeoutMs);
        QFETCH(bool, failsFirst);

        CameraSimulator::Options options;
        options.linkPath = m_dir.filePath(QStringLiteral("km420-%1").arg(QTest::currentDataTag()).replace(' ', '_'));
        CameraSimulator sim(options);
        QVERIFY2(sim.start(), qPrintable(sim.errorString()));
        LensFeed feed;
        ModalWatcher watcher;
        QSignalSpy closed(&feed, &LensFeed::deviceClosed);
        int images = 0;
        connect(&feed, &LensFeed::imageRead, this, [&] { ++images; });
        QVERIFY(feed.open(sim.portPath()));
        QTRY_VERIFY(images >= 2);
        const int before = images;
        sim.setFault(fault);

        if (!closes) {
            QTRY_VERIFY_WITH_TIMEOUT(images >= before + 3, timeoutMs);
            // Every failed reply is followed by a reset-frame record; one went out at open.
            QCOMPARE(sim.stats().recordsByCode[2] > 1, failsFirst);
            QCOMPARE(closed.count(), 0);
            QVERIFY(watcher.seen.isEmpty());
            QCOMPARE(FeedProbe::consecutiveFailures(&feed), 0);
            QVERIFY(feed.actived());
            return;
        }

        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, timeoutMs);
        QTRY_COMPARE(watcher.seen, QStringList{ModalWatcher::StreamFailed});
        QVERIFY(!feed.actived());
        QCOMPARE(FeedProbe::consecutiveFailures(&feed), 0);

        // The camera comes back, healthy; the caller reopens.
        sim.clearFault();
        if (!sim.isRunning())
            QVERIFY(sim.restart());
        QTest::qWait(150);
        sim.flushPort();
        const int atReopen = images;
        QVERIFY(feed.open(sim.portPath()));
        QTRY_VERIFY_WITH_TIMEOUT(images >= atReopen + 3, 8000);
        QCOMPARE(watcher.seen.size(), 1);
        QCOMPARE(FeedProbe::consecutiveFailures(&feed), 0);
    }

    // The owner deletes the camera object from inside its own signal; nothing runs on afterwards.
    void deletedByReceiver()
    {
        CameraSimulator sim;
        QVERIFY(sim.start());
        auto* feed = new LensFeed;
        bool deleted = false;
        connect(feed, &LensFeed::updateExtendParam, this, [&] {
            deleted = true;
            delete feed;
        });
        QVERIFY(feed->open(sim.portPath()));
        QTRY_VERIFY(deleted);
        QTest::qWait(300);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestLensFeedCamsim)
#include "tst_lensfeed_camsim.moc"
