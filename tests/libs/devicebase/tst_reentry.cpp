#include <devicebase/reentry.h>

#include <QtTest>

#include <memory>

namespace {

// A device object as the libraries hold one: sessions, and a section owned through its private data.
class Device : public QObject {
public:
    Reentry::Sessions sessions;
    std::unique_ptr<Reentry::Section> closing = std::make_unique<Reentry::Section>();
};

} // namespace

class TestReentry : public QObject {
    Q_OBJECT
private slots:
    void guard_data();
    void guard();
    void scopeOutlivesItsOwner();
};

void TestReentry::guard_data()
{
    QTest::addColumn<int>("sessionsMeanwhile");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<bool>("alive");
    QTest::addColumn<bool>("sameSession");

    QTest::newRow("nothing happened") << 0 << false << true << true;
    QTest::newRow("closed meanwhile") << 1 << false << true << false;
    QTest::newRow("closed and reopened") << 2 << false << true << false;
    QTest::newRow("deleted") << 0 << true << false << false;
    QTest::newRow("closed, then deleted") << 1 << true << false << false;
}

void TestReentry::guard()
{
    QFETCH(int, sessionsMeanwhile);
    QFETCH(bool, deleted);
    QFETCH(bool, alive);
    QFETCH(bool, sameSession);

    auto* device = new Device;
    device->sessions.next();
    const Reentry::Guard guard(device, &device->sessions);
    for (int i = 0; i < sessionsMeanwhile; ++i)
        device->sessions.next();
    if (deleted)
        delete device;
    QCOMPARE(guard.alive(), alive);
    QCOMPARE(guard.sameSession(), sameSession);
    if (!deleted)
        delete device;
}

void TestReentry::scopeOutlivesItsOwner()
{
    Device kept;
    {
        Reentry::Scope outer(&kept, *kept.closing);
        QVERIFY(kept.closing->busy());
        {
            const Reentry::Scope inner(&kept, *kept.closing);
            QVERIFY(kept.closing->busy());
        }
        QVERIFY(kept.closing->busy());
        outer.leave();
        QVERIFY(!kept.closing->busy());
    } // a second leave by the destructor changes nothing
    QVERIFY(!kept.closing->busy());

    // Deleted inside the scope: leaving must not touch the freed section (AddressSanitizer sees it).
    auto* gone = new Device;
    {
        const Reentry::Scope scope(gone, *gone->closing);
        delete gone;
    }
}

QTEST_GUILESS_MAIN(TestReentry)
#include "tst_reentry.moc"
