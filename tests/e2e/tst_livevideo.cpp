#include "mainwindow.h"

#include <livefixture.h>
#include <modalwatcher.h>
#include <testpaths.h>

#include <camsim/camerasimulator.h>
#include <camsim/faultplan.h>
#include <camsim/framebuilder.h>
#include <camsim/thermalscene.h>
#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>
#include <junction/junction.h>
#include <panes/livepane.h>
#include <panes/playbackpane.h>
#include <recording/recordingreader.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using DM = DeviceManager;

class TestLiveVideo : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    LiveFixture m_live;
    std::unique_ptr<MainWindow> m_window;
    QStringList m_disks;

    MainWindow* startWindow()
    {
        m_window = std::make_unique<MainWindow>(nullptr);
        m_window->junction()->setDiskLister([this] { return m_disks; });
        m_window->resize(900, 640);
        m_window->show();
        return m_window.get();
    }

    LivePane* usbPane() const { return qobject_cast<LivePane*>(m_window->findModeWindow(DM::UsbVideo)); }

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        qRegisterMetaType<DeviceManager::Mode>();
        QFile::remove(TestPaths::optionsFilePath());
        CameraSimulator::Options options;
        options.paletteNumber = 2;
        options.minFrameIntervalMs = 40;
        QVERIFY2(m_live.start(options), qPrintable(m_live.errorString()));
    }

    void cleanup()
    {
        if (m_window) {
            ModalWatcher watcher;
            m_window->close();
        }
        m_window.reset();
        m_disks.clear();
        m_live.sim()->clearFault();
        if (!m_live.sim()->isRunning())
            QVERIFY(m_live.sim()->restart());
    }

    void cleanupTestCase() { m_live.stop(); }

    // From start to moving pictures: the extended information and the palette of each frame
    // reach the pane before its picture, and each picture is the one of the frame announced before it.
    void opensAtStartAndShowsFrames()
    {
        MainWindow* w = startWindow();
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera is open"), 5000);
        LivePane* pane = usbPane();
        QVERIFY(pane);
        QCOMPARE(pane->windowTitle(), QStringLiteral("USB[Video]"));
        QVERIFY(!w->actionConnect()->isEnabled());
        QVERIFY(w->actionDisconnect()->isEnabled());

        QStringList order;
        quint32 lastSequence = 0;
        bool sequenceGrew = true;
        const ThermalScene scene(CameraSimulator::Options().seed);
        ThermalImage announced;
        int checked = 0;
        int unlike = 0;
        connect(w->junction(), &Junction::updateExtendParam, this, [&](char* record) {
            const quint32 sequence = Km420Frame::readUInt32(record, ExtInfoLayout::SequenceOffset);
            if (lastSequence && sequence <= lastSequence)
                sequenceGrew = false;
            lastSequence = sequence;
            announced = scene.render(sequence);
            order << QStringLiteral("ext");
        });
        connect(w->junction(), &Junction::imageReadVideo, this, [&](const QPixmap& pixmap, DM::Mode mode) {
            QCOMPARE(mode, DM::UsbVideo);
            QCOMPARE(pixmap.size(), QSize(80, 108));
            order << QStringLiteral("pic");
            if (announced.tenths.isEmpty())
                return;
            const ushort* palette = w->junction()->getVideoPlat();
            const QImage shown = pixmap.toImage().convertToFormat(QImage::Format_RGB16);
            for (int row = 0; row < shown.height(); ++row) {
                const auto* line = reinterpret_cast<const ushort*>(shown.constScanLine(row));
                for (int column = 0; column < shown.width(); ++column) {
                    const quint8 index =
                        FrameBuilder::indexFor(announced.at(column, row), announced.minimum, announced.maximum);
                    unlike += line[column] != palette[index];
                }
            }
            ++checked;
            announced = ThermalImage();
        });
        QSignalSpy shown(pane, &LivePane::pictureShown);
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 10, 10000);
        w->junction()->disconnect(this);

        QVERIFY(order.size() >= 20);
        if (order.first() == QLatin1String("pic"))
            order.removeFirst();
        for (int i = 0; i + 1 < order.size(); i += 2) {
            QCOMPARE(order.at(i), QStringLiteral("ext"));
            QCOMPARE(order.at(i + 1), QStringLiteral("pic"));
        }
        QVERIFY(sequenceGrew);
        QVERIFY(checked >= 9);
        QCOMPARE(unlike, 0);

        // Palette 2 is the grey ramp: white at its top.
        const ushort* palette = w->junction()->getVideoPlat();
        QVERIFY(palette);
        QCOMPARE(palette[255], ushort(0xFFFF));
        QCOMPARE(palette[0], ushort(0x0000));
        QVERIFY(pane->hasPicture());
        QTRY_VERIFY(w->actionCapture()->isEnabled());

        QVERIFY(w->grab().save(TestPaths::artifactPath(QStringLiteral("mainwindow-live.png"))));
    }

    void captureSavesTheLivePicture()
    {
        MainWindow* w = startWindow();
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera is open"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(w->actionCapture()->isEnabled(), 5000);

        // Freeze the picture while the dialog is open, so the saved file and the pane agree.
        const QString target = m_dir.filePath(QStringLiteral("capture.png"));
        QImage expected;
        ModalWatcher watcher;
        watcher.handler = [&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                m_live.sim()->setFault(FaultPlan::silence());
                QTest::qWait(400);
                expected = usbPane()->picture().toImage();
                ModalWatcher::chooseFile(dialog, target);
            } else {
                ModalWatcher::acceptBox(modal);
            }
        };
        w->actionCapture()->trigger();
        QVERIFY(watcher.seen.contains(QStringLiteral("box::Picture saved successfully.")));
        QImage saved(target);
        QCOMPARE(saved.size(), QSize(80, 108));
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
    }

    // Every frame that reached the pane while recording is in the file, byte for byte and in order,
    // and the recording opens in a playback pane whose picture Capture can save.
    void recordsAndPlaysBack()
    {
        MainWindow* w = startWindow();
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera is open"), 5000);
        LivePane* pane = usbPane();
        QVERIFY(pane);
        OptionParam options = pane->optionsParam();
        options.historyFilesPath = m_dir.filePath(QStringLiteral("history"));
        pane->setOptionsParam(options);
        QTRY_VERIFY_WITH_TIMEOUT(w->actionRecord()->isEnabled(), 5000);

        QList<QByteArray> received;
        w->actionRecord()->trigger();
        // Connected before any event runs, so both see the same frames.
        const auto collector = connect(w->junction(), &Junction::updateExtendParam, this,
                                       [&](char* record) { received << QByteArray(record, Km420Frame::Size); });
        QVERIFY(pane->isRecording());
        QVERIFY(w->actionRecord()->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(received.size() >= 8, 10000);
        QTRY_VERIFY(pane->findChild<QLabel*>(QStringLiteral("lblRecording"))->text().startsWith(QChar(0x25CF)));
        w->actionRecord()->trigger();
        disconnect(collector);
        QVERIFY(!pane->isRecording());
        QVERIFY(!w->actionRecord()->isChecked());
        QVERIFY(w->statusLabel()->text().startsWith(QStringLiteral("Recording saved: ")));

        const QString path = pane->recordingFileName();
        QCOMPARE(QFileInfo(path).dir().absolutePath(), QDir(options.historyFilesPath).absolutePath());
        RecordingReader reader;
        QVERIFY2(reader.open(path), qPrintable(reader.errorString()));
        QCOMPARE(reader.frames(), received.size());
        qint64 previous = -1;
        for (int i = 0; i < reader.frames(); ++i) {
            RecordedFrame frame;
            QVERIFY(reader.frame(i, &frame));
            QVERIFY2(frame.record == received.at(i), qPrintable(QStringLiteral("frame %1 differs").arg(i)));
            QVERIFY(frame.arrivalUs > previous);
            previous = frame.arrivalUs;
            QVERIFY(!frame.parameters.known); // nothing was sent to the camera
        }

        QVERIFY(w->openRecording(path));
        auto* playback = qobject_cast<PlaybackPane*>(w->findChild<QMdiArea*>()->activeSubWindow());
        QVERIFY(playback);
        QVERIFY(playback->hasPicture());
        QTRY_VERIFY(w->actionCapture()->isEnabled());
        QVERIFY(w->grab().save(TestPaths::artifactPath(QStringLiteral("mainwindow-playback.png"))));
        const QString target = m_dir.filePath(QStringLiteral("from-recording.png"));
        ModalWatcher watcher;
        watcher.handler = [&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal))
                ModalWatcher::chooseFile(dialog, target);
            else
                ModalWatcher::acceptBox(modal);
        };
        w->actionCapture()->trigger();
        QVERIFY(watcher.seen.contains(QStringLiteral("box::Picture saved successfully.")));
        QCOMPARE(QImage(target).convertToFormat(QImage::Format_RGB32),
                 playback->picture().toImage().convertToFormat(QImage::Format_RGB32));

        // Not a recording: told, and no pane is left behind.
        const int panes = w->findChild<QMdiArea*>()->subWindowList().size();
        watcher.handler = ModalWatcher::acceptBox;
        QVERIFY(!w->openRecording(target));
        QCOMPARE(watcher.seen.size(), 3);
        QVERIFY(watcher.seen.last().startsWith(QStringLiteral("box::The recording ")));
        QCOMPARE(w->findChild<QMdiArea*>()->subWindowList().size(), panes);

        // Disconnect while recording: the recording ends as after Stop, and says where it went.
        QVERIFY(pane->startRecording());
        const QString second = pane->recordingFileName();
        w->actionDisconnect()->trigger();
        QTRY_VERIFY(!usbPane());
        QCOMPARE(w->statusLabel()->text(), QStringLiteral("Recording saved: ") + QDir::toNativeSeparators(second));
        QVERIFY(!w->actionRecord()->isChecked());
    }

    // Plug and play: the camera is opened when it appears, also while the disk window is open; after
    // it drops out (one warning) the same pane goes on when it comes back; after Disconnect it stays
    // closed until it is plugged in again.
    void hotPlug_data()
    {
        QTest::addColumn<bool>("diskWindow");
        QTest::newRow("camera alone") << false;
        QTest::newRow("with the disk window open") << true;
    }

    void hotPlug()
    {
        QFETCH(bool, diskWindow);
        if (diskWindow)
            m_disks = QStringList{m_dir.path()};
        m_live.sim()->stop();
        const QString found = QStringLiteral("Camera found on %1").arg(m_live.sim()->portPath());
        MainWindow* w = startWindow();
        // The first connection attempt has found no camera.
        QTRY_VERIFY(w->statusLabel()->text().startsWith(diskWindow ? QStringLiteral("USB flash disk is open")
                                                                   : QStringLiteral("Failed to open device")));

        QVERIFY(m_live.sim()->start());
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), found, 2500);
        QPointer<LivePane> pane = usbPane();
        QVERIFY(pane);
        QSignalSpy shown(pane, &LivePane::pictureShown);
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 3, 5000);

        ModalWatcher watcher;
        m_live.sim()->hangUp();
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera unplugged; waiting for it"), 15000);
        QTRY_COMPARE(watcher.seen, QStringList{ModalWatcher::StreamFailed});
        QCOMPARE(usbPane(), pane.data());
        QVERIFY(!w->junction()->modeIsActived(DM::UsbVideo));

        // Back on the same path: the same pane goes on, its count of pictures with it.
        const int before = shown.count();
        QVERIFY(m_live.sim()->restart());
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), found, 2500);
        QCOMPARE(usbPane(), pane.data());
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= before + 3, 5000);
        QCOMPARE(watcher.seen.size(), 1);

        // Closed by the user: it stays closed while it stays plugged in, and opens once replugged.
        w->actionDisconnect()->trigger();
        QTRY_VERIFY(!pane);
        QTest::qWait(1500);
        QVERIFY(!w->junction()->modeIsActived(DM::UsbVideo));
        QVERIFY(m_live.sim()->restart());
        QTRY_VERIFY_WITH_TIMEOUT(w->junction()->modeIsActived(DM::UsbVideo), 2500);
        QVERIFY(usbPane());
    }

    // The camera sends bad frames but stays plugged in: it closes with the warning, its pane stays,
    // and Connect serves it again in the same pane.
    void failureKeepsThePaneForConnect()
    {
        MainWindow* w = startWindow();
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera is open"), 5000);
        QPointer<LivePane> pane = usbPane();
        ModalWatcher watcher;
        m_live.sim()->setFault(FaultPlan::make(FaultPlan::BadTail, 3));
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera is close"), 15000);
        QTRY_COMPARE(watcher.seen, QStringList{ModalWatcher::StreamFailed});
        QVERIFY(w->actionConnect()->isEnabled());
        QVERIFY(!w->actionDisconnect()->isEnabled());
        QCOMPARE(usbPane(), pane.data());

        w->actionConnect()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera is open"), 5000);
        QCOMPARE(usbPane(), pane.data());
        QSignalSpy shown(pane, &LivePane::pictureShown);
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 3, 5000);
    }

    // Disconnect closes every mode in the order 1, 2, 4, 8.
    void disconnectClosesModesInOrder()
    {
        m_disks = QStringList{m_dir.path()};
        MainWindow* w = startWindow();
        QTRY_VERIFY_WITH_TIMEOUT(w->junction()->modeIsActived(DM::UsbVideo), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(w->junction()->modeIsActived(DM::UsbFile), 5000);
        QSignalSpy closed(w->junction(), &Junction::closed);
        w->actionDisconnect()->trigger();
        QTRY_COMPARE(closed.count(), 2);
        QCOMPARE(closed.at(0).at(0).value<DM::Mode>(), DM::UsbFile);
        QCOMPARE(closed.at(1).at(0).value<DM::Mode>(), DM::UsbVideo);
        QCOMPARE(w->mdiArea()->subWindowList().size(), 0);
        QVERIFY(w->actionConnect()->isEnabled());
    }
};

QTEST_MAIN(TestLiveVideo)
#include "tst_livevideo.moc"
