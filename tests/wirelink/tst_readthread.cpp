#include <wirelink/commapi.h>
#include <wirelink/linkprobe.h>
#include <wirelink/readthread.h>
#include <wirelink/wirelink.h>

#include <modalwatcher.h>
#include <ptypair.h>

#include <QMutex>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include <sys/ioctl.h>

namespace {

// Bytes in the tty's input queue, which every descriptor of the slave shares.
int queuedOn(const PtyPair& pty)
{
    int n = -1;
    ::ioctl(pty.slave(), FIONREAD, &n);
    return n;
}

// The reader has read what was sent after `queries` status queries and waits for bytes again.
bool readerTook(const PtyPair& pty, quint64 queries)
{
    return LinkProbe::statusQueries() >= queries + 2 && LinkProbe::pendingOperations() == 1 && queuedOn(pty) == 0;
}

// Sends `bytes` and waits, without running the event loop, until the reader has taken them.
bool sendAndAwaitTaken(PtyPair& pty, const QByteArray& bytes)
{
    const quint64 queries = LinkProbe::statusQueries();
    if (!pty.writeAll(bytes))
        return false;
    for (int tries = 0; tries < 500 && !readerTook(pty, queries); ++tries)
        QThread::msleep(10);
    return readerTook(pty, queries);
}

// Sends chunks one at a time, without running the event loop, until one stays in the driver because the
// reader has no free buffer; returns how many chunks it took before, -1 when it never stopped taking.
int sendUntilKept(PtyPair& pty, const QByteArray& chunk, int most)
{
    for (int taken = 0; taken <= most; ++taken) {
        const quint64 queries = LinkProbe::statusQueries();
        if (!pty.writeAll(chunk))
            return -1;
        for (int tries = 0;; ++tries) {
            if (tries == 500)
                return -1;
            QThread::msleep(10);
            if (readerTook(pty, queries))
                break;
            // Kept: bytes queued, and the reader neither waits for more nor reads them.
            if (LinkProbe::pendingOperations() == 0 && queuedOn(pty) > 0) {
                const int queued = queuedOn(pty);
                QThread::msleep(100);
                if (queuedOn(pty) == queued && LinkProbe::pendingOperations() == 0)
                    return taken;
            }
        }
    }
    return -1;
}

// Plays a device that keeps sending until the test ends, however it ends.
class Streamer {
public:
    explicit Streamer(PtyPair& pty)
        : thread([this, &pty] {
              const QByteArray chunk(64, 'b');
              while (!done.load()) {
                  pty.writeAll(chunk, 50); // nobody reads while the port is closed: the line may stay full
                  std::this_thread::sleep_for(std::chrono::microseconds(300));
              }
          })
    {
    }
    ~Streamer()
    {
        done.store(true);
        thread.join();
    }

private:
    std::atomic<bool> done{false};
    std::thread thread;
};

// The reader's warnings, caught from its thread.
QMutex warningsMutex;
QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void keepWarning(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && qstrcmp(context.category, "wirelink.port") == 0) {
        const QMutexLocker lock(&warningsMutex);
        warnings << message;
        return;
    }
    previousHandler(type, context, message);
}

} // namespace

// The reader as seen through its port: what it delivers, and how it waits and stops.
class TestReadThread : public QObject {
    Q_OBJECT
private slots:
    void init();
    void idlePortWaitsWithoutPolling();
    void burstArrivesWholeAndInOrder_data();
    void burstArrivesWholeAndInOrder();
    void pendingReadDelivers();
    void bytesQueuedBeforeReaderStarts();
    void heldBlockKeepsItsBytes();
    void misbehavingDriverWaits_data();
    void misbehavingDriverWaits();
    void closeWhileWaitingForBytes();
    void closeWhileReadPending();
    void closeRightAfterOpen();
    void closeAtAnyMoment_data();
    void closeAtAnyMoment();
    void closeWhileEveryBufferIsOut();
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
    QTest::addColumn<QList<int>>("lineErrors"); // LinkProbe::LineCounter, counted as the bytes start
    QTest::addColumn<bool>("raw");              // false: the line starts as the tty layer leaves a new port
    QTest::newRow("one byte") << 1 << 0 << QList<int>() << true;
    QTest::newRow("three buffers' worth") << 3 * 102400 + 17 << 0 << QList<int>() << true;
    // The receiver falls behind, so several blocks wait for delivery while the reader goes on.
    QTest::newRow("slow receiver") << 3 * 102400 + 17 << 3 << QList<int>() << true;
    const QList<int> errors{int(LinkProbe::LineCounter::Frame), int(LinkProbe::LineCounter::Overrun)};
    QTest::newRow("one byte, line errors") << 1 << 0 << errors << true;
    QTest::newRow("three buffers' worth, line errors") << 3 * 102400 + 17 << 0 << errors << true;
    // Every byte value, XON and XOFF among them, passes a line that started with flow control on.
    QTest::newRow("one frame's worth, cooked line") << 14935 << 0 << QList<int>() << false;
}

void TestReadThread::burstArrivesWholeAndInOrder()
{
    QFETCH(int, size);
    QFETCH(int, receiverDelayMs);
    QFETCH(QList<int>, lineErrors);
    QFETCH(bool, raw);
    warnings.clear();
    previousHandler = qInstallMessageHandler(keepWarning);
    const auto restoreHandler = qScopeGuard([] { qInstallMessageHandler(previousHandler); });
    PtyPair pty(raw);
    WireLink link;
    QByteArray got;
    int blocks = 0;
    int largest = 0;
    connect(&link, &WireLink::readyRead, [&](char* buff, int len) {
        QThread::msleep(receiverDelayMs);
        got.append(buff, len);
        ++blocks;
        largest = std::max(largest, len);
    });
    QVERIFY(link.open(pty.slavePath()));

    QByteArray sent(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        sent[i] = char((i * 7 + i / 251) & 0xff);
    // As a driver counts them, the errors come with the bytes: once the reader waits for them.
    QTRY_COMPARE(LinkProbe::pendingOperations(), 1);
    for (int counter : lineErrors)
        LinkProbe::countLineError(LinkProbe::LineCounter(counter));
    bool written = false;
    std::thread device([&] { written = pty.writeAll(sent); });
    const auto joinOnFailure = qScopeGuard([&device] {
        if (device.joinable())
            device.join();
    });
    QTRY_COMPARE_WITH_TIMEOUT(got.size(), size, 30000);
    device.join();
    QVERIFY(written);
    QVERIFY(got == sent);
    QVERIFY(largest <= 102400);
    if (size > 102400)
        QVERIFY(blocks > 1);
    // The reader took the errors with the first bytes and still delivered every byte: none is left to report.
    DWORD errors = ~0u;
    QVERIFY(ClearCommError(link.handle(), &errors, nullptr));
    QCOMPARE(errors, DWORD(0));
    link.close();
    const QMutexLocker lock(&warningsMutex);
    QCOMPARE(warnings, lineErrors.isEmpty() ? QStringList() : QStringList{"line errors: framing, overrun"});
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

void TestReadThread::bytesQueuedBeforeReaderStarts()
{
    PtyPair pty;
    QVERIFY(pty.writeAll("early"));
    // With the purge of open() failing the bytes are queued before the reader sets its mask, so no arrival
    // announces them: a reader that waits before it looks finds them only at its wait's bound, by cancelling it.
    LinkProbe::failNext(LinkProbe::Call::PurgeComm, 31);
    WireLink link;
    QByteArray got;
    int cancelledBefore = -1;
    connect(&link, &WireLink::readyRead, [&](char* buff, int len) {
        got.append(buff, len);
        cancelledBefore = LinkProbe::cancelledOperations();
    });
    QVERIFY(link.open(pty.slavePath()));
    QTRY_COMPARE(got, QByteArray("early"));
    QCOMPARE(cancelledBefore, 0);
    link.close();
}

void TestReadThread::heldBlockKeepsItsBytes()
{
    PtyPair pty;
    WireLink link;
    QByteArray first;
    QByteArray firstAfterwards;
    QList<QByteArray> later;
    connect(&link, &WireLink::readyRead, [&](char* buff, int len) {
        if (!first.isEmpty()) {
            later << QByteArray(buff, len);
            return;
        }
        first = QByteArray(buff, len);
        // Held while more blocks than there are buffers pass through a nested event loop, as a modal box
        // from a write holds it.
        for (int i = 0; i <= ReadThread::kSlots; ++i) {
            const int before = later.size();
            if (!pty.writeAll(QByteArray(50, char('b' + i))) ||
                !QTest::qWaitFor([&] { return later.size() > before; }, 5000))
                return;
        }
        firstAfterwards = QByteArray(buff, len);
    });
    QVERIFY(link.open(pty.slavePath()));
    QVERIFY(pty.writeAll(QByteArray(50, 'a')));
    QTRY_VERIFY(!firstAfterwards.isEmpty());
    QCOMPARE(first, QByteArray(50, 'a'));
    QCOMPARE(firstAfterwards, first);
    QCOMPARE(later.join(), QByteArray(50, 'b') + QByteArray(50, 'c') + QByteArray(50, 'd') + QByteArray(50, 'e') +
                               QByteArray(50, 'f'));
    link.close();
}

void TestReadThread::misbehavingDriverWaits_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("wait never completed") << int(LinkProbe::WaitFault::NeverCompletes);
    QTest::newRow("every wait aborted at once") << int(LinkProbe::WaitFault::AbortsAtOnce);
}

void TestReadThread::misbehavingDriverWaits()
{
    QFETCH(int, fault);
    PtyPair pty;
    WireLink link;
    QByteArray got;
    connect(&link, &WireLink::readyRead, [&got](char* buff, int len) { got.append(buff, len); });
    LinkProbe::setWaitFault(LinkProbe::WaitFault(fault));
    QVERIFY(link.open(pty.slavePath()));
    QTest::qWait(100);
    const quint64 before = LinkProbe::statusQueries();
    QTest::qWait(300);
    // Neither stalled nor spinning: a few queries a second, where a spinning loop makes many thousands.
    QVERIFY2(LinkProbe::statusQueries() - before < 30,
             qPrintable(QString::number(LinkProbe::statusQueries() - before)));
    QVERIFY(pty.writeAll("bytes"));
    QTRY_COMPARE(got, QByteArray("bytes"));
    link.close();
    QCOMPARE(LinkProbe::pendingOperations(), 0);
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

void TestReadThread::closeAtAnyMoment_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::newRow("quiet line") << false;
    QTest::newRow("bytes arriving") << true;
}

void TestReadThread::closeAtAnyMoment()
{
    QFETCH(bool, streaming);
    PtyPair pty;
    auto device = streaming ? std::make_unique<Streamer>(pty) : nullptr;
    WireLink link;
    QSignalSpy closed(&link, &WireLink::closed);
    QByteArray got;
    connect(&link, &WireLink::readyRead, [&got](char* buff, int len) { got.append(buff, len); });
    // The stop lands before the loop begins, during a wait for bytes, around a read or a delivery; some
    // rounds let deliveries through first.
    const int rounds = 120;
    for (int round = 0; round < rounds; ++round) {
        QVERIFY(link.open(pty.slavePath()));
        std::this_thread::sleep_for(std::chrono::microseconds(round % 12 * 150));
        if (round % 4 == 3)
            QCoreApplication::processEvents();
        link.close();
    }
    device.reset();
    QCOMPARE(closed.count(), rounds);
    QCOMPARE(LinkProbe::pendingOperations(), 0);
    QCOMPARE(LinkProbe::abandonedOperations(), 0);

    // The port still works afterwards.
    got.clear();
    QVERIFY(link.open(pty.slavePath()));
    QVERIFY(pty.writeAll("end"));
    QTRY_COMPARE(got, QByteArray("end"));
    link.close();
}

void TestReadThread::closeWhileEveryBufferIsOut()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy read(&link, &WireLink::readyRead);
    QVERIFY(link.open(pty.slavePath()));
    QTRY_COMPARE(LinkProbe::pendingOperations(), 1);
    // From here no event loop runs, so no block is delivered and no buffer comes back. Each chunk is at
    // least one block; a chunk the line splits in two takes two buffers.
    const int taken = sendUntilKept(pty, QByteArray(100, 'q'), ReadThread::kSlots);
    QVERIFY2(taken >= 1 && taken <= ReadThread::kSlots, qPrintable(QString::number(taken)));
    const int kept = queuedOn(pty);
    link.close();
    QCOMPARE(queuedOn(pty), kept);
    QCOMPARE(LinkProbe::pendingOperations(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(read.count(), 0);
}

void TestReadThread::closeDropsUndeliveredBlocks()
{
    PtyPair pty;
    WireLink link;
    QSignalSpy read(&link, &WireLink::readyRead);
    QVERIFY(link.open(pty.slavePath()));
    // No event loop runs meanwhile, so the block read waits for delivery.
    QVERIFY(sendAndAwaitTaken(pty, "abc"));
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
    QVERIFY(sendAndAwaitTaken(pty, QByteArray(4000, 'r')));
    QVERIFY(sendAndAwaitTaken(pty, QByteArray(4000, 's')));
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

    ModalWatcher boxes;
    QCOMPARE(link.write("x", 1), 0);
    QCOMPARE(boxes.seen, QStringList{QStringLiteral("box:Error:非法断开")});

    link.close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(read.count(), 0);
}

QTEST_MAIN(TestReadThread)
#include "tst_readthread.moc"
