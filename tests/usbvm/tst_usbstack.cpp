// The camera on a real USB stack, in the test machine of tools/usbvm: gadgets with the camera's ids behind
// the kernel's cdc_acm, udev's notices, the hang-up of an unplug, and the system without udevd.
#include "mainwindow.h"

#include <livefixture.h>
#include <modalwatcher.h>
#include <testpaths.h>
#include <usbgadget.h>

#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>
#include <junction/junction.h>
#include <lensfeed/commandrecordbuilder.h>
#include <lensfeed/lensfeed.h>
#include <panes/livepane.h>
#include <recording/recordingreader.h>
#include <serialports/portlisting.h>
#include <wirelink/wirelink.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSerialPortInfo>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <mutex>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using DM = DeviceManager;

namespace {

constexpr quint16 ForeignVid = 0x1234;
constexpr quint16 ForeignPid = 0x5678;
const QString UdevControl = QStringLiteral("/run/udev/control");

// What the program logs, for the rows that check why it did something (a udev notice or a look). Messages
// come from the reader's thread too.
class LogTap {
public:
    LogTap()
    {
        s_tap = this;
        m_previous = qInstallMessageHandler(&LogTap::handle);
    }
    ~LogTap()
    {
        qInstallMessageHandler(m_previous);
        s_tap = nullptr;
    }
    bool contains(const QString& text) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const QString& line : m_lines) {
            if (line.contains(text))
                return true;
        }
        return false;
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lines.clear();
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (LogTap* tap = s_tap) {
            std::lock_guard<std::mutex> lock(tap->m_mutex);
            tap->m_lines << QString::fromLatin1(context.category ? context.category : "") + QLatin1String(": ") +
                                message;
        }
        if (s_tap && s_tap->m_previous)
            s_tap->m_previous(type, context, message);
    }

    static inline LogTap* s_tap = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable std::mutex m_mutex;
    QStringList m_lines;
};

// km420-sim serving a gadget's end of the cable, as a person at the machine would start it.
class DeviceSim {
public:
    ~DeviceSim() { stop(); }
    bool start(const QString& device)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(KM420_SIM), {QStringLiteral("--quiet"), QStringLiteral("--device"), device});
        return m_process.waitForStarted() && m_process.waitForReadyRead(10000) &&
               m_process.readLine().trimmed() == device.toLocal8Bit();
    }
    // Complete frames written since the start, from the simulator's own count.
    qint64 framesSent()
    {
        m_process.write("stats\n");
        while (m_process.waitForReadyRead(5000)) {
            while (m_process.canReadLine()) {
                const QString line = QString::fromLocal8Bit(m_process.readLine());
                const int at = line.indexOf(QLatin1String(", frames "));
                if (line.startsWith(QLatin1String("records ")) && at > 0)
                    return line.mid(at + 9).section(QLatin1Char(','), 0, 0).toLongLong();
            }
        }
        return -1;
    }
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
};

int runQuietly(const QString& program, const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (output)
        *output = process.readAll();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool startUdevd()
{
    return runQuietly(QStringLiteral("/lib/systemd/systemd-udevd"), {QStringLiteral("--daemon")}) == 0 &&
           runQuietly(QStringLiteral("udevadm"), {QStringLiteral("trigger"), QStringLiteral("--action=add")}) == 0 &&
           runQuietly(QStringLiteral("udevadm"), {QStringLiteral("settle"), QStringLiteral("--timeout=30")}) == 0;
}

QStringList cameraPorts()
{
    QStringList ports;
    LensFeed().enumerate(ports);
    return ports;
}

} // namespace

class TestUsbStack : public QObject {
    Q_OBJECT

private:
    UsbGadget m_camera{QStringLiteral("camera"), LensFeed::VendorId, LensFeed::ProductId};
    UsbGadget m_second{QStringLiteral("second"), LensFeed::VendorId, LensFeed::ProductId};
    UsbGadget m_foreign{QStringLiteral("foreign"), ForeignVid, ForeignPid};
    DeviceSim m_sim;
    // Installed once QTest has put its own handler in place, which it passes messages on to.
    std::unique_ptr<LogTap> m_log;
    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
    // The foreign device's own end: whatever reaches it was written to a device that is not a camera.
    int m_foreignEnd = -1;
    std::unique_ptr<QSocketNotifier> m_foreignWatch;
    qint64 m_foreignBytes = 0;
    QTimer m_foreignOpens;
    bool m_foreignOpened = false;

    MainWindow* startWindow()
    {
        m_window = std::make_unique<MainWindow>(nullptr);
        m_window->junction()->setDiskLister([] { return QStringList(); });
        m_window->resize(900, 640);
        m_window->show();
        return m_window.get();
    }
    LivePane* usbPane() const { return qobject_cast<LivePane*>(m_window->findModeWindow(DM::UsbVideo)); }

    // Pictures shown a second over `ms` once they flow, beside the frames the simulator counted meanwhile.
    static double pictureRate(LivePane* pane, int ms, const std::function<qint64()>& framesSent, qint64* shownCount,
                              qint64* sentCount)
    {
        QSignalSpy shown(pane, &LivePane::pictureShown);
        if (!shown.wait(10000))
            return 0;
        const qint64 sentBefore = framesSent();
        shown.clear();
        QElapsedTimer clock;
        clock.start();
        QTest::qWait(ms);
        *shownCount = shown.count();
        *sentCount = framesSent() - sentBefore;
        return shown.count() * 1000.0 / clock.elapsed();
    }

    bool isOpenAnywhere(const QString& node) const
    {
        const QDir fds(QStringLiteral("/proc/self/fd"));
        for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            if (QFile::symLinkTarget(fds.filePath(fd)) == node)
                return true;
        }
        return false;
    }

    void closeWindow()
    {
        if (m_window) {
            ModalWatcher watcher;
            m_window->close();
        }
        m_window.reset();
    }

private slots:
    void initTestCase()
    {
        m_log = std::make_unique<LogTap>();
        QString why;
        QVERIFY2(UsbGadget::machineReady(&why), qPrintable(why));
        QVERIFY2(QFileInfo::exists(UdevControl), "udevd does not run in the test machine");
        QApplication::setQuitOnLastWindowClosed(false);
        qRegisterMetaType<DeviceManager::Mode>();
        qunsetenv("KM420_CAMERA_PORT");
        for (UsbGadget* gadget : {&m_foreign, &m_camera, &m_second})
            QVERIFY2(gadget->make(), qPrintable(gadget->errorString()));
        // Plugged in first and kept in all along, so it holds the first port name.
        QVERIFY2(m_foreign.plug(), qPrintable(m_foreign.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(!m_foreign.hostPort().isEmpty(), 10000);
        m_foreignEnd = ::open(QFile::encodeName(m_foreign.devicePath()).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(m_foreignEnd >= 0);
        m_foreignWatch = std::make_unique<QSocketNotifier>(m_foreignEnd, QSocketNotifier::Read);
        connect(m_foreignWatch.get(), &QSocketNotifier::activated, this, [this] {
            char buffer[512];
            const ssize_t n = ::read(m_foreignEnd, buffer, sizeof buffer);
            m_foreignBytes += std::max<ssize_t>(n, 0);
        });
        const QString foreignNode = QStringLiteral("/dev/") + m_foreign.hostPort();
        connect(&m_foreignOpens, &QTimer::timeout, this,
                [this, foreignNode] { m_foreignOpened = m_foreignOpened || isOpenAnywhere(foreignNode); });
        m_foreignOpens.start(50);
        QVERIFY(m_sim.start(m_camera.devicePath()));
        QVERIFY2(m_camera.plug(), qPrintable(m_camera.errorString()));
        QTRY_COMPARE_WITH_TIMEOUT(cameraPorts().size(), 1, 10000);
    }

    void cleanup()
    {
        closeWindow();
        // A row that failed half way leaves the machine as the next rows expect it.
        if (!QFileInfo::exists(UdevControl))
            QVERIFY(startUdevd());
        if (m_camera.hostPort().isEmpty())
            QVERIFY2(m_camera.plug(), qPrintable(m_camera.errorString()));
        if (!m_second.hostPort().isEmpty())
            QVERIFY(m_second.unplug());
    }

    void cleanupTestCase()
    {
        m_sim.stop();
        if (m_foreignEnd >= 0)
            ::close(m_foreignEnd);
        if (!QFileInfo::exists(UdevControl))
            startUdevd();
    }

    // No variable names the port: the camera is found by 0483:5740 as udev reports it, and the foreign
    // device is listed with its own ids.
    void foundByIds()
    {
        const QString port = m_camera.hostPort();
        QVERIFY(!port.isEmpty());
        QCOMPARE(cameraPorts(), QStringList{port});
        QStringList wireLinkPorts;
        QCOMPARE(WireLink::enumerate(LensFeed::VendorId, LensFeed::ProductId, wireLinkPorts), 1);
        QCOMPARE(wireLinkPorts, QStringList{port});
        bool foreignListed = false;
        for (const PortEntry& entry : PortListing::system())
            foreignListed = foreignListed ||
                            (entry.name == m_foreign.hostPort() && entry.vid == ForeignVid && entry.pid == ForeignPid);
        QVERIFY(foreignListed);
    }

    // Two cameras: the chooser offers both, in the order the system lists them.
    void twoCamerasInTheChooser()
    {
        QVERIFY2(m_second.plug(), qPrintable(m_second.errorString()));
        QTRY_COMPARE_WITH_TIMEOUT(cameraPorts().size(), 2, 10000);
        QStringList systemOrder;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
            if (info.portName() == m_camera.hostPort() || info.portName() == m_second.hostPort())
                systemOrder << info.portName();
        }
        QCOMPARE(cameraPorts(), systemOrder);

        LensFeed feed;
        ModalWatcher watcher; // cancels the chooser
        QVERIFY(!feed.open());
        QCOMPARE(watcher.seen, QStringList{QStringLiteral("dialog:Choose Camera|Cameras:|%1|%2")
                                               .arg(systemOrder.join(QLatin1Char(',')), systemOrder.first())});
        QVERIFY(feed.portName().isEmpty());
        QVERIFY(m_second.unplug());
        QTRY_COMPARE_WITH_TIMEOUT(cameraPorts().size(), 1, 10000);
    }

    // Frames through cdc_acm come as they come on a pseudo-terminal: every frame sent is shown, at the
    // pace the quiet gap that ends a reply allows.
    void liveFramesAsOnAPty()
    {
        qint64 shown = 0;
        qint64 sent = 0;
        double ptyRate = 0;
        {
            QVERIFY2(m_camera.unplug(), qPrintable(m_camera.errorString()));
            QTRY_VERIFY_WITH_TIMEOUT(cameraPorts().isEmpty(), 10000);
            LiveFixture pty;
            QVERIFY2(pty.start(), qPrintable(pty.errorString()));
            MainWindow* w = startWindow();
            QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera is open"), 10000);
            ptyRate = pictureRate(
                usbPane(), 4000, [&pty] { return pty.sim()->stats().framesSent; }, &shown, &sent);
            closeWindow();
        }
        QVERIFY2(m_camera.plug(), qPrintable(m_camera.errorString()));
        QTRY_COMPARE_WITH_TIMEOUT(cameraPorts().size(), 1, 10000);
        MainWindow* w = startWindow();
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera is open"), 10000);
        double usbRate = pictureRate(
            usbPane(), 4000, [this] { return m_sim.framesSent(); }, &shown, &sent);
        // The machine is emulated on a host that runs other work: a slow window is measured once more, and a
        // line that is slow by itself stays slow.
        if (usbRate < 0.8 * ptyRate)
            usbRate = qMax(usbRate, pictureRate(
                                        usbPane(), 4000, [this] { return m_sim.framesSent(); }, &shown, &sent));
        qInfo("pictures a second: %.2f over USB, %.2f on a pseudo-terminal; %lld shown of %lld sent", usbRate, ptyRate,
              shown, sent);
        QVERIFY(usbPane()->hasPicture());
        QVERIFY(usbRate > 0);
        // Each frame sent is shown; one may be on its way at either end of the window.
        QVERIFY2(qAbs(shown - sent) <= 1, qPrintable(QStringLiteral("%1 shown, %2 sent").arg(shown).arg(sent)));
        // A reply ends after 100 ms of quiet, so no line carries more than ten frames a second.
        QVERIFY(usbRate <= 10.0);
        QVERIFY2(usbRate >= 0.8 * ptyRate, qPrintable(QStringLiteral("%1 against %2").arg(usbRate).arg(ptyRate)));
        QVERIFY(w->grab().save(TestPaths::artifactPath(QStringLiteral("usb-live.png"))));
    }

    // Unplugged while streaming: the port fails, the stream is given up with the warning, the pane is kept;
    // plugged in again, video goes on in the same pane. Both heard from udev, not from the look a second.
    void unplugAndReplug()
    {
        MainWindow* w = startWindow();
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera is open"), 10000);
        LivePane* pane = usbPane();
        QVERIFY(QSignalSpy(pane, &LivePane::pictureShown).wait(10000));
        const QString port = m_camera.hostPort();
        m_log->clear();
        ModalWatcher watcher;
        QVERIFY2(m_camera.unplug(), qPrintable(m_camera.errorString()));
        QTRY_COMPARE_WITH_TIMEOUT(watcher.seen, QStringList{ModalWatcher::StreamFailed}, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera unplugged; waiting for it"), 10000);
        QTRY_VERIFY(m_log->contains(QStringLiteral("camera port gone: %1 (udev notice)").arg(port)));
        QCOMPARE(usbPane(), pane);

        QSignalSpy shown(pane, &LivePane::pictureShown);
        PlugClock clock(m_camera);
        QVERIFY2(m_camera.plug(), qPrintable(m_camera.errorString()));
        QVERIFY(shown.wait(15000));
        const qint64 pictureMs = clock.elapsedMs();
        QCOMPARE(usbPane(), pane);
        QVERIFY(m_log->contains(QStringLiteral("camera port appeared: %1 (udev notice)").arg(m_camera.hostPort())));
        QCOMPARE(w->statusLabel()->text(), QStringLiteral("Camera found on %1").arg(m_camera.hostPort()));
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 3, 10000);
        QCOMPARE(watcher.seen.size(), 1);
        qInfo("plug to device node %lld ms, plug to first picture %lld ms", clock.nodeMs(), pictureMs);
        QVERIFY(clock.nodeMs() > 0);
    }

    // Without udevd the listing has no ids and udevd sends no notice: the camera is still found by its ids
    // (from sysfs), and its coming and going is heard from the kernel's notices. udevd is stopped as an
    // administrator stops it, which leaves its control socket behind.
    void withoutUdevd()
    {
        QVERIFY(runQuietly(QStringLiteral("udevadm"), {QStringLiteral("control"), QStringLiteral("--exit")}) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(runQuietly(QStringLiteral("pidof"), {QStringLiteral("systemd-udevd")}) != 0, 10000);
        // What udevd recorded of the devices goes with it, as on a system that never ran it.
        QVERIFY(QDir(QStringLiteral("/run/udev/data")).removeRecursively());
        const QString port = m_camera.hostPort();
        QVERIFY(!port.isEmpty());
        QVERIFY(!QSerialPortInfo(port).hasVendorIdentifier());
        QCOMPARE(cameraPorts(), QStringList{port});

        MainWindow* w = startWindow();
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera is open"), 10000);
        LivePane* pane = usbPane();
        QVERIFY(QSignalSpy(pane, &LivePane::pictureShown).wait(10000));
        m_log->clear();
        ModalWatcher watcher;
        QVERIFY2(m_camera.unplug(), qPrintable(m_camera.errorString()));
        QTRY_COMPARE_WITH_TIMEOUT(w->statusLabel()->text(), QStringLiteral("Camera unplugged; waiting for it"), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(m_log->contains(QStringLiteral("camera port gone: %1 (kernel notice)").arg(port)),
                                 5000);
        QSignalSpy shown(pane, &LivePane::pictureShown);
        QVERIFY2(m_camera.plug(), qPrintable(m_camera.errorString()));
        QVERIFY(shown.wait(15000));
        QVERIFY(m_log->contains(QStringLiteral("camera port appeared: %1 (kernel notice)").arg(m_camera.hostPort())));
        QVERIFY(!m_log->contains(QStringLiteral("(udev notice)")));
        QCOMPARE(watcher.seen, QStringList{ModalWatcher::StreamFailed});
    }

    void recorder_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status"); // 0, 1 or 2; -1: any failure
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("frames"); // in the file; -1: no file; -2: as many as the recorder says it kept
        const QStringList five{QStringLiteral("--frames"), QStringLiteral("5")};
        QTest::newRow("one camera, no --port") << "one" << five << 0 << "recording from the camera on" << 5;
        QTest::newRow("two cameras, no --port") << "two" << five << 2 << "choose one with --port" << -1;
        QTest::newRow("no camera") << "none" << five << 1 << "no camera found" << -1;
        QTest::newRow("--wait, plugged in later")
            << "plug later" << (five + QStringList{QStringLiteral("--wait")}) << 0 << "waiting for the camera" << 5;
        QTest::newRow("unplugged while recording") << "unplug" << QStringList() << -1 << "the camera went away" << -2;
    }

    void recorder()
    {
        QFETCH(QString, situation);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        QFETCH(int, frames);
        if (situation == QLatin1String("none") || situation == QLatin1String("plug later"))
            QVERIFY2(m_camera.unplug(), qPrintable(m_camera.errorString()));
        if (situation == QLatin1String("two"))
            QVERIFY(m_second.plug());
        QTRY_COMPARE_WITH_TIMEOUT(cameraPorts().size(),
                                  situation == QLatin1String("two") ? 2
                                  : m_camera.hostPort().isEmpty()   ? 0
                                                                    : 1,
                                  10000);
        const QString out = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".km420rec"));
        QProcess recorder;
        recorder.start(QStringLiteral(KM420_RECORD), QStringList{QStringLiteral("--out"), out} + arguments);
        QVERIFY(recorder.waitForStarted());
        QByteArray errors;
        if (situation == QLatin1String("plug later")) {
            QTRY_VERIFY_WITH_TIMEOUT((errors += recorder.readAllStandardError()).contains("waiting for the camera"),
                                     10000);
            QTest::qWait(1500);
            QVERIFY2(m_camera.plug(), qPrintable(m_camera.errorString()));
        } else if (situation == QLatin1String("unplug")) {
            const qint64 before = m_sim.framesSent();
            QTRY_VERIFY_WITH_TIMEOUT(m_sim.framesSent() >= before + 4, 20000);
            QVERIFY2(m_camera.unplug(), qPrintable(m_camera.errorString()));
        }
        QVERIFY(recorder.waitForFinished(60000));
        errors += recorder.readAllStandardError();
        QCOMPARE(recorder.exitStatus(), QProcess::NormalExit);
        QVERIFY2(
            status >= 0 ? recorder.exitCode() == status : recorder.exitCode() != 0,
            qPrintable(QStringLiteral("exit %1: %2").arg(recorder.exitCode()).arg(QString::fromLocal8Bit(errors))));
        QVERIFY2(errors.contains(message.toUtf8()), errors.constData());
        if (situation == QLatin1String("two")) {
            QVERIFY2(errors.contains(m_camera.hostPort().toUtf8()) && errors.contains(m_second.hostPort().toUtf8()),
                     errors.constData());
        }

        RecordingReader reader;
        if (frames == -1) {
            QVERIFY(!QFileInfo::exists(out));
        } else {
            QVERIFY(reader.open(out));
            QCOMPARE(reader.damaged(), 0);
            if (frames == -2) {
                QVERIFY(reader.frames() >= 3);
                QVERIFY2(errors.contains(QStringLiteral("%1 frames kept in").arg(reader.frames()).toUtf8()),
                         errors.constData());
            } else {
                QCOMPARE(reader.frames(), frames);
            }
        }
        if (situation == QLatin1String("two"))
            QVERIFY(m_second.unplug());
        if (m_camera.hostPort().isEmpty())
            QVERIFY2(m_camera.plug(), qPrintable(m_camera.errorString()));
        QTRY_COMPARE_WITH_TIMEOUT(cameraPorts().size(), 1, 10000);
    }

    // WireLink on the kernel's USB serial port: a reply comes whole and in order through the reader thread,
    // and a break the device signals reaches the reader through the driver's line counters.
    void wireLink()
    {
        const QString node = QStringLiteral("/dev/") + m_camera.hostPort();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(node), 10000);
        WireLink link;
        QByteArray received;
        connect(&link, &WireLink::readyRead, this, [&](char* data, int length) { received.append(data, length); });
        QVERIFY(link.open(node));
        CommandRecordBuilder command;
        const QByteArray record = command.build(CommandRecordBuilder::GetVideoFrame);
        quint32 lastSequence = 0;
        for (int i = 0; i < 3; ++i) {
            received.clear();
            QVERIFY(link.write(record.constData(), record.size()) >= 0);
            QTRY_VERIFY_WITH_TIMEOUT(received.size() >= Km420Frame::Size, 10000);
            QTest::qWait(150); // nothing follows a reply
            QCOMPARE(received.size(), Km420Frame::Size);
            QVERIFY(received.startsWith(QByteArray::fromHex("67452301")));
            QVERIFY(received.endsWith(QByteArray::fromHex("efcdab89")));
            const quint32 sequence = Km420Frame::readUInt32(received.constData(), ExtInfoLayout::SequenceOffset);
            QVERIFY(sequence > lastSequence);
            lastSequence = sequence;
        }

        m_log->clear();
        const int end = ::open(QFile::encodeName(m_camera.devicePath()).constData(), O_RDWR | O_NOCTTY);
        QVERIFY(end >= 0);
        QCOMPARE(::tcsendbreak(end, 0), 0);
        ::close(end);
        QTRY_VERIFY_WITH_TIMEOUT(m_log->contains(QStringLiteral("wirelink.port: line errors: break")), 10000);
        link.close();
    }

    // The rule gives the user at the seat the camera, and only the camera.
    void udevRule_data()
    {
        QTest::addColumn<bool>("camera");
        QTest::newRow("camera") << true;
        QTest::newRow("device with other ids") << false;
    }

    void udevRule()
    {
        QFETCH(bool, camera);
        const QString port = camera ? m_camera.hostPort() : m_foreign.hostPort();
        QVERIFY(!port.isEmpty());
        auto tags = [&port] {
            QByteArray output;
            runQuietly(
                QStringLiteral("udevadm"),
                {QStringLiteral("test"), QStringLiteral("--action=add"), QStringLiteral("/sys/class/tty/") + port},
                &output);
            // TAGS keeps every tag the device ever had; CURRENT_TAGS is what the rules give it now.
            for (const QByteArray& line : output.split('\n')) {
                if (line.startsWith("CURRENT_TAGS="))
                    return QString::fromLatin1(line);
            }
            return QString();
        };
        const QString rule = QStringLiteral("/run/udev/rules.d/70-km420.rules");
        QVERIFY(QFileInfo::exists(rule));
        const QString withRule = tags();
        QVERIFY(!withRule.isEmpty());
        QCOMPARE(withRule.contains(QLatin1String(":uaccess:")), camera);
        // And from this rule: without it the camera gets no such tag.
        QVERIFY(QFile::rename(rule, rule + QStringLiteral(".off")));
        const QString withoutRule = tags();
        QVERIFY(QFile::rename(rule + QStringLiteral(".off"), rule));
        QVERIFY(!withoutRule.contains(QLatin1String(":uaccess:")));
    }

    // All along, nothing wrote to the device with other ids or held it open.
    void foreignDeviceNeverOpened()
    {
        QCoreApplication::processEvents();
        QCOMPARE(m_foreignBytes, qint64(0));
        QVERIFY(!m_foreignOpened);
    }
};

QTEST_MAIN(TestUsbStack)
#include "tst_usbstack.moc"
