#include <wirelink/commapi.h>
#include <wirelink/linkprobe.h>
#include <wirelink/wirelink.h>

#include <modalwatcher.h>
#include <ptypair.h>

#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QtTest>

#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

namespace {

void* const kInvalid = reinterpret_cast<void*>(~quintptr(0));

} // namespace

class TestWireLink : public QObject {
    Q_OBJECT
private slots:
    void init();
    void openConfiguresLine();
    void openTwiceKeepsFirst();
    void openHeldPortFails();
    void openMissingPortFails();
    void failedOpenReleasesPort_data();
    void failedOpenReleasesPort();
    void openOfNonSerialFileReleasesIt();
    void writeBeforeOpen();
    void writeAtOnce();
    void writeRefusesBadArguments();
    void writeErrors_data();
    void writeErrors();
    void pendingWriteEndsBeforeReturn();
    void lineErrorsReportedOnce_data();
    void lineErrorsReportedOnce();
    void closeTwiceEmitsOnce();
    void reopenAfterClose();
    void destroyingOpenPortReleasesIt();
};

void TestWireLink::init()
{
    LinkProbe::reset();
}

void TestWireLink::openConfiguresLine()
{
    PtyPair pty(false); // cooked, echoing, as a fresh tty starts
    QVERIFY(pty.isValid());
    WireLink link;
    QSignalSpy opened(&link, &WireLink::opened);
    QVERIFY(link.open(pty.slavePath()));
    QCOMPARE(opened.count(), 1);
    QVERIFY(link.handle() != kInvalid);
    QVERIFY(!link.isVisible());
    QCOMPARE(link.size(), QSize(0, 0));

    termios t{};
    QCOMPARE(::tcgetattr(pty.slave(), &t), 0);
    QCOMPARE(::cfgetospeed(&t), speed_t(B9600));
    QCOMPARE(::cfgetispeed(&t), speed_t(B9600));
    QCOMPARE(t.c_cflag & CSIZE, tcflag_t(CS8));
    QCOMPARE(t.c_cflag & (PARENB | CSTOPB), tcflag_t(0));
    QCOMPARE(t.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), tcflag_t(0));
    QCOMPARE(t.c_oflag & OPOST, tcflag_t(0));
    QCOMPARE(t.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP), tcflag_t(0));

    // Bytes a line discipline would change or swallow pass through both ways.
    QByteArray got;
    connect(&link, &WireLink::readyRead, [&got](char* buff, int len) { got.append(buff, len); });
    const QByteArray bytes("\r\n\x03\x04\x7f\xff", 6);
    QVERIFY(pty.writeAll(bytes));
    QTRY_COMPARE(got, bytes);
    QCOMPARE(link.write(bytes.constData(), bytes.size()), 1);
    QCOMPARE(pty.read(bytes.size()), bytes);
    link.close();
}

void TestWireLink::openTwiceKeepsFirst()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy opened(&link, &WireLink::opened);
    QVERIFY(link.open(pty.slavePath()));
    void* const first = link.handle();
    QVERIFY(!link.open(pty.slavePath()));
    QCOMPARE(opened.count(), 1);
    QCOMPARE(link.handle(), first);
    QCOMPARE(link.write("x", 1), 1);
    QCOMPARE(pty.read(1), QByteArray("x"));
    link.close();
}

void TestWireLink::openHeldPortFails()
{
    PtyPair pty;
    WireLink holder;
    QVERIFY(holder.open(pty.slavePath()));
    WireLink other;
    QSignalSpy opened(&other, &WireLink::opened);
    QVERIFY(!other.open(pty.slavePath()));
    QCOMPARE(opened.count(), 0);
    QCOMPARE(other.handle(), kInvalid);
    holder.close();
    QVERIFY(other.open(pty.slavePath()));
    other.close();
}

void TestWireLink::openMissingPortFails()
{
    WireLink link;
    QSignalSpy opened(&link, &WireLink::opened);
    QVERIFY(!link.open(QStringLiteral("/dev/pts/no-such-port")));
    QVERIFY(!link.open(QStringLiteral("COM250")));
    QCOMPARE(opened.count(), 0);
    QCOMPARE(link.handle(), kInvalid);
}

void TestWireLink::failedOpenReleasesPort_data()
{
    QTest::addColumn<int>("call");
    QTest::newRow("line setting unreadable") << int(LinkProbe::Call::GetCommState);
    QTest::newRow("line setting refused") << int(LinkProbe::Call::SetCommState);
    QTest::newRow("time-outs unreadable") << int(LinkProbe::Call::GetCommTimeouts);
    QTest::newRow("time-outs refused") << int(LinkProbe::Call::SetCommTimeouts);
    QTest::newRow("reader's events not created") << int(LinkProbe::Call::CreateEvent);
}

void TestWireLink::failedOpenReleasesPort()
{
    QFETCH(int, call);
    PtyPair pty;
    WireLink link;
    QSignalSpy opened(&link, &WireLink::opened);
    const int portsBefore = LinkProbe::openPorts();
    LinkProbe::failNext(LinkProbe::Call(call), 31); // ERROR_GEN_FAILURE
    QVERIFY(!link.open(pty.slavePath()));
    QCOMPARE(opened.count(), 0);
    QCOMPARE(link.handle(), kInvalid);
    QCOMPARE(LinkProbe::openPorts(), portsBefore);
    // The port is free again, for another object as for this one.
    WireLink other;
    QVERIFY(other.open(pty.slavePath()));
    other.close();
    QVERIFY(link.open(pty.slavePath()));
    link.close();
}

void TestWireLink::openOfNonSerialFileReleasesIt()
{
    QTemporaryFile file;
    QVERIFY(file.open());
    WireLink link;
    QVERIFY(!link.open(file.fileName()));
    QCOMPARE(link.handle(), kInvalid);
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    const bool lockable = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    QVERIFY2(lockable, "the failed open kept the file");
}

void TestWireLink::writeBeforeOpen()
{
    ModalWatcher boxes;
    WireLink link;
    QCOMPARE(link.write("abc", 3), -1);
    QTest::qWait(50);
    QVERIFY(boxes.seen.isEmpty());
}

void TestWireLink::writeAtOnce()
{
    PtyPair pty;
    WireLink link;
    QVERIFY(link.open(pty.slavePath()));
    const QByteArray command(55, '\x5a');
    QCOMPARE(link.write(command.constData(), command.size()), 1);
    QCOMPARE(pty.read(command.size()), command);
    QCOMPARE(link.write(nullptr, 0), 1);
    link.close();
    QCOMPARE(link.write("x", 1), -1);
}

void TestWireLink::writeRefusesBadArguments()
{
    PtyPair pty;
    WireLink link;
    QVERIFY(link.open(pty.slavePath()));
    QCOMPARE(link.write("abc", -1), 0);
    QCOMPARE(link.write(nullptr, 5), 0);
    QCOMPARE(pty.read(1, 100), QByteArray());
    link.close();
}

void TestWireLink::writeErrors_data()
{
    QTest::addColumn<quint32>("error");
    QTest::addColumn<QString>("message");
    QTest::newRow("access denied") << 5u << QStringLiteral("拒绝访问");
    QTest::newRow("invalid handle") << 6u << QStringLiteral("打开串口失败");
    QTest::newRow("bad command") << 22u << QStringLiteral("非法断开");
    QTest::newRow("invalid parameter") << 87u << QStringLiteral("系统错误");
    QTest::newRow("other error, silent") << 31u << QString();
}

void TestWireLink::writeErrors()
{
    QFETCH(quint32, error);
    QFETCH(QString, message);
    PtyPair pty;
    WireLink link;
    QVERIFY(link.open(pty.slavePath()));
    ModalWatcher boxes;
    QList<QMessageBox::Icon> icons;
    QList<QWidget*> owners;
    boxes.handler = [&](QWidget* w) {
        icons << qobject_cast<QMessageBox*>(w)->icon();
        owners << w->parentWidget();
        ModalWatcher::acceptBox(w);
    };
    LinkProbe::failNext(LinkProbe::Call::WriteFile, error);
    QCOMPARE(link.write("abc", 3), 0);
    if (message.isEmpty()) {
        QTest::qWait(50);
        QVERIFY(boxes.seen.isEmpty());
    } else {
        QCOMPARE(boxes.seen, QStringList{QStringLiteral("box:Error:") + message});
        QCOMPARE(icons, QList<QMessageBox::Icon>{QMessageBox::Critical});
        QCOMPARE(owners, QList<QWidget*>{&link});
    }
    // The next write goes through again.
    QCOMPARE(link.write("d", 1), 1);
    QCOMPARE(pty.read(1), QByteArray("d"));
    link.close();
}

void TestWireLink::pendingWriteEndsBeforeReturn()
{
    PtyPair pty;
    WireLink link;
    QVERIFY(link.open(pty.slavePath()));
    // Far more than the tty holds while nobody reads the device side: the write is still pending when
    // its second is up.
    const QByteArray block(4 * 1024 * 1024, 'w');
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(link.write(block.constData(), block.size()), 0);
    QVERIFY(timer.elapsed() >= 900);
    QCOMPARE(LinkProbe::pendingOperations(), 1); // only the reader's wait for bytes
    link.close();
    QCOMPARE(LinkProbe::pendingOperations(), 0);
    QCOMPARE(LinkProbe::abandonedOperations(), 0);
}

void TestWireLink::lineErrorsReportedOnce_data()
{
    const int frame = int(LinkProbe::LineCounter::Frame);
    const int brk = int(LinkProbe::LineCounter::Break);
    QTest::addColumn<QList<int>>("counted"); // LinkProbe::LineCounter
    QTest::addColumn<DWORD>("reported");
    QTest::newRow("framing") << QList<int>{frame} << DWORD(CE_FRAME);
    QTest::newRow("parity") << QList<int>{int(LinkProbe::LineCounter::Parity)} << DWORD(CE_RXPARITY);
    QTest::newRow("overrun") << QList<int>{int(LinkProbe::LineCounter::Overrun)} << DWORD(CE_OVERRUN);
    QTest::newRow("input buffer overrun") << QList<int>{int(LinkProbe::LineCounter::BufferOverrun)} << DWORD(CE_RXOVER);
    QTest::newRow("break") << QList<int>{brk} << DWORD(CE_BREAK);
    QTest::newRow("two kinds, one thrice") << QList<int>{frame, brk, frame, frame} << DWORD(CE_FRAME | CE_BREAK);
}

// The stand-in without the reader: each count the driver adds is reported by one ClearCommError.
void TestWireLink::lineErrorsReportedOnce()
{
    QFETCH(QList<int>, counted);
    QFETCH(DWORD, reported);
    const auto count = [&counted] {
        for (int c : counted)
            LinkProbe::countLineError(LinkProbe::LineCounter(c));
    };
    PtyPair pty;
    count(); // before the open: not the port's
    const HANDLE port = CreateFileW(pty.slavePath().toStdWString().c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    QVERIFY(port != INVALID_HANDLE_VALUE);
    DWORD errors = ~0u;
    QVERIFY(ClearCommError(port, &errors, nullptr));
    QCOMPARE(errors, DWORD(0));
    for (const bool asked : {true, true, false}) { // a call that does not ask clears them all the same
        count();
        QVERIFY(ClearCommError(port, asked ? &errors : nullptr, nullptr));
        if (asked)
            QCOMPARE(errors, reported);
        QVERIFY(ClearCommError(port, &errors, nullptr));
        QCOMPARE(errors, DWORD(0));
    }
    CloseHandle(port);
}

void TestWireLink::closeTwiceEmitsOnce()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy closed(&link, &WireLink::closed);
    link.close();
    QCOMPARE(closed.count(), 0);
    QVERIFY(link.open(pty.slavePath()));
    link.close();
    link.close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(link.handle(), kInvalid);
}

void TestWireLink::reopenAfterClose()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy opened(&link, &WireLink::opened);
    QSignalSpy closed(&link, &WireLink::closed);
    QByteArray got;
    connect(&link, &WireLink::readyRead, [&got](char* buff, int len) { got.append(buff, len); });
    for (int round = 0; round < 3; ++round) {
        QVERIFY(link.open(pty.slavePath()));
        const QByteArray bytes = QByteArray::number(round);
        QVERIFY(pty.writeAll(bytes));
        QTRY_COMPARE(got, bytes);
        got.clear();
        link.close();
        QCOMPARE(link.handle(), kInvalid);
    }
    QCOMPARE(opened.count(), 3);
    QCOMPARE(closed.count(), 3);
}

void TestWireLink::destroyingOpenPortReleasesIt()
{
    PtyPair pty;
    auto link = std::make_unique<WireLink>();
    QSignalSpy closed(link.get(), &WireLink::closed);
    QVERIFY(link->open(pty.slavePath()));
    QVERIFY(pty.writeAll("abc"));
    link.reset();
    QCOMPARE(closed.count(), 0);
    WireLink other;
    QVERIFY(other.open(pty.slavePath()));
    other.close();
}

QTEST_MAIN(TestWireLink)
#include "tst_wirelink.moc"
