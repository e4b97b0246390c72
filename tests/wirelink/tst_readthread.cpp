#include "linkprobe.h"
#include "ptypair.h"
#include "wirelink.h"

#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <thread>
#include <vector>

// The reader as seen through its port: what it delivers, and how it waits and stops.
class TestReadThread : public QObject {
    Q_OBJECT
private slots:
    void init();
    void idlePortWaitsWithoutPolling();
    void burstArrivesWholeAndInOrder_data();
    void burstArrivesWholeAndInOrder();
    void pendingReadDelivers();
    void closeWhileWaitingForBytes();
    void closeWhileReadPending();
    void closeRightAfterOpen();
    void closeDropsUndeliveredBlocks();
    void closeFromReceiver();
    void hangUpOfOtherSide();
};

void TestReadThread::init()
{
    LinkProbe::reset();
}

void TestReadThread::idlePortWaitsWithoutPolling()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy read(&link, &WireLink::readyRead);
    QVERIFY(link.open(pty.slavePath()));
    QTRY_COMPARE(LinkProbe::pendingOperations(), 1);
    const quint64 before = LinkProbe::statusQueries();
    QTest::qWait(300);
    // A loop that asks the driver again at once makes many thousands of queries in this time.
    QVERIFY2(LinkProbe::statusQueries() - before < 5, qPrintable(QString::number(LinkProbe::statusQueries() - before)));
    QCOMPARE(read.count(), 0);
    link.close();
}

void TestReadThread::burstArrivesWholeAndInOrder_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("receiverDelayMs");
    QTest::newRow("one byte") << 1 << 0;
    QTest::newRow("three buffers' worth") << 3 * 102400 + 17 << 0;
    // The receiver falls behind, so several blocks wait for delivery while the reader goes on.
    QTest::newRow("slow receiver") << 3 * 102400 + 17 << 3;
}

void TestReadThread::burstArrivesWholeAndInOrder()
{
    QFETCH(int, size);
    QFETCH(int, receiverDelayMs);
    PtyPair pty;
    WireLink link;
    QByteArray got;
    int blocks = 0;
    int largest = 0;
    connect(&link, &WireLink::readyRead, [&](char* buff, int len) {
        QThread::msleep(receiverDelayMs);
        // Copied here rather than inside Qt, so that a race checker sees the reads.
        const std::vector<char> block(buff, buff + len);
        got.append(block.data(), len);
        ++blocks;
        largest = std::max(largest, len);
    });
    QVERIFY(link.open(pty.slavePath()));

    QByteArray sent(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        sent[i] = char((i * 7 + i / 251) & 0xff);
    bool written = false;
    std::thread device([&] { written = pty.writeAll(sent); });
    QTRY_COMPARE_WITH_TIMEOUT(got.size(), size, 30000);
    device.join();
    QVERIFY(written);
    QVERIFY(got == sent);
    QVERIFY(largest <= 102400);
    if (size > 102400)
        QVERIFY(blocks > 1);
    link.close();
}

void TestReadThread::pendingReadDelivers()
{
    PtyPair pty;
    WireLink link;
    QByteArray got;
    connect(&link, &WireLink::readyRead, [&got](char* buff, int len) { got.append(buff, len); });
    // The reader is told of bytes that are not there yet, so its read waits for them.
    LinkProbe::addPhantomBytes(10);
    QVERIFY(link.open(pty.slavePath()));
    QTRY_COMPARE(LinkProbe::pendingOperations(), 1);
    QVERIFY(pty.writeAll("12345"));
    // Fewer bytes than asked for: the read ends 100 ms after the last one.
    QTRY_COMPARE(got, QByteArray("12345"));
    link.close();
}

void TestReadThread::closeWhileWaitingForBytes()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy read(&link, &WireLink::readyRead);
    QSignalSpy closed(&link, &WireLink::closed);
    QVERIFY(link.open(pty.slavePath()));
    QTRY_COMPARE(LinkProbe::pendingOperations(), 1);
    link.close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(LinkProbe::pendingOperations(), 0);
    QCOMPARE(LinkProbe::abandonedOperations(), 0);
    QVERIFY(pty.writeAll("late"));
    QTest::qWait(50);
    QCOMPARE(read.count(), 0);
}

void TestReadThread::closeWhileReadPending()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy read(&link, &WireLink::readyRead);
    LinkProbe::addPhantomBytes(10);
    QVERIFY(link.open(pty.slavePath()));
    QTRY_COMPARE(LinkProbe::pendingOperations(), 1);
    link.close();
    QCOMPARE(LinkProbe::pendingOperations(), 0);
    QCOMPARE(LinkProbe::abandonedOperations(), 0);
    QTest::qWait(50);
    QCOMPARE(read.count(), 0);
}

void TestReadThread::closeRightAfterOpen()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy closed(&link, &WireLink::closed);
    // Most of these stops arrive before the reader's loop has begun; each must still end it.
    for (int i = 0; i < 200; ++i) {
        QVERIFY(link.open(pty.slavePath()));
        link.close();
    }
    QCOMPARE(closed.count(), 200);
    QCOMPARE(LinkProbe::abandonedOperations(), 0);
}

void TestReadThread::closeDropsUndeliveredBlocks()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy read(&link, &WireLink::readyRead);
    QVERIFY(link.open(pty.slavePath()));
    QVERIFY(pty.writeAll("abc"));
    // No event loop runs meanwhile, so the block read by now waits for delivery.
    QThread::msleep(200);
    link.close();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(read.count(), 0);
}

void TestReadThread::closeFromReceiver()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy closed(&link, &WireLink::closed);
    int blocks = 0;
    connect(&link, &WireLink::readyRead, [&](char*, int) {
        ++blocks;
        link.close();
    });
    QVERIFY(link.open(pty.slavePath()));
    // Two blocks read before the event loop runs: the first closes the port, the second must vanish.
    QVERIFY(pty.writeAll(QByteArray(4000, 'r')));
    QThread::msleep(100);
    QVERIFY(pty.writeAll(QByteArray(4000, 's')));
    QThread::msleep(100);
    QTRY_COMPARE(closed.count(), 1);
    QTest::qWait(50);
    QCOMPARE(blocks, 1);
    QVERIFY(link.open(pty.slavePath()));
    link.close();
}

void TestReadThread::hangUpOfOtherSide()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy read(&link, &WireLink::readyRead);
    QSignalSpy closed(&link, &WireLink::closed);
    QVERIFY(link.open(pty.slavePath()));
    QTRY_COMPARE(LinkProbe::pendingOperations(), 1);
    pty.hangUp();
    QTest::qWait(100);
    const quint64 before = LinkProbe::statusQueries();
    QTest::qWait(300);
    // The reader keeps asking, but with pauses between; a spinning loop asks many thousands of times.
    QVERIFY2(LinkProbe::statusQueries() - before < 30,
             qPrintable(QString::number(LinkProbe::statusQueries() - before)));
    QCOMPARE(read.count(), 0);

    QStringList boxes;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&boxes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    closer.start(20);
    QCOMPARE(link.write("x", 1), 0);
    QCOMPARE(boxes, QStringList{QStringLiteral("非法断开")});

    link.close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(read.count(), 0);
}

QTEST_MAIN(TestReadThread)
#include "tst_readthread.moc"
