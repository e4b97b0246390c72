#include <camsim/camerasimulator.h>
#include <camsim/controlcommand.h>
#include <camsim/faultplan.h>

#include <QtTest>

Q_DECLARE_METATYPE(FaultPlan)

class TestFaultPlan : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void rejects_data();
    void rejects();
    void everyNameParses();
    void control_data();
    void control();
};

void TestFaultPlan::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<FaultPlan>("expected");

    QTest::newRow("none") << "none" << FaultPlan::none();
    QTest::newRow("silence until cleared") << "silence" << FaultPlan::silence();
    QTest::newRow("silence three times") << "silence@3" << FaultPlan::silence(3);
    QTest::newRow("short") << "short:9000" << FaultPlan::shortReply(9000);
    QTest::newRow("long once") << "long:5@1" << FaultPlan::longReply(5, 1);
    QTest::newRow("bad head, upper case") << " BAD-HEAD " << FaultPlan::make(FaultPlan::BadHead);
    QTest::newRow("pause with place") << "pause:300,100@2" << FaultPlan::pauseInReply(300, 100, 2);
    QTest::newRow("pause default place") << "pause:150" << FaultPlan::pauseInReply(150);
    QTest::newRow("double") << "double" << FaultPlan::make(FaultPlan::DoubleReply);
    QTest::newRow("garbage") << "garbage:17" << FaultPlan::garbage(17);
    QTest::newRow("chunked single bytes") << "chunked:1" << FaultPlan::chunked(1);
    QTest::newRow("chunked with gap") << "chunked:64,500" << FaultPlan::chunked(64, 500);
    QTest::newRow("hang-up between frames") << "hangup:5" << FaultPlan::hangUp(5);
    QTest::newRow("hang-up inside a frame") << "hangup:2,7000" << FaultPlan::hangUp(2, 7000);
    QTest::newRow("flood") << "flood" << FaultPlan::make(FaultPlan::Flood);
}

void TestFaultPlan::parse()
{
    QFETCH(QString, text);
    QFETCH(FaultPlan, expected);

    FaultPlan plan = FaultPlan::make(FaultPlan::Flood, 9);
    QString error;
    QVERIFY2(FaultPlan::parse(text, &plan, &error), qPrintable(error));
    QCOMPARE(plan.toString(), expected.toString());
    QCOMPARE(plan.kind, expected.kind);
    QCOMPARE(plan.times, expected.times);

    // The text form goes round.
    FaultPlan again;
    QVERIFY(FaultPlan::parse(plan.toString(), &again));
    QCOMPARE(again.toString(), plan.toString());
}

void TestFaultPlan::rejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("unknown name") << "sulk";
    QTest::newRow("empty") << "";
    QTest::newRow("short as long as a frame") << "short:14935";
    QTest::newRow("short of nothing") << "short:0";
    QTest::newRow("argument not a number") << "pause:soon";
    QTest::newRow("negative argument") << "garbage:-4";
    QTest::newRow("zero repeats") << "silence@0";
    QTest::newRow("too many arguments") << "hangup:1,2,3";
    QTest::newRow("hang-up beyond the frame") << "hangup:1,14935";
    QTest::newRow("pause at the start") << "pause:200,0";
    QTest::newRow("chunks of nothing") << "chunked:0";
    QTest::newRow("absurd garbage") << "garbage:999999999";
}

void TestFaultPlan::rejects()
{
    QFETCH(QString, text);
    FaultPlan plan = FaultPlan::shortReply(123, 4);
    QString error;
    QVERIFY(!FaultPlan::parse(text, &plan, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(plan.toString(), FaultPlan::shortReply(123, 4).toString()); // left alone
}

void TestFaultPlan::everyNameParses()
{
    for (const QString& name : FaultPlan::names()) {
        FaultPlan plan;
        QVERIFY2(FaultPlan::parse(name, &plan), qPrintable(name));
        QCOMPARE(FaultPlan::name(plan.kind), name);
    }
}

void TestFaultPlan::control_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("palette");
    QTest::addColumn<QString>("fault");

    QTest::newRow("palette") << "palette 3" << true << 3 << "none";
    QTest::newRow("palette out of range") << "palette 256" << false << 0 << "none";
    QTest::newRow("palette without number") << "palette" << false << 0 << "none";
    QTest::newRow("fault") << "fault short:100@2" << true << 0 << "short:100@2";
    QTest::newRow("bad fault") << "fault short:99999" << false << 0 << "none";
    QTest::newRow("extra spaces") << "  fault   silence " << true << 0 << "silence";
    QTest::newRow("unknown") << "explode" << false << 0 << "none";
    QTest::newRow("empty line") << "" << true << 0 << "none";
}

void TestFaultPlan::control()
{
    QFETCH(QString, line);
    QFETCH(bool, ok);
    QFETCH(int, palette);
    QFETCH(QString, fault);

    CameraSimulator simulator; // not started: the commands only change settings
    QString reply;
    QCOMPARE(ControlCommand::apply(simulator, line, &reply), ok);
    QCOMPARE(int(simulator.paletteNumber()), palette);
    QCOMPARE(simulator.fault().toString(), fault);
    if (!ok)
        QVERIFY(!reply.isEmpty());
}

QTEST_APPLESS_MAIN(TestFaultPlan)
#include "tst_faultplan.moc"
