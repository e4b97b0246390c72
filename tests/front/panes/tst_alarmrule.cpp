#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>
#include <panes/alarmrule.h>
#include <panes/livemonitor.h>
#include <panes/livereadings.h>
#include <panes/picturespots.h>

#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(AlarmRule::Causes)
Q_DECLARE_METATYPE(OptionParam)
Q_DECLARE_METATYPE(LiveReadings)

class TestAlarmRule : public QObject {
    Q_OBJECT
private slots:
    void readings_data();
    void readings();
    void spots_data();
    void spots();
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
    void monitor();
};

namespace {

// A frame record whose extended information holds known values in camdesk's layout, sealed.
std::vector<char> sealedRecord()
{
    using namespace Km420Frame;
    std::vector<char> record(Size, 0);
    writeInt16(record.data(), AlarmHighOffset, 505);
    writeInt16(record.data(), AlarmLowOffset, -123);
    record[EmissivityOffset] = static_cast<char>(0xC8); // 200: above 127, read unsigned
    writeInt16(record.data(), ExtInfoLayout::MinTempOffset, -400);
    writeInt16(record.data(), ExtInfoLayout::MaxTempOffset, 3000);
    writeInt16(record.data(), ExtInfoLayout::CentreTempOffset, 215);
    writeInt16(record.data(), ExtInfoLayout::ScaleLowOffset, -7);
    writeInt16(record.data(), ExtInfoLayout::ScaleHighOffset, 612);
    writeUInt32(record.data(), ExtInfoLayout::SequenceOffset, 0xDEADBEEF);
    ExtInfoLayout::seal(record.data());
    return record;
}

} // namespace

void TestAlarmRule::readings_data()
{
    QTest::addColumn<QByteArray>("block"); // replaces the extended information (bytes 4 on) when not empty
    QTest::addColumn<int>("flipByte");     // a byte of the sealed record changed afterwards, or -1
    QTest::addColumn<bool>("recognised");

    QByteArray random(Km420Frame::ExtInfoSize, '\0');
    quint32 x = 2463534242u;
    for (char& c : random) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        c = static_cast<char>(x);
    }
    QByteArray signatureOnly(Km420Frame::ExtInfoSize, '\x11');
    signatureOnly.replace(ExtInfoLayout::SignatureOffset - 4, 6, QByteArray("KMXI\x01\x00", 6));

    QTest::newRow("sealed") << QByteArray() << -1 << true;
    QTest::newRow("zero block") << QByteArray(Km420Frame::ExtInfoSize, '\0') << -1 << false;
    QTest::newRow("patterned block") << QByteArray(Km420Frame::ExtInfoSize, '\x5A') << -1 << false;
    QTest::newRow("random block") << random << -1 << false;
    QTest::newRow("signature and version, no check") << signatureOnly << -1 << false;
    QTest::newRow("reading changed after sealing") << QByteArray() << ExtInfoLayout::MaxTempOffset << false;
    QTest::newRow("parameter changed after sealing") << QByteArray() << ExtInfoLayout::EmissivityOffset << false;
    QTest::newRow("check value damaged") << QByteArray() << ExtInfoLayout::CheckOffset + 3 << false;
    QTest::newRow("other version") << QByteArray() << ExtInfoLayout::VersionOffset << false;
    QTest::newRow("bytes past the layout are free") << QByteArray() << ExtInfoLayout::End << true;
}

void TestAlarmRule::readings()
{
    QFETCH(QByteArray, block);
    QFETCH(int, flipByte);
    QFETCH(bool, recognised);

    // The check value is the common CRC-32, so a camera can compute it with any library.
    QCOMPARE(ExtInfoLayout::crc32("123456789", 9), 0xCBF43926u);

    std::vector<char> record = sealedRecord();
    if (!block.isEmpty())
        std::copy(block.cbegin(), block.cend(), record.begin() + Km420Frame::ExtInfoOffset);
    if (flipByte >= 0)
        record[size_t(flipByte)] = static_cast<char>(record[size_t(flipByte)] ^ 0x01);

    QCOMPARE(ExtInfoLayout::recognise(record.data(), int(record.size())), recognised);
    const LiveReadings r = LiveReadings::fromRecord(record.data());
    QCOMPARE(r.valid, recognised);
    if (!recognised)
        return;
    QCOMPARE(r.alarmHigh, qint16(505));
    QCOMPARE(r.alarmLow, qint16(-123));
    QCOMPARE(r.emissivity, quint8(200));
    QCOMPARE(r.minTemp, qint16(-400));
    QCOMPARE(r.maxTemp, qint16(3000));
    QCOMPARE(r.centreTemp, qint16(215));
    QCOMPARE(r.scaleLow, qint16(-7));
    QCOMPARE(r.scaleHigh, qint16(612));
    QCOMPARE(r.sequence, 0xDEADBEEFu);
    QCOMPARE(r.temperatureOfIndex(0), -7.0);
    QCOMPARE(r.temperatureOfIndex(255), 612.0);
    // Too short to hold the layout: not read at all.
    QVERIFY(!ExtInfoLayout::recognise(record.data(), ExtInfoLayout::End - 1));
}

void TestAlarmRule::spots_data()
{
    QTest::addColumn<QVector<int>>("pixels"); // column, row, index triples over an all-40 picture
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QPoint>("hottest");
    QTest::addColumn<QPoint>("coldest");

    QTest::newRow("flat picture has no spots") << QVector<int>{} << false << QPoint() << QPoint();
    QTest::newRow("one hot, one cold") << QVector<int>{70, 100, 250, 3, 5, 2} << true << QPoint(70, 100)
                                       << QPoint(3, 5);
    QTest::newRow("ties go to the first in row order")
        << QVector<int>{9, 50, 200, 5, 60, 200, 60, 7, 10, 1, 90, 10} << true << QPoint(9, 50) << QPoint(60, 7);
    QTest::newRow("row pad byte is not a pixel")
        << QVector<int>{80, 0, 255, 12, 30, 41} << true << QPoint(12, 30) << QPoint(0, 0);
}

void TestAlarmRule::spots()
{
    QFETCH(QVector<int>, pixels);
    QFETCH(bool, valid);
    QFETCH(QPoint, hottest);
    QFETCH(QPoint, coldest);

    using namespace Km420Frame;
    std::vector<char> record(Size, 0);
    for (int row = 0; row < Height; ++row)
        std::fill_n(record.begin() + PixelOffset + row * RowStride, Width, char(40));
    for (int i = 0; i + 2 < pixels.size(); i += 3)
        record[size_t(PixelOffset + pixels[i + 1] * RowStride + pixels[i])] = static_cast<char>(pixels[i + 2]);

    const PictureSpots spots = PictureSpots::fromRecord(record.data());
    QCOMPARE(spots.valid, valid);
    if (!valid)
        return;
    QCOMPARE(spots.hottest, hottest);
    QCOMPARE(spots.coldest, coldest);
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
    r.hasMin = r.hasMax = r.hasCameraParams = r.verified = valid;
    r.layout = QStringLiteral("Test camera, \"v2\"");
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
             QStringLiteral("2024-03-09 07:05:03,high+low,-5.2,123.4,,-5.0,100.0,0.95,\"Test camera, \"\"v2\"\"\""));
    QCOMPARE(AlarmRule::csvLine(time, AlarmRule::BelowLow, r).section(QLatin1Char(','), 1, 1), QStringLiteral("low"));
    // As many columns as the header names.
    r.layout = QStringLiteral("plain");
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
                              << QByteArray::fromHex("6400"
                                                     "f401"
                                                     "5f");
    QTest::newRow("negative low") << qint16(1000) << qint16(-200) << quint8(100)
                                  << QByteArray::fromHex("38ff"
                                                         "e803"
                                                         "64");
    QTest::newRow("extremes") << qint16(32767) << qint16(-32768) << quint8(1)
                              << QByteArray::fromHex("0080"
                                                     "ff7f"
                                                     "01");
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

// The live pane's alarm without a window: the sound stops when silenced, comes back with a new alarm and goes
// with its switch; every alarm's start is logged; a frame without temperatures leaves nothing to watch.
void TestAlarmRule::monitor()
{
    QTemporaryDir history;
    LiveMonitor m;
    QSignalSpy beeps(&m, &LiveMonitor::beep);
    OptionParam o;
    o.allowAlarm = o.allowMaxAlarm = o.allowMinAlarm = o.allowAlarmSound = o.allowLogGeneration = true;
    o.historyFilesPath = history.path();
    m.setOptions(o);
    QCOMPARE(m.indicator(), int(LiveMonitor::Watching));
    std::vector<char> record(Km420Frame::Size, 0);
    const LiveReadings normal = reading(180, 320, 100, 500), hot = reading(180, 700, 100, 500);

    m.takeFrame(record.data(), hot);
    QVERIFY(m.isSounding());
    QCOMPARE(m.indicator(), LiveMonitor::Watching + int(AlarmRule::AboveHigh));
    m.stopSound();
    m.takeFrame(record.data(), hot); // the same alarm stays silent
    QVERIFY(!m.isSounding());
    QVERIFY(m.causes() != AlarmRule::NoAlarm);
    m.takeFrame(record.data(), normal);
    m.takeFrame(record.data(), hot); // a new alarm sounds again
    QVERIFY(m.isSounding());
    QCOMPARE(beeps.count(), 2);
    o.allowAlarmSound = false;
    m.setOptions(o);
    QVERIFY(!m.isSounding());
    QVERIFY(m.causes() != AlarmRule::NoAlarm);
    const QStringList logs = QDir(history.path()).entryList({QStringLiteral("*.csv")}, QDir::Files);
    QCOMPARE(logs.size(), 1);
    QFile log(QDir(history.path()).filePath(logs.constFirst()));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll().count("Test camera"), 2);

    m.takeFrame(record.data(), reading(180, 700, 100, 500, false));
    QVERIFY(!m.temperaturesKnown());
    QCOMPARE(m.indicator(), int(LiveMonitor::NothingToWatch));
    QCOMPARE(m.causes(), AlarmRule::Causes(AlarmRule::NoAlarm));

    // Sent values go out in the last frame's head and stand for the camera that echoes none.
    record[0] = '\x67';
    m.takeFrame(record.data(), normal);
    const char* params = m.paramsFor(LiveMonitor::CameraValues{612, -30, 90});
    QCOMPARE(params[0], '\x67');
    QCOMPARE(Km420Frame::readInt16(params, Km420Frame::AlarmHighOffset), qint16(612));
    QVERIFY(m.holdingSent());
    QCOMPARE(m.valuesToShow(), (LiveMonitor::CameraValues{500, 100, 0})); // the camera's echo wins
}

QTEST_GUILESS_MAIN(TestAlarmRule)
#include "tst_alarmrule.moc"
