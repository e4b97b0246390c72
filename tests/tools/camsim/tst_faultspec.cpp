#include "camerasimulator.h"
#include "controlcommand.h"
#include "faultspec.h"

#include <QtTest>

Q_DECLARE_METATYPE(FaultSpec)

class TestFaultSpec : public QObject {
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

void TestFaultSpec::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<FaultSpec>("expected");

    QTest::newRow("none") << "none" << FaultSpec::none();
    QTest::newRow("silence until cleared") << "silence" << FaultSpec::silence();
    QTest::newRow("silence three times") << "silence@3" << FaultSpec::silence(3);
    QTest::newRow("short") << "short:9000" << FaultSpec::shortReply(9000);
    QTest::newRow("long once") << "long:5@1" << FaultSpec::longReply(5, 1);
    QTest::newRow("bad head, upper case") << " BAD-HEAD " << FaultSpec::make(FaultSpec::BadHead);
    QTest::newRow("pause with place") << "pause:300,100@2" << FaultSpec::pauseInReply(300, 100, 2);
    QTest::newRow("pause default place") << "pause:150" << FaultSpec::pauseInReply(150);
    QTest::newRow("double") << "double" << FaultSpec::make(FaultSpec::DoubleReply);
    QTest::newRow("garbage") << "garbage:17" << FaultSpec::garbage(17);
    QTest::newRow("chunked single bytes") << "chunked:1" << FaultSpec::chunked(1);
    QTest::newRow("chunked with gap") << "chunked:64,500" << FaultSpec::chunked(64, 500);
    QTest::newRow("hang-up between frames") << "hangup:5" << FaultSpec::hangUp(5);
    QTest::newRow("hang-up inside a frame") << "hangup:2,7000" << FaultSpec::hangUp(2, 7000);
    QTest::newRow("flood") << "flood" << FaultSpec::make(FaultSpec::Flood);
}

void TestFaultSpec::parse() {
    QFETCH(QString, text);
    QFETCH(FaultSpec, expected);

    FaultSpec spec = FaultSpec::make(FaultSpec::Flood, 9);
    QString error;
    QVERIFY2(FaultSpec::parse(text, &spec, &error), qPrintable(error));
    QCOMPARE(spec.toString(), expected.toString());
    QCOMPARE(spec.kind, expected.kind);
    QCOMPARE(spec.times, expected.times);

    // The text form goes round.
    FaultSpec again;
    QVERIFY(FaultSpec::parse(spec.toString(), &again));
    QCOMPARE(again.toString(), spec.toString());
}

void TestFaultSpec::rejects_data() {
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

void TestFaultSpec::rejects() {
    QFETCH(QString, text);
    FaultSpec spec = FaultSpec::shortReply(123, 4);
    QString error;
    QVERIFY(!FaultSpec::parse(text, &spec, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(spec.toString(), FaultSpec::shortReply(123, 4).toString()); // left alone
}

void TestFaultSpec::everyNameParses() {
    for (const QString& name : FaultSpec::names()) {
        FaultSpec spec;
        QVERIFY2(FaultSpec::parse(name, &spec), qPrintable(name));
        QCOMPARE(FaultSpec::name(spec.kind), name);
    }
}

void TestFaultSpec::control_data() {
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

void TestFaultSpec::control() {
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

QTEST_APPLESS_MAIN(TestFaultSpec)
#include "tst_faultspec.moc"
