#include <modalwatcher.h>
#include <ptycamera.h>

#include <camsim/camerasimulator.h>
#include <devicebase/extinfolayout.h>
#include <frames/palettes.h>
#include <lensfeed/feedprobe.h>
#include <lensfeed/lensfeed.h>

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace {

int codeOf(const QByteArray& record)
{
    return uchar(record[4]) | (uchar(record[5]) << 8);
}

QList<int> codesOf(const QList<QByteArray>& records)
{
    QList<int> codes;
    for (const QByteArray& r : records)
        codes << codeOf(r);
    return codes;
}

void offerPorts(const QList<PortEntry>& ports)
{
    FeedProbe::setPortLister([ports] { return ports; });
}

PortEntry camera(const QString& path)
{
    return {path, LensFeed::VendorId, LensFeed::ProductId};
}

} // namespace

// The library keeps its own copy of the palette tables, so a palette is told by its entries.
static bool samePalette(const ushort* palette, int number)
{
    return palette && std::equal(palette, palette + Palettes::Entries, Palettes::table(number));
}

class TestLensFeed : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { FeedProbe::setPortLister({}); }

    void commandRecords()
    {
        PtyCamera cam;
        QVERIFY(cam.start());
        LensFeed feed;
        QVERIFY(feed.portName().isEmpty());
        QVERIFY(feed.open(cam.path()));
        QVERIFY(feed.actived());
        QCOMPARE(feed.portName(), cam.path());
        QTRY_VERIFY(cam.records.size() >= 2);
        const QByteArray zeros(40, '\0');
        QCOMPARE(cam.records[0].toHex(), (QByteArray::fromHex("67452301020000000000") + QByteArray(1, '\0') + zeros +
                                          QByteArray::fromHex("efcdab89"))
                                             .toHex());
        QCOMPARE(codeOf(cam.records[1]), 0);

        char param[Km420Frame::ParamBlockSize] = {};
        Km420Frame::writeInt16(param, 8, 250);
        Km420Frame::writeInt16(param, 6, -30);
        param[10] = char(95);
        feed.pullImage(DeviceManager::UsbVideo, param);
        // A get-frame record may still be on its way; everything from the set-parameters record on
        // carries the new values.
        QTRY_VERIFY(codesOf(cam.records).contains(1));
        const int from = codesOf(cam.records).indexOf(1);
        QTRY_VERIFY(cam.records.size() >= from + 3);
        const QList<QByteArray> later = cam.records.mid(from);
        QCOMPARE(codesOf(later).count(1), 1);
        for (const QByteArray& r : later) {
            QCOMPARE(r.size(), 55);
            QCOMPARE(r.left(4).toHex(), QByteArray("67452301"));
            QCOMPARE(r[5], '\0');
            QCOMPARE(r.mid(6, 5).toHex(), QByteArray("e2fffa005f"));
            QVERIFY(codeOf(r) == 1 || codeOf(r) == 0);
            QCOMPARE(r.mid(11, 40), zeros);
            QCOMPARE(r.right(4).toHex(), QByteArray("efcdab89"));
        }

        // Already open: keeps the port, whatever the name.
        QVERIFY(feed.open(QStringLiteral("/dev/null")));
        QCOMPARE(feed.portName(), cam.path());
        feed.close();
        // Closed: pullImage sends nothing.
        const int afterClose = cam.records.size();
        feed.pullImage(DeviceManager::UsbVideo, param);
        QTest::qWait(100);
        QCOMPARE(cam.records.size(), afterClose);
    }

    void framesAndPalette()
    {
        PtyCamera cam;
        QVERIFY(cam.start());
        cam.palette = 7;
        LensFeed feed;
        QCOMPARE(feed.getVideoPlat(), nullptr);
        QStringList order;
        quint32 lastSequence = 0;
        ushort* paletteAtExt = nullptr;
        QPixmap picture;
        connect(&feed, &LensFeed::updateExtendParam, this, [&](char* p) {
            order << "ext";
            lastSequence = Km420Frame::readUInt32(p, ExtInfoLayout::SequenceOffset);
            paletteAtExt = feed.getVideoPlat();
        });
        connect(&feed, &LensFeed::imageRead, this, [&](const QPixmap& pixmap) {
            order << "img";
            picture = pixmap;
        });
        QVERIFY(feed.open(cam.path()));
        QTRY_VERIFY(order.size() >= 6);
        for (int i = 0; i + 1 < order.size(); i += 2)
            QCOMPARE(order.mid(i, 2), (QStringList{"ext", "img"}));
        QVERIFY(lastSequence >= 3);
        QVERIFY(samePalette(paletteAtExt, 2));
        QVERIFY(samePalette(feed.getVideoPlat(), 2));
        QCOMPARE(picture.size(), QSize(80, 108));
        const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB16);
        const ushort* pal = Palettes::table(2);
        for (int r : {0, 50, 107})
            for (int c : {0, 33, 79})
                QCOMPARE(reinterpret_cast<const ushort*>(image.constScanLine(r))[c], pal[(r + c) % 256]);
        QCOMPARE(FeedProbe::consecutiveFailures(&feed), 0);

        feed.close();
        // Closing clears neither the palette nor the picture; setVideoPlat holds until the next frame.
        QVERIFY(samePalette(feed.getVideoPlat(), 2));
        ushort custom[256] = {};
        feed.setVideoPlat(custom);
        QCOMPARE(feed.getVideoPlat(), custom);
        cam.palette = 4;
        const int frames = order.size();
        QVERIFY(feed.open(cam.path()));
        QTRY_VERIFY(order.size() > frames + 1);
        QVERIFY(samePalette(feed.getVideoPlat(), 4));
    }

    // Three failed replies in a row: the next hand-over closes with the warning. Nothing is armed
    // for the closed device afterwards, and a reopen serves the camera again.
    void failureLimit()
    {
        PtyCamera cam;
        QVERIFY(cam.start());
        cam.script = {PtyCamera::BadTail, PtyCamera::Short, PtyCamera::BadTail};
        offerPorts({camera(cam.path())});
        LensFeed feed;
        QSignalSpy closed(&feed, &LensFeed::deviceClosed);
        QList<int> failuresSeen;
        connect(&cam, &PtyCamera::recordReceived, this, [&] { failuresSeen << FeedProbe::consecutiveFailures(&feed); });
        ModalWatcher watcher;
        QVERIFY(feed.open());
        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 5000);
        QTRY_COMPARE(watcher.seen, QStringList{ModalWatcher::StreamFailed});
        QCOMPARE(codesOf(cam.records), (QList<int>{2, 2, 2}));
        QCOMPARE(failuresSeen, (QList<int>{0, 1, 2}));
        QVERIFY(!feed.actived());
        QVERIFY(feed.portName().isEmpty());
        QCOMPARE(FeedProbe::consecutiveFailures(&feed), 0);

        // The hand-over that closed must not leave the cutter armed: 3 s later that would count a
        // failure against the closed device.
        QTest::qWait(3300);
        QCOMPARE(FeedProbe::consecutiveFailures(&feed), 0);
        QCOMPARE(cam.records.size(), 3);

        QSignalSpy images(&feed, &LensFeed::imageRead);
        QVERIFY(feed.open(cam.path()));
        QTRY_VERIFY(images.count() >= 2);
        QCOMPARE(watcher.seen.size(), 1);
    }

    void twoFailuresThenGood()
    {
        PtyCamera cam;
        QVERIFY(cam.start());
        cam.script = {PtyCamera::Short, PtyCamera::BadTail};
        LensFeed feed;
        QList<int> failuresSeen;
        connect(&cam, &PtyCamera::recordReceived, this, [&] { failuresSeen << FeedProbe::consecutiveFailures(&feed); });
        QSignalSpy images(&feed, &LensFeed::imageRead);
        ModalWatcher watcher;
        QVERIFY(feed.open(cam.path()));
        QTRY_VERIFY(images.count() >= 3);
        QCOMPARE(failuresSeen.mid(0, 4), (QList<int>{0, 1, 2, 0}));
        QCOMPARE(codesOf(cam.records).mid(0, 4), (QList<int>{2, 2, 2, 0}));
        QCOMPARE(FeedProbe::consecutiveFailures(&feed), 0);
        QVERIFY(feed.actived());
        QVERIFY(watcher.seen.isEmpty());
    }

    void chooseCamera_data()
    {
        QTest::addColumn<int>("cameras");
        QTest::addColumn<QString>("choose"); // "" cancels, else "first"/"second"
        QTest::addColumn<bool>("opened");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("none") << 0 << "" << false << 0;
        QTest::newRow("one, no dialog") << 1 << "" << true << 0;
        QTest::newRow("two, cancelled") << 2 << "" << false << 1;
        QTest::newRow("two, second chosen") << 2 << "second" << true << 1;
    }

    void chooseCamera()
    {
        QFETCH(int, cameras);
        QFETCH(QString, choose);
        QFETCH(bool, opened);
        QFETCH(int, dialogs);
        CameraSimulator first;
        CameraSimulator second;
        QVERIFY2(first.start(), qPrintable(first.errorString()));
        QVERIFY2(second.start(), qPrintable(second.errorString()));
        QList<PortEntry> ports{{"ttyS0", 0, 0}, {"ttyACM9", 0x0483, 0x5741}};
        if (cameras >= 1)
            ports << camera(first.portPath());
        if (cameras >= 2)
            ports << camera(second.portPath());
        offerPorts(ports);
        ModalWatcher watcher;
        if (choose == "second")
            watcher.handler = [&](QWidget* w) { ModalWatcher::chooseItem(w, second.portPath()); };
        LensFeed feed;
        QSignalSpy openedSpy(&feed, &LensFeed::deviceOpened);
        QCOMPARE(feed.open(), opened);
        QCOMPARE(feed.actived(), opened);
        QCOMPARE(openedSpy.count(), opened ? 1 : 0);
        QCOMPARE(watcher.seen.size(), dialogs);
        if (dialogs)
            QCOMPARE(watcher.seen.first(),
                     "dialog:" + QStringList({"Choose Camera", "Cameras:", first.portPath() + "," + second.portPath(),
                                              first.portPath()})
                                     .join('|'));
        QCOMPARE(feed.portName(), opened ? (choose == "second" ? second.portPath() : first.portPath()) : QString());
    }

    void enumerateAppends()
    {
        offerPorts({{"ttyS0", 0, 0}, camera("ttyACM0"), {"ttyACM1", 0x0483, 0x5741}, {"ttyUSB0", 0x1234, 0x5740}});
        LensFeed feed;
        QStringList list{"a", "b"};
        QCOMPARE(feed.enumerate(list), 3);
        QCOMPARE(list, (QStringList{"a", "b", "ttyACM0"}));
    }

    void openFailsQuietly()
    {
        LensFeed feed;
        QSignalSpy openedSpy(&feed, &LensFeed::deviceOpened);
        QVERIFY(!feed.open(QStringLiteral("/nonexistent/tty")));
        QVERIFY(!feed.actived());
        QVERIFY(feed.portName().isEmpty());
        QCOMPARE(openedSpy.count(), 0);
    }

    void closeTwice()
    {
        PtyCamera cam;
        QVERIFY(cam.start());
        LensFeed feed;
        QSignalSpy closed(&feed, &LensFeed::deviceClosed);
        feed.close(); // closed already: nothing
        QCOMPARE(closed.count(), 0);
        QVERIFY(feed.open(cam.path()));
        QTRY_VERIFY(!cam.records.isEmpty());
        feed.close();
        feed.close();
        QCOMPARE(closed.count(), 1);
        QVERIFY(feed.portName().isEmpty());
        // Nothing outstanding runs on after the close.
        const int records = cam.records.size();
        QTest::qWait(300);
        QCOMPARE(cam.records.size(), records);
        QCOMPARE(FeedProbe::consecutiveFailures(&feed), 0);
        // The port itself was released: another feed can have it.
        LensFeed other;
        QVERIFY(other.open(cam.path()));
        other.close();
    }

    // The slot copies into the frame buffer only; lengths outside it must not reach the fields
    // that follow the buffer (the palette pointer comes right after it).
    void wholeFrameSlot_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("nullData");
        QTest::newRow("frame size") << Km420Frame::Size << false;
        QTest::newRow("oversized") << 3 * Km420Frame::Size << false;
        QTest::newRow("negative") << -1 << false;
        QTest::newRow("null data") << Km420Frame::Size << true;
    }

    void wholeFrameSlot()
    {
        QFETCH(int, length);
        QFETCH(bool, nullData);
        QByteArray data(3 * Km420Frame::Size, 'Z');
        auto feed = std::make_unique<LensFeed>();
        QVERIFY(QMetaObject::invokeMethod(feed.get(), "readyRead", Qt::DirectConnection,
                                          Q_ARG(char*, nullData ? nullptr : data.data()), Q_ARG(int, length)));
        QCOMPARE(feed->getVideoPlat(), nullptr);
        QCOMPARE(FeedProbe::consecutiveFailures(feed.get()), 0);
        feed.reset();
    }

    // A camera that goes away makes the port report errors, on some systems in a tight loop; the
    // device closes at once with the warning instead of after three 3 s time-outs.
    void hangUpClosesAtOnce()
    {
        CameraSimulator cam;
        QVERIFY2(cam.start(), qPrintable(cam.errorString()));
        LensFeed feed;
        QSignalSpy images(&feed, &LensFeed::imageRead);
        QSignalSpy closed(&feed, &LensFeed::deviceClosed);
        ModalWatcher watcher;
        QVERIFY(feed.open(cam.portPath()));
        QTRY_VERIFY(images.count() >= 1);
        cam.hangUp();
        QTRY_COMPARE_WITH_TIMEOUT(closed.count(), 1, 1500);
        QTRY_COMPARE(watcher.seen, QStringList{ModalWatcher::StreamFailed});
        QVERIFY(!feed.actived());

        // The camera comes back (a new pty) and is served after the caller reopens.
        CameraSimulator back;
        QVERIFY2(back.start(), qPrintable(back.errorString()));
        QVERIFY(feed.open(back.portPath()));
        const int before = images.count();
        QTRY_VERIFY(images.count() >= before + 2);
        QCOMPARE(watcher.seen.size(), 1);
    }
};

QTEST_MAIN(TestLensFeed)
#include "tst_lensfeed.moc"
