#include <alarmrule.h>
#include <km420frame.h>
#include <livereadings.h>

#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(AlarmRule::Causes)
Q_DECLARE_METATYPE(OptionParam)
Q_DECLARE_METATYPE(LiveReadings)

class TestAlarmRule : public QObject {
    Q_OBJECT
private slots:
    void readings();
    void evaluate_data();
    void evaluate();
    void onset_data();
    void onset();
    void csvLine();
    void cameraParams_data();
    void cameraParams();
    void conversions_data();
    void conversions();
    void emissivity();
};

void TestAlarmRule::readings()
{
    using namespace Km420Frame;
    std::vector<char> record(Size, 0);
    writeInt16(record.data(), AlarmHighOffset, 505);
    writeInt16(record.data(), AlarmLowOffset, -123);
    record[EmissivityOffset] = static_cast<char>(0xC8); // 200: above 127, read unsigned
    writeInt16(record.data(), MinTempOffset, -400);
    writeInt16(record.data(), MaxTempOffset, 3000);
    writeInt16(record.data(), CentreTempOffset, 215);
    writeInt16(record.data(), ScaleLowOffset, -7);
    writeInt16(record.data(), ScaleHighOffset, 612);
    writeUInt32(record.data(), SequenceOffset, 0xDEADBEEF);

    const LiveReadings r = LiveReadings::fromRecord(record.data());
    QVERIFY(r.valid);
    QCOMPARE(r.alarmHigh, qint16(505));
    QCOMPARE(r.alarmLow, qint16(-123));
    QCOMPARE(r.emissivity, quint8(200));
    QCOMPARE(r.minTemp, qint16(-400));
    QCOMPARE(r.maxTemp, qint16(3000));
    QCOMPARE(r.centreTemp, qint16(215));
    QCOMPARE(r.scaleLow, qint16(-7));
    QCOMPARE(r.scaleHigh, qint16(612));
    QCOMPARE(r.sequence, 0xDEADBEEFu);
}

static OptionParam options(bool alarm, bool minAlarm, bool maxAlarm)
{
    OptionParam o;
    o.allowAlarm = alarm;
    o.allowMinAlarm = minAlarm;
    o.allowMaxAlarm = maxAlarm;
    return o;
}

static LiveReadings reading(qint16 min, qint16 max, qint16 low, qint16 high, bool valid = true)
{
    LiveReadings r;
    r.valid = valid;
    r.minTemp = min;
    r.maxTemp = max;
    r.alarmLow = low;
    r.alarmHigh = high;
    return r;
}

void TestAlarmRule::evaluate_data()
{
    QTest::addColumn<OptionParam>("opts");
    QTest::addColumn<LiveReadings>("r");
    QTest::addColumn<AlarmRule::Causes>("expected");

    const auto none = AlarmRule::Causes(AlarmRule::NoAlarm);
    const auto high = AlarmRule::Causes(AlarmRule::AboveHigh);
    const auto low = AlarmRule::Causes(AlarmRule::BelowLow);
    QTest::newRow("in range") << options(true, true, true) << reading(200, 300, 100, 500) << none;
    QTest::newRow("max above high") << options(true, true, true) << reading(200, 501, 100, 500) << high;
    QTest::newRow("max equal high is no alarm") << options(true, true, true) << reading(200, 500, 100, 500) << none;
    QTest::newRow("min below low") << options(true, true, true) << reading(99, 300, 100, 500) << low;
    QTest::newRow("min equal low is no alarm") << options(true, true, true) << reading(100, 300, 100, 500) << none;
    QTest::newRow("both") << options(true, true, true) << reading(-50, 600, 100, 500) << (high | low);
    QTest::newRow("negative limits") << options(true, true, true) << reading(-201, -150, -200, -100) << low;
    QTest::newRow("alarm switched off") << options(false, true, true) << reading(-50, 600, 100, 500) << none;
    QTest::newRow("max alarm off") << options(true, true, false) << reading(200, 600, 100, 500) << none;
    QTest::newRow("min alarm off") << options(true, false, true) << reading(50, 300, 100, 500) << none;
    QTest::newRow("only min on, both out") << options(true, true, false) << reading(-50, 600, 100, 500) << low;
    QTest::newRow("no readings yet") << options(true, true, true) << reading(-50, 600, 100, 500, false) << none;
}

void TestAlarmRule::evaluate()
{
    QFETCH(OptionParam, opts);
    QFETCH(LiveReadings, r);
    QFETCH(AlarmRule::Causes, expected);
    QCOMPARE(AlarmRule::evaluate(opts, r), expected);
}

void TestAlarmRule::onset_data()
{
    QTest::addColumn<AlarmRule::Causes>("previous");
    QTest::addColumn<AlarmRule::Causes>("current");
    QTest::addColumn<AlarmRule::Causes>("expected");

    const auto none = AlarmRule::Causes(AlarmRule::NoAlarm);
    const auto high = AlarmRule::Causes(AlarmRule::AboveHigh);
    const auto low = AlarmRule::Causes(AlarmRule::BelowLow);
    QTest::newRow("starts") << none << high << high;
    QTest::newRow("lasts") << high << high << none;
    QTest::newRow("ends") << high << none << none;
    QTest::newRow("second cause joins") << high << (high | low) << low;
    QTest::newRow("one cause leaves") << (high | low) << low << none;
    QTest::newRow("cause swaps") << high << low << low;
    QTest::newRow("quiet") << none << none << none;
}

void TestAlarmRule::onset()
{
    QFETCH(AlarmRule::Causes, previous);
    QFETCH(AlarmRule::Causes, current);
    QFETCH(AlarmRule::Causes, expected);
    QCOMPARE(AlarmRule::onset(previous, current), expected);
}

void TestAlarmRule::csvLine()
{
    LiveReadings r = reading(-52, 1234, -50, 1000);
    r.centreTemp = 7;
    r.emissivity = 95;
    const QDateTime time(QDate(2024, 3, 9), QTime(7, 5, 3));
    QCOMPARE(AlarmRule::csvLine(time, AlarmRule::AboveHigh | AlarmRule::BelowLow, r),
             QStringLiteral("2024-03-09 07:05:03,high+low,-5.2,123.4,0.7,-5.0,100.0,0.95"));
    QCOMPARE(AlarmRule::csvLine(time, AlarmRule::BelowLow, r).section(QLatin1Char(','), 1, 1), QStringLiteral("low"));
    // As many columns as the header names.
    QCOMPARE(AlarmRule::csvLine(time, AlarmRule::AboveHigh, r).count(QLatin1Char(',')),
             AlarmRule::csvHeader().count(QLatin1Char(',')));
}

void TestAlarmRule::cameraParams_data()
{
    QTest::addColumn<qint16>("high");
    QTest::addColumn<qint16>("low");
    QTest::addColumn<quint8>("emissivity");
    QTest::addColumn<QByteArray>("bytes"); // bytes 6 to 10

    QTest::newRow("positive") << qint16(500) << qint16(100) << quint8(95)
                              << QByteArray::fromHex("6400" "f401" "5f");
    QTest::newRow("negative low") << qint16(1000) << qint16(-200) << quint8(100)
                                  << QByteArray::fromHex("38ff" "e803" "64");
    QTest::newRow("extremes") << qint16(32767) << qint16(-32768) << quint8(1)
                              << QByteArray::fromHex("0080" "ff7f" "01");
}

void TestAlarmRule::cameraParams()
{
    QFETCH(qint16, high);
    QFETCH(qint16, low);
    QFETCH(quint8, emissivity);
    QFETCH(QByteArray, bytes);

    QByteArray buffer(16, '\xAA');
    LiveReadings::writeCameraParams(buffer.data(), high, low, emissivity);
    QCOMPARE(buffer.mid(6, 5), bytes);
    QCOMPARE(buffer.left(6), QByteArray(6, '\xAA'));
    QCOMPARE(buffer.mid(11), QByteArray(5, '\xAA'));
}

void TestAlarmRule::conversions_data()
{
    QTest::addColumn<double>("celsius");
    QTest::addColumn<qint16>("tenths");
    QTest::newRow("zero") << 0.0 << qint16(0);
    QTest::newRow("rounds up") << 36.66 << qint16(367);
    QTest::newRow("negative") << -12.34 << qint16(-123);
    QTest::newRow("clamped high") << 5000.0 << qint16(32767);
    QTest::newRow("clamped low") << -5000.0 << qint16(-32768);
}

void TestAlarmRule::conversions()
{
    QFETCH(double, celsius);
    QFETCH(qint16, tenths);
    QCOMPARE(LiveReadings::toTenths(celsius), tenths);
}

void TestAlarmRule::emissivity()
{
    QCOMPARE(LiveReadings::toHundredths(0.956), quint8(96));
    QCOMPARE(LiveReadings::toHundredths(0.0), quint8(1));
    QCOMPARE(LiveReadings::toHundredths(3.0), quint8(100));
}

QTEST_APPLESS_MAIN(TestAlarmRule)
#include "tst_alarmrule.moc"
