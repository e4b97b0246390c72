#include <commander/command.h>
#include <commander/commander.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <cstdlib>
#include <new>

// Replacing the global allocator lets a test see whether the library freed a given command while
// a receiver was still inside its handler.
static std::atomic<void*> g_watched{nullptr};
static std::atomic<bool> g_watchedFreed{false};

void* operator new(std::size_t size)
{
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    if (p && p == g_watched.load())
        g_watchedFreed = true;
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    ::operator delete(p);
}

namespace {

Command* cmd(const char* text, bool flag = true)
{
    return new Command(QByteArray(text), flag, -1, QVariant(0));
}

// Records what was handed over while the commands are still alive.
struct Recorder {
    QList<QByteArray> contents;
    QList<Command*> objects;
    explicit Recorder(Commander& c)
    {
        QObject::connect(&c, &Commander::nextCommand, [this](Command* command) {
            contents << command->content;
            objects << command;
        });
    }
};

} // namespace

Q_DECLARE_METATYPE(Command*)

class TestCommander : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<Command*>(); }

    void init()
    {
        g_watched = nullptr;
        g_watchedFreed = false;
    }

    void nothingBeforeStart()
    {
        Commander c;
        QSignalSpy spy(&c, &Commander::nextCommand);
        c.appendCommand(cmd("a"), false);
        QTest::qWait(50);
        QCOMPARE(spy.count(), 0);
        c.start(0);
        QTRY_COMPARE(spy.count(), 1);
    }

    void oneAtATimeInOrder()
    {
        Commander c;
        Recorder rec(c);
        const QList<QByteArray>& seen = rec.contents;
        c.start(0);
        c.appendCommand(cmd("a"), false);
        c.appendCommand(cmd("b"), false);
        c.appendCommand(cmd("c"), false);
        QTRY_COMPARE(seen.size(), 1);
        QTest::qWait(50); // nothing more without an answer
        QCOMPARE(seen.size(), 1);
        c.respond(true);
        QTRY_COMPARE(seen.size(), 2);
        c.respond(false);
        QTRY_COMPARE(seen.size(), 3);
        QCOMPARE(seen, (QList<QByteArray>{"a", "b", "c"}));
        QCOMPARE(c.pendingCount(), 0);
        c.respond(true);
        QTest::qWait(50);
        QCOMPARE(seen.size(), 3);
    }

    void standingAfterOneShots()
    {
        Commander c;
        Recorder rec(c);
        c.start(0);
        c.appendCommand(cmd("reset"), false, true);
        c.appendCommand(cmd("frame"), true);
        for (int i = 1; i <= 3; ++i) {
            QTRY_COMPARE(rec.contents.size(), i);
            c.respond(i != 2);
        }
        // A one-shot appended while the standing command is out goes before its next turn.
        c.appendCommand(cmd("set"), false);
        QTRY_COMPARE(rec.contents.size(), 4);
        c.respond(true);
        QTRY_COMPARE(rec.contents.size(), 5);
        QCOMPARE(rec.contents, (QList<QByteArray>{"reset", "frame", "frame", "set", "frame"}));
        // The standing command is the same object every time and marked once handed over.
        QCOMPARE(rec.objects.at(2), rec.objects.at(1));
        QVERIFY(rec.objects.at(1)->marked);
    }

    void refusal_data()
    {
        QTest::addColumn<bool>("sameContent");
        QTest::addColumn<bool>("firstHandedOver");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("same content waiting") << true << false << false;
        QTest::newRow("other content") << false << false << true;
        QTest::newRow("same content already handed over") << true << true << true;
    }

    void refusal()
    {
        QFETCH(bool, sameContent);
        QFETCH(bool, firstHandedOver);
        QFETCH(bool, accepted);
        Commander c;
        QSignalSpy spy(&c, &Commander::nextCommand);
        QVERIFY(c.appendCommand(cmd("reset"), false, true));
        if (firstHandedOver) {
            c.start(0);
            QTRY_COMPARE(spy.count(), 1);
        }
        Command* second = cmd(sameContent ? "reset" : "other");
        const bool result = c.appendCommand(second, false, true);
        QCOMPARE(result, accepted);
        if (!result)
            delete second; // refused: still the caller's
        QCOMPARE(c.pendingCount(), firstHandedOver ? 1 : (accepted ? 2 : 1));
    }

    void stopEndsHandOvers()
    {
        Commander c;
        QSignalSpy spy(&c, &Commander::nextCommand);
        c.start(0);
        c.appendCommand(cmd("frame"), true);
        QTRY_COMPARE(spy.count(), 1);
        c.stop();
        QVERIFY(!c.isRunning());
        c.respond(true);
        QTest::qWait(50);
        QCOMPARE(spy.count(), 1);
    }

    void stopCancelsPendingTimer()
    {
        Commander c;
        QSignalSpy spy(&c, &Commander::nextCommand);
        c.start(100);
        c.appendCommand(cmd("a"), false);
        QTRY_COMPARE(spy.count(), 1);
        c.respond(true);
        c.appendCommand(cmd("b"), false); // due 100 ms after the first hand-over
        c.stop();
        QTest::qWait(200);
        QCOMPARE(spy.count(), 1);
        // A restart begins from an empty queue.
        c.start(0);
        QTest::qWait(50);
        QCOMPARE(spy.count(), 1);
    }

    void pacing()
    {
        Commander c;
        QElapsedTimer clock;
        QList<qint64> at;
        connect(&c, &Commander::nextCommand, this, [&] {
            at << clock.elapsed();
            c.respond(true); // answer at once: only the pacing holds the next one back
        });
        clock.start();
        c.appendCommand(cmd("frame"), true);
        c.start(60);
        QTRY_COMPARE_WITH_TIMEOUT(at.size(), 3, 2000);
        c.stop();
        QVERIFY2(at[1] - at[0] >= 55 && at[2] - at[1] >= 55, qPrintable(QString::number(at[1] - at[0])));
    }

    void noReplyExpected()
    {
        Commander c;
        QSignalSpy spy(&c, &Commander::nextCommand);
        c.start(0);
        c.appendCommand(cmd("note", false), false);
        c.appendCommand(cmd("a"), false);
        QTRY_COMPARE(spy.count(), 2); // the first needed no respond()
        QTest::qWait(50);
        QCOMPARE(spy.count(), 2);
    }

    void commandValidWhileHandlerRuns_data()
    {
        QTest::addColumn<bool>("standing");
        QTest::addColumn<QString>("action");
        QTest::newRow("one-shot, stop") << false << "stop";
        QTest::newRow("one-shot, respond") << false << "respond";
        QTest::newRow("standing, stop") << true << "stop";
        QTest::newRow("standing, replaced") << true << "replace";
    }

    // A receiver that stops the queue, answers or replaces the standing command inside its
    // handler and then runs a nested event loop must still find its command intact.
    void commandValidWhileHandlerRuns()
    {
        QFETCH(bool, standing);
        QFETCH(QString, action);
        Commander c;
        Command* command = cmd("frame");
        g_watched = command;
        bool freedInside = true;
        int calls = 0;
        connect(&c, &Commander::nextCommand, this, [&](Command* handed) {
            ++calls;
            if (calls > 1)
                return;
            if (action == "stop")
                c.stop();
            else if (action == "respond")
                c.respond(false);
            else
                c.appendCommand(cmd("other"), true);
            QEventLoop loop;
            QTimer::singleShot(30, &loop, &QEventLoop::quit);
            loop.exec();
            freedInside = g_watchedFreed;
            QCOMPARE(handed->content, QByteArray("frame"));
        });
        c.appendCommand(command, standing);
        c.start(0);
        QTRY_VERIFY(calls >= 1);
        QTest::qWait(50);
        QVERIFY(!freedInside);
        c.respond(true);             // answers the replaced standing command; ignored otherwise
        QTRY_VERIFY(g_watchedFreed); // released once the handler is done, not leaked
        g_watched = nullptr;
    }

    void noReentrantHandOver()
    {
        Commander c;
        int depth = 0;
        int maxDepth = 0;
        int calls = 0;
        connect(&c, &Commander::nextCommand, this, [&] {
            ++depth;
            ++calls;
            maxDepth = std::max(maxDepth, depth);
            c.respond(true); // answered early; the next hand-over must wait for this handler
            QEventLoop loop;
            QTimer::singleShot(40, &loop, &QEventLoop::quit);
            loop.exec();
            --depth;
        });
        c.appendCommand(cmd("frame"), true);
        c.start(0);
        QTRY_VERIFY(calls >= 3);
        c.stop();
        QCOMPARE(maxDepth, 1);
    }

    void deletedByReceiver()
    {
        auto* c = new Commander;
        bool ran = false;
        connect(c, &Commander::nextCommand, this, [&] {
            ran = true;
            delete c;
        });
        c->appendCommand(cmd("frame"), true);
        c->start(0);
        QTRY_VERIFY(ran);
        QTest::qWait(20);
    }

    void rejectsNullAndDuplicates()
    {
        Commander c;
        QVERIFY(!c.appendCommand(nullptr, false));
        QVERIFY(!c.appendCommand(nullptr, false, true));
        Command* a = cmd("a");
        QVERIFY(c.appendCommand(a, false));
        QVERIFY(!c.appendCommand(a, false)); // the same object twice would be freed twice
        QCOMPARE(c.pendingCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestCommander)
#include "tst_commander.moc"
