#include "panestesthelpers.h"

#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>
#include <frames/orientation.h>
#include <layouts/layoutcatalog.h>
#include <panes/colourbar.h>
#include <panes/frameview.h>
#include <panes/livepane.h>
#include <panes/pictureview.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(OptionParam)
Q_DECLARE_METATYPE(char*)
Q_DECLARE_METATYPE(Orientation)

namespace {

struct Frame {
    qint16 min = 180, max = 320, centre = 250;
    qint16 low = 100, high = 500;
    quint8 emissivity = 95;
    qint16 scaleLow = 150, scaleHigh = 350;
    bool sealed = true; // false: the block does not prove the layout
    bool values = true; // false: only `fill` in the extended information
    char fill = 0;
    bool scene = false; // the pixels of thermalIndex() rather than all 0
};

std::vector<char> record(const Frame& f)
{
    using namespace Km420Frame;
    std::vector<char> r(Size, 0);
    std::fill_n(r.begin() + ExtInfoOffset, ExtInfoSize, f.fill);
    writeUInt32(r.data(), HeadOffset, HeadMarker);
    writeUInt32(r.data(), TailOffset, TailMarker);
    for (int y = 0; f.scene && y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            r[size_t(PixelOffset + y * RowStride + x)] = static_cast<char>(thermalIndex(x, y));
    if (!f.values)
        return r;
    writeInt16(r.data(), ReplyCodeOffset, 0x0102);
    writeInt16(r.data(), ExtInfoLayout::MinTempOffset, f.min);
    writeInt16(r.data(), ExtInfoLayout::MaxTempOffset, f.max);
    writeInt16(r.data(), ExtInfoLayout::CentreTempOffset, f.centre);
    writeInt16(r.data(), AlarmLowOffset, f.low);
    writeInt16(r.data(), AlarmHighOffset, f.high);
    r[EmissivityOffset] = static_cast<char>(f.emissivity);
    writeInt16(r.data(), ExtInfoLayout::ScaleLowOffset, f.scaleLow);
    writeInt16(r.data(), ExtInfoLayout::ScaleHighOffset, f.scaleHigh);
    if (f.sealed)
        ExtInfoLayout::seal(r.data());
    return r;
}

// The frame record is only valid during the call, as the camera library hands it out.
void feed(LivePane& pane, const Frame& f)
{
    std::vector<char> r = record(f);
    pane.setVideoExtendParam(r.data());
    std::fill(r.begin(), r.end(), '\x5A');
}

OptionParam alarmOptions(const QString& history = QString())
{
    OptionParam o;
    o.language = QStringLiteral("EN");
    o.historyFilesPath = history;
    o.allowAlarm = true;
    o.allowMinAlarm = true;
    o.allowMaxAlarm = true;
    return o;
}

// Back to the plain view, so that what one test set up is not restored into the next one's panes.
void plainView(FrameView* view)
{
    view->removeMarkers();
    view->setTool(FrameView::Tool::None);
    view->setOrientation(Orientation());
    view->setSmooth(false);
    view->setHoldScale(false);
    view->setHistogramShown(false);
}

// Where a camera pixel's centre is on the screen, through the view's turn.
QPoint screenPoint(FrameView* frame, const QPoint& camera)
{
    PictureView* view = frame->pictureView();
    const QSize shown = view->pictureSize();
    const QRect target = view->targetRect();
    const QPointF v =
        QPointF(frame->orientation().toView(camera, QSize(Km420Frame::Width, Km420Frame::Height))) + QPointF(0.5, 0.5);
    return QPoint(target.left() + int(v.x() * target.width() / shown.width()),
                  target.top() + int(v.y() * target.height() / shown.height()));
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class TestLivePane : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void saveRoundTrip();
    void saveFails_data();
    void saveFails();
    void colourBar();
    void crispScaling();
    void pictureShown();
    void readingsShown();
    void optionBoxes_data();
    void optionBoxes();
    void setOptionsDoesNotEcho();
    void alarmAndLog();
    void logFailureIsSilent();
    void applyCameraParams_data();
    void applyCameraParams();
    void unknownLayout_data();
    void unknownLayout();
    void alarmWithoutEcho();
    void pickedLayout();
    void editedValuesSurviveFrames();
    void closeButton();
    void closeShortcutAsksOwner();
    void captureAction();
    void artifact();
    void measuring_data();
    void measuring();
    void heldScale();
    void viewRestored();
};

void TestLivePane::initTestCase()
{
    qRegisterMetaType<char*>("char*");
    qRegisterMetaType<OptionParam>();
    qRegisterMetaType<DeviceManager::Mode>();
    QLocale::setDefault(QLocale::c());
    applyProgramStyle();
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/view.ini");
}

void TestLivePane::saveRoundTrip()
{
    QTemporaryDir dir;
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    const QImage sent = testPicture();
    pane.setPixmap(QPixmap::fromImage(sent));

    const QString name = dir.filePath(QStringLiteral("shot.png"));
    QVERIFY(pane.SaveToPicture(name));
    QImage back(name, "PNG");
    QVERIFY(!back.isNull());
    QCOMPARE(back.size(), QSize(80, 108));
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), sent.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("shot.png")});
}

void TestLivePane::saveFails_data()
{
    QTest::addColumn<QString>("name"); // relative to a temporary folder
    QTest::addColumn<bool>("withPicture");
    QTest::newRow("empty name") << QString() << true;
    QTest::newRow("no picture yet") << QStringLiteral("a.png") << false;
    QTest::newRow("folder does not exist") << QStringLiteral("missing/a.png") << true;
    QTest::newRow("name is a folder") << QStringLiteral("sub") << true;
#ifdef Q_OS_LINUX
    // Nothing can be created in /proc, not even by root.
    QTest::newRow("folder cannot be written") << QStringLiteral("/proc/camdesk-shot.png") << true;
#endif
}

void TestLivePane::saveFails()
{
    QFETCH(QString, name);
    QFETCH(bool, withPicture);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    if (withPicture)
        pane.setPixmap(QPixmap::fromImage(testPicture()));

    const QString path = name.isEmpty() ? QString() : QDir(dir.path()).filePath(name);
    QVERIFY(!pane.SaveToPicture(path));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("sub"))).isDir());
}

void TestLivePane::colourBar()
{
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    pane.resize(900, 640);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    auto* bar = pane.findChild<ColourBar*>(QStringLiteral("colourBar"));
    QVERIFY(bar);

    // Four bands of 64 entries: the strip must show each at its height, entry 255 at the top.
    const QRgb bands[] = {qRgb(0, 0, 255), qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(255, 255, 255)};
    std::array<ushort, 256> palette{};
    for (int i = 0; i < 256; ++i) {
        const QRgb c = bands[i / 64];
        palette[size_t(i)] = rgb565(qRed(c), qGreen(c), qBlue(c));
    }
    const QRect strip = bar->barRect();
    auto sample = [&](int entry) {
        const int y = strip.top() + int((255 - entry + 0.5) * strip.height() / 256.0);
        const QPoint at = bar->mapTo(&pane, QPoint(strip.center().x(), y));
        return pane.grab().toImage().pixel(at);
    };

    pane.setVideoPlat(nullptr);
    const QRgb empty = sample(128);

    pane.setVideoPlat(palette.data());
    palette.fill(0); // the pane keeps its own copy
    for (int band = 0; band < 4; ++band)
        QCOMPARE(sample(band * 64 + 32), bands[band] | 0xFF000000);

    pane.setVideoPlat(nullptr);
    QVERIFY(!bar->hasPalette());
    QCOMPARE(sample(128), empty);
    QVERIFY(empty != bands[2]);
}

void TestLivePane::crispScaling()
{
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    pane.resize(1000, 760);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    const QImage board = checkerboard();
    pane.setPixmap(QPixmap::fromImage(board));

    auto* view = pane.findChild<PictureView*>(QStringLiteral("pictureView"));
    QVERIFY(view);
    const QRect target = view->targetRect();
    QVERIFY(target.width() >= 3 * 80);
    // Proportions kept to within one camera pixel.
    QVERIFY(qAbs(target.height() - target.width() * 108 / 80) <= target.width() / 80);

    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const double sx = target.width() / 80.0, sy = target.height() / 108.0;
    // Two neighbouring camera pixels away from the centre marker; each block must be one colour.
    for (const QPoint& cell : {QPoint(10, 12), QPoint(11, 12)}) {
        const QRgb expected = board.pixel(cell) | 0xFF000000;
        const QRect block(target.left() + int(std::ceil(cell.x() * sx)), target.top() + int(std::ceil(cell.y() * sy)),
                          int(sx) - 1, int(sy) - 1);
        for (int y = block.top(); y <= block.bottom(); ++y)
            for (int x = block.left(); x <= block.right(); ++x)
                QCOMPARE(shown.pixel(x, y), expected);
    }
}

void TestLivePane::pictureShown()
{
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    QSignalSpy shown(&pane, &LivePane::pictureShown);
    QVERIFY(!pane.hasPicture());
    pane.setPixmap(QPixmap());
    QCOMPARE(shown.count(), 0);
    QVERIFY(!pane.hasPicture());

    const QPixmap picture = QPixmap::fromImage(testPicture());
    pane.setPixmap(picture);
    pane.setPixmap(picture);
    QCOMPARE(shown.count(), 2);
    QVERIFY(pane.hasPicture());
    QCOMPARE(pane.picture().toImage(), picture.toImage());
}

void TestLivePane::readingsShown()
{
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    Frame f;
    f.min = -52;
    f.max = 1234;
    f.centre = 7;
    feed(pane, f);
    QVERIFY(pane.findChild<QLabel*>(QStringLiteral("lblMin"))->text().startsWith(QStringLiteral("-5.2")));
    QVERIFY(pane.findChild<QLabel*>(QStringLiteral("lblMax"))->text().startsWith(QStringLiteral("123.4")));
    QVERIFY(pane.findChild<QLabel*>(QStringLiteral("lblCentre"))->text().startsWith(QStringLiteral("0.7")));
    QCOMPARE(pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnAlarmHigh"))->value(), 50.0);
    QCOMPARE(pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnAlarmLow"))->value(), 10.0);
    QCOMPARE(pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnEmissivity"))->value(), 0.95);
}

void TestLivePane::optionBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("field"); // which switch the box sets
    QTest::newRow("alarm") << QStringLiteral("chkAlarm") << 0;
    QTest::newRow("sound") << QStringLiteral("chkAlarmSound") << 1;
    QTest::newRow("log") << QStringLiteral("chkLogGeneration") << 2;
    QTest::newRow("min") << QStringLiteral("chkMinAlarm") << 3;
    QTest::newRow("max") << QStringLiteral("chkMaxAlarm") << 4;
}

void TestLivePane::optionBoxes()
{
    QFETCH(QString, box);
    QFETCH(int, field);
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    OptionParam start;
    start.language = QStringLiteral("DE");
    start.historyFilesPath = QStringLiteral("/tmp/history");
    start.allowAlarm = true;
    pane.setOptionsParam(start);
    pane.show();
    QSignalSpy spy(&pane, &LivePane::updateOptionParam);

    auto* check = pane.findChild<QCheckBox*>(box);
    QVERIFY(check);
    QVERIFY(check->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(spy.count(), 1);

    OptionParam expected = start;
    bool* fields[] = {&expected.allowAlarm, &expected.allowAlarmSound, &expected.allowLogGeneration,
                      &expected.allowMinAlarm, &expected.allowMaxAlarm};
    *fields[field] = !*fields[field];
    QCOMPARE(spy.at(0).at(0).value<OptionParam>(), expected);
    QCOMPARE(pane.optionsParam(), expected);
}

void TestLivePane::setOptionsDoesNotEcho()
{
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    QSignalSpy spy(&pane, &LivePane::updateOptionParam);
    OptionParam all = alarmOptions(QStringLiteral("/tmp/h"));
    all.allowAlarmSound = true;
    all.allowLogGeneration = true;
    pane.setOptionsParam(all);
    pane.setOptionsParam(OptionParam());
    pane.setOptionsParam(all);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(pane.optionsParam(), all);
    for (const char* name : {"chkAlarm", "chkAlarmSound", "chkLogGeneration", "chkMinAlarm", "chkMaxAlarm"})
        QVERIFY2(pane.findChild<QCheckBox*>(QLatin1String(name))->isChecked(), name);
}

void TestLivePane::alarmAndLog()
{
    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("History/live"));
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    OptionParam opts = alarmOptions(history);
    opts.allowLogGeneration = true;
    pane.setOptionsParam(opts);
    auto* indicator = pane.findChild<QLabel*>(QStringLiteral("lblAlarm"));
    const QString quietText = indicator->text();

    Frame normal;
    Frame hot = normal;
    hot.max = 612;
    feed(pane, normal);
    QVERIFY(!pane.isAlarmActive());
    QVERIFY(!QDir(history).exists());

    feed(pane, hot);
    QVERIFY(pane.isAlarmActive());
    QVERIFY(indicator->text() != quietText);
    const QString log = QDir(history).filePath(
        QStringLiteral("alarms_%1.csv").arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))));
    QStringList lines = readLines(log);
    QCOMPARE(lines.size(), 2); // header and one alarm
    QVERIFY(lines.at(0).startsWith(QStringLiteral("Time,")));
    QCOMPARE(lines.at(1).section(QLatin1Char(','), 1),
             QStringLiteral("high,18.0,61.2,25.0,10.0,50.0,0.95,camdesk built-in layout 1"));

    feed(pane, hot); // the same alarm goes on: no new line
    QCOMPARE(readLines(log).size(), 2);

    feed(pane, normal);
    QVERIFY(!pane.isAlarmActive());
    QCOMPARE(indicator->text(), quietText);

    Frame cold = normal;
    cold.min = 50;
    feed(pane, cold);
    lines = readLines(log);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(2).section(QLatin1Char(','), 1, 1), QStringLiteral("low"));

    // Switching the log off stops new lines; switching the alarm off ends the alarm at once.
    opts.allowLogGeneration = false;
    pane.setOptionsParam(opts);
    feed(pane, normal);
    feed(pane, hot);
    QCOMPARE(readLines(log).size(), 3);
    opts.allowAlarm = false;
    pane.setOptionsParam(opts);
    QVERIFY(!pane.isAlarmActive());
}

void TestLivePane::logFailureIsSilent()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("file"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    OptionParam opts = alarmOptions(blocker + QStringLiteral("/History")); // a folder below a file
    opts.allowLogGeneration = true;
    pane.setOptionsParam(opts);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot create history folder")));
    Frame hot;
    hot.max = 900;
    feed(pane, hot);
    QVERIFY(pane.isAlarmActive());
}

void TestLivePane::applyCameraParams_data()
{
    QTest::addColumn<int>("frame"); // 0 none, 1 Frame(), 2 a block without the layout, 3 an echo of 0 and -3.0
    QTest::addColumn<int>("touch"); // boxes the user changes: 1 high, 2 low, 4 emissivity
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("emissivity");
    QTest::addColumn<QByteArray>("bytes"); // bytes 0 to 10 of the buffer

    QTest::newRow("after a frame") << 1 << 7 << 45.5 << -10.3 << 0.87
                                   << QByteArray::fromHex("67452301 0201 99ff c701 57");
    QTest::newRow("before any frame") << 0 << 7 << 120.0 << 0.5 << 1.0
                                      << QByteArray::fromHex("00000000 0000 0500 b004 64");
    QTest::newRow("below zero") << 1 << 7 << -0.1 << -40.0 << 0.01 << QByteArray::fromHex("67452301 0201 70fe ffff 01");
    // Untouched values go out as received, not as the box's nearest allowed value.
    QTest::newRow("echoed emissivity 0 kept")
        << 3 << 1 << 45.5 << 0.0 << 0.0 << QByteArray::fromHex("67452301 0201 e2ff c701 00");
    // Nothing from an unknown block: the defaults stand for what the user did not set.
    QTest::newRow("unknown block") << 2 << 1 << 30.0 << 0.0 << 0.0 << QByteArray::fromHex("67452301 5a5a 0000 2c01 5f");
}

void TestLivePane::applyCameraParams()
{
    QFETCH(int, frame);
    QFETCH(int, touch);
    QFETCH(double, high);
    QFETCH(double, low);
    QFETCH(double, emissivity);
    QFETCH(QByteArray, bytes);

    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    Frame f;
    f.values = frame != 2;
    f.sealed = frame != 2;
    f.fill = frame == 2 ? '\x5A' : '\0';
    if (frame == 3) {
        f.emissivity = 0;
        f.low = -30;
    }
    if (frame != 0)
        feed(pane, f);
    QSignalSpy spy(&pane, &ChildPane::pullImage);
    auto* apply = pane.findChild<QPushButton*>(QStringLiteral("btnApply"));
    if (touch & 1)
        pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnAlarmHigh"))->setValue(high);
    if (touch & 2)
        pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnAlarmLow"))->setValue(low);
    if (touch & 4)
        pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnEmissivity"))->setValue(emissivity);
    QVERIFY(apply->isEnabled());
    QTest::mouseClick(apply, Qt::LeftButton);

    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QObject*>(), &pane);
    QCOMPARE(spy.at(0).at(1).value<DeviceManager::Mode>(), DeviceManager::UsbVideo);
    const char* buffer = spy.at(0).at(2).value<char*>();
    QVERIFY(buffer);
    // Still valid after the emission: the pane owns it.
    QCOMPARE(QByteArray(buffer, Km420Frame::ParamBlockSize), bytes);
    QVERIFY(!apply->isEnabled());
}

void TestLivePane::unknownLayout_data()
{
    QTest::addColumn<bool>("values");
    QTest::addColumn<char>("fill");
    QTest::addColumn<bool>("sealed");
    QTest::addColumn<int>("max");
    QTest::newRow("hot readings without the seal") << true << '\0' << false << 9000;
    QTest::newRow("zero block") << false << '\0' << false << 9000;
    QTest::newRow("patterned block") << false << '\xA5' << false << 9000;
    // 35,000 tenths in a signed field: -3,053.6 °C, which no scene has.
    QTest::newRow("sealed, maximum below absolute zero") << true << '\0' << true << int(qint16(quint16(35000)));
}

void TestLivePane::unknownLayout()
{
    QFETCH(bool, values);
    QFETCH(char, fill);
    QFETCH(bool, sealed);
    QFETCH(int, max);

    QTemporaryDir dir;
    const QString history = dir.filePath(QStringLiteral("History"));
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    OptionParam opts = alarmOptions(history);
    opts.allowAlarmSound = true;
    opts.allowLogGeneration = true;
    pane.setOptionsParam(opts);
    Frame foreign;
    foreign.max = qint16(max);
    foreign.min = -900; // both limits crossed, were the values believed
    foreign.sealed = sealed;
    foreign.values = values;
    foreign.fill = fill;
    auto* maxLabel = pane.findChild<QLabel*>(QStringLiteral("lblMax"));
    auto* high = pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnAlarmHigh"));
    auto* bar = pane.findChild<ColourBar*>(QStringLiteral("colourBar"));

    for (int i = 0; i < 2; ++i)
        feed(pane, foreign);
    QVERIFY(!pane.temperaturesKnown());
    for (const char* name : {"lblMax", "lblMin", "lblCentre"}) {
        QCOMPARE(pane.findChild<QLabel*>(QLatin1String(name))->text(), QStringLiteral("\u2014"));
        QVERIFY(!pane.findChild<QLabel*>(QLatin1String(name))->toolTip().isEmpty());
    }
    QCOMPARE(bar->topLabel(), QStringLiteral("hot"));
    QCOMPARE(bar->bottomLabel(), QStringLiteral("cold"));
    QCOMPARE(pane.findChild<QLabel*>(QStringLiteral("lblLayout"))->text(),
             sealed ? QStringLiteral("values out of range for camdesk built-in layout 1") : QStringLiteral("\u2014"));
    QVERIFY(!pane.isAlarmActive());
    QVERIFY(!pane.isSounding());
    QVERIFY(!QDir(history).exists());
    QVERIFY(!pane.findChild<QCheckBox*>(QStringLiteral("chkAlarm"))->isEnabled());
    QVERIFY(pane.findChild<QCheckBox*>(QStringLiteral("chkAlarm"))->isChecked()); // the option itself is kept
    QCOMPARE(high->value(), 0.0);
    QCOMPARE(pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnEmissivity"))->value(), 0.95);

    // After an Apply the boxes hold what was sent, and an untouched box goes out as sent before.
    high->setValue(61.5);
    QSignalSpy spy(&pane, &ChildPane::pullImage);
    QTest::mouseClick(pane.findChild<QPushButton*>(QStringLiteral("btnApply")), Qt::LeftButton);
    feed(pane, foreign);
    QCOMPARE(high->value(), 61.5);
    pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnAlarmLow"))->setValue(-2.0);
    QTest::mouseClick(pane.findChild<QPushButton*>(QStringLiteral("btnApply")), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(QByteArray(spy.at(1).at(2).value<char*>() + 6, 5), QByteArray::fromHex("ecff 6702 5f"));

    // A camera that proves the layout gets its readings, and the alarm watches again.
    feed(pane, Frame());
    QVERIFY(pane.temperaturesKnown());
    QVERIFY(maxLabel->text().startsWith(QStringLiteral("32.0")));
    QVERIFY(maxLabel->toolTip().isEmpty());
    QCOMPARE(pane.findChild<QLabel*>(QStringLiteral("lblLayout"))->text(), QStringLiteral("camdesk built-in layout 1"));
    QVERIFY(pane.findChild<QCheckBox*>(QStringLiteral("chkAlarm"))->isEnabled());
    feed(pane, foreign);
    QCOMPARE(maxLabel->text(), QStringLiteral("\u2014"));
}

// A layout that gives the scene's readings but not the camera's echo of its limits: the alarm watches
// the limits sent from the pane, and none before any were sent.
void TestLivePane::alarmWithoutEcho()
{
    // Named as the built-in profile, which it replaces, as a user's profile of that name would.
    const std::optional<LayoutProfile> noEcho = LayoutProfile::parse(
        R"({"format":"km420-layout","version":1,"name":"camdesk built-in layout 1",)"
        R"("proof":[{"offset":26,"bytes":"4B4D5849"}],)"
        R"("fields":{"max":{"offset":14,"type":"i16le","scale":0.1},"min":{"offset":12,"type":"i16le","scale":0.1}}})",
        nullptr);
    QVERIFY(noEcho);
    LayoutCatalog catalog;
    catalog.add(*noEcho);
    LayoutCatalog::replace(catalog);
    const auto restore = qScopeGuard([] { LayoutCatalog::replace(LayoutCatalog()); });

    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    pane.setOptionsParam(alarmOptions());
    Frame hot;
    hot.max = 612;
    feed(pane, hot);
    QVERIFY(pane.temperaturesKnown());
    QVERIFY(!pane.isAlarmActive());
    auto* high = pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnAlarmHigh"));
    high->setValue(50.0);
    QTest::mouseClick(pane.findChild<QPushButton*>(QStringLiteral("btnApply")), Qt::LeftButton);
    feed(pane, hot);
    QVERIFY(pane.isAlarmActive());
    QCOMPARE(high->value(), 50.0); // the camera echoes nothing the boxes could take
}

// A profile without proof reads only the frames of a camera it was picked for, marked unverified,
// and the choice is kept for that camera's port.
void TestLivePane::pickedLayout()
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/layout-choices.ini");
    LayoutCatalog catalog;
    catalog.add(*LayoutProfile::parse(R"({"format":"km420-layout","version":1,"name":"Bench camera",)"
                                      R"("fields":{"max":{"offset":14,"type":"i16le","scale":0.1}}})",
                                      nullptr));
    LayoutCatalog::replace(catalog);
    const auto restore = qScopeGuard([] { LayoutCatalog::replace(LayoutCatalog()); });
    Frame unsealed;
    unsealed.sealed = false;
    const auto layoutOf = [](LivePane& pane) { return pane.findChild<QLabel*>("lblLayout")->text(); };

    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    pane.setCameraPort(QStringLiteral("ttyTEST0"));
    auto* choice = pane.findChild<QComboBox*>(QStringLiteral("cmbLayout"));
    QCOMPARE(choice->count(), 2);
    feed(pane, unsealed);
    QCOMPARE(layoutOf(pane), QStringLiteral("\u2014"));
    choice->setCurrentIndex(1);
    emit choice->activated(1);
    feed(pane, unsealed);
    QCOMPARE(layoutOf(pane), QStringLiteral("Bench camera (unverified)"));
    QVERIFY(pane.findChild<QLabel*>("lblMax")->text().startsWith(QStringLiteral("32.0")));
    QCOMPARE(pane.findChild<QLabel*>("lblMin")->text(), QStringLiteral("\u2014")); // not in the profile
    feed(pane, Frame()); // a frame a profile proves is read with it
    QCOMPARE(layoutOf(pane), QStringLiteral("camdesk built-in layout 1"));

    for (const char* port : {"ttyTEST0", "ttyTEST1"}) {
        LivePane again(DeviceManager::UsbVideo, QStringLiteral("EN"));
        again.setCameraPort(QLatin1String(port));
        feed(again, unsealed);
        QCOMPARE(layoutOf(again), port == QLatin1String("ttyTEST0") ? QStringLiteral("Bench camera (unverified)")
                                                                    : QStringLiteral("\u2014"));
    }
}

void TestLivePane::editedValuesSurviveFrames()
{
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    auto* high = pane.findChild<QDoubleSpinBox*>(QStringLiteral("spnAlarmHigh"));
    feed(pane, Frame());
    high->setValue(77.0);
    feed(pane, Frame()); // a frame while the user edits
    QCOMPARE(high->value(), 77.0);
    QSignalSpy spy(&pane, &ChildPane::pullImage);
    QTest::mouseClick(pane.findChild<QPushButton*>(QStringLiteral("btnApply")), Qt::LeftButton);
    feed(pane, Frame()); // the camera has not echoed the new value yet
    QCOMPARE(high->value(), 77.0);
    QCOMPARE(spy.count(), 1);
}

void TestLivePane::closeButton()
{
    // Arranged as the main window shows panes: maximised and frameless in an MDI area.
    QMdiArea area;
    area.resize(800, 600);
    QPointer<LivePane> pane = new LivePane(DeviceManager::WifiVideo, QStringLiteral("EN"));
    pane->setWindowFlags(Qt::FramelessWindowHint);
    pane->setAttribute(Qt::WA_DeleteOnClose);
    area.addSubWindow(pane);
    pane->showMaximized();
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));

    QSignalSpy spy(pane.data(), &ChildPane::subClose);
    auto* close = pane->findChild<QToolButton*>(QStringLiteral("btnClose"));
    QVERIFY(close && close->isVisible());
    QVERIFY(area.viewport()->rect().contains(close->mapTo(area.viewport(), close->rect().bottomRight())));
    QTest::mouseClick(close, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<DeviceManager::Mode>(), DeviceManager::WifiVideo);
    QVERIFY(pane); // the owner closes it

    pane->close(); // as the owner does: no second request comes back
    QCOMPARE(spy.count(), 1);
    QTRY_VERIFY(!pane);
}

void TestLivePane::closeShortcutAsksOwner()
{
    // With a frame the sub-window has its own Close shortcut; it must not delete the pane itself.
    QMdiArea area;
    area.resize(800, 600);
    QPointer<LivePane> pane = new LivePane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    pane->setAttribute(Qt::WA_DeleteOnClose);
    area.addSubWindow(pane);
    pane->showMaximized();
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    area.setActiveSubWindow(pane);

    QSignalSpy spy(pane.data(), &ChildPane::subClose);
    QTest::keySequence(pane->widget(), QKeySequence(QKeySequence::Close));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<DeviceManager::Mode>(), DeviceManager::UsbVideo);
    QTest::qWait(20);
    QVERIFY(pane);
}

void TestLivePane::captureAction()
{
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    QAction capture(QStringLiteral("Capture"));
    pane.setCaptureAction(&capture);
    pane.show();
    auto* button = pane.findChild<QToolButton*>(QStringLiteral("btnCapture"));
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->defaultAction(), &capture);
    QSignalSpy triggered(&capture, &QAction::triggered);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(triggered.count(), 1);
    capture.setEnabled(false);
    QVERIFY(!button->isEnabled());
}

void TestLivePane::artifact()
{
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    pane.setWindowTitle(QStringLiteral("USB[Video]"));
    QAction capture(QStringLiteral("Capture"));
    pane.setCaptureAction(&capture);
    OptionParam opts = alarmOptions();
    opts.allowAlarmSound = true;
    pane.setOptionsParam(opts);
    pane.resize(960, 680);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));

    std::array<ushort, 256> palette = ironPalette();
    const QImage picture = thermalPicture(palette.data());
    Frame f;
    f.min = 213;
    f.max = 536;
    f.centre = 342;
    f.scaleLow = 200;
    f.scaleHigh = 560;
    f.scene = true;
    for (int i = 0; i < 12; ++i) {
        pane.setVideoPlat(palette.data());
        feed(pane, f);
        pane.setPixmap(QPixmap::fromImage(picture));
        QTest::qWait(40);
    }
    QTRY_VERIFY(pane.findChild<QLabel*>(QStringLiteral("lblFps"))->text() != QStringLiteral("0.0 fps"));
    QVERIFY(pane.isAlarmActive());
    pane.stopSound();
    // The hottest and coldest pixels are marked, at their temperatures on the camera's scale.
    auto* view = pane.findChild<PictureView*>(QStringLiteral("pictureView"));
    QCOMPARE(view->hottestSpot(), QPoint(38, 61)); // the centre of the warm body
    QCOMPARE(view->coldestSpot(), QPoint(0, 0));
    saveArtifact(&pane, QStringLiteral("livepane"));

    // Without the layout the spots stay marked; the temperatures go.
    f.sealed = false;
    feed(pane, f);
    pane.setPixmap(QPixmap::fromImage(picture));
    QCOMPARE(view->hottestSpot(), QPoint(38, 61)); // the centre of the warm body
    QVERIFY(!view->centreMarker());
    saveArtifact(&pane, QStringLiteral("livepane-unknown-layout"));
}

void TestLivePane::measuring_data()
{
    QTest::addColumn<Orientation>("turn");
    QTest::addColumn<bool>("sealed");
    QTest::addColumn<QPoint>("arrowRightMoves"); // in camera pixels
    QTest::newRow("as the camera holds it") << Orientation() << true << QPoint(1, 0);
    QTest::newRow("turned 90, no temperatures") << Orientation(90, false) << false << QPoint(0, -1);
    QTest::newRow("turned 270 and mirrored") << Orientation(270, true) << true << QPoint(0, -1);
}

// Markers are placed with the mouse on the turned picture and kept in camera pixels; their values are
// the frame's levels, with °C only when the layout gives them; a frame lost shows "—" in every tool.
void TestLivePane::measuring()
{
    QFETCH(Orientation, turn);
    QFETCH(bool, sealed);
    QFETCH(QPoint, arrowRightMoves);
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    pane.resize(1000, 760);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    FrameView* frame = pane.frameView();
    frame->setOrientation(turn);
    std::array<ushort, 256> palette = ironPalette();
    Frame f;
    f.scene = true;
    f.sealed = sealed;
    f.scaleLow = 200;
    f.scaleHigh = 455; // a tenth of a degree a level
    pane.setVideoPlat(palette.data());
    feed(pane, f);
    QWidget* view = frame->pictureView();
    const QPoint body(38, 61);
    const int level = thermalIndex(body.x(), body.y());

    frame->setTool(FrameView::Tool::Spot);
    QTest::mouseClick(view, Qt::LeftButton, {}, screenPoint(frame, body));
    QCOMPARE(frame->spots(), QVector<QPoint>{body});
    frame->setTool(FrameView::Tool::Box);
    QTest::mousePress(view, Qt::LeftButton, {}, screenPoint(frame, QPoint(30, 50)));
    QTest::mouseMove(view, screenPoint(frame, QPoint(45, 70)));
    QTest::mouseRelease(view, Qt::LeftButton, {}, screenPoint(frame, QPoint(45, 70)));
    QCOMPARE(frame->boxes(), QVector<QRect>{QRect(QPoint(30, 50), QPoint(45, 70))});
    frame->setTool(FrameView::Tool::Line);
    QTest::mousePress(view, Qt::LeftButton, {}, screenPoint(frame, QPoint(5, 5)));
    QTest::mouseMove(view, screenPoint(frame, QPoint(60, 5)));
    QTest::mouseRelease(view, Qt::LeftButton, {}, screenPoint(frame, QPoint(60, 5)));
    QCOMPARE(frame->line(), QLine(QPoint(5, 5), QPoint(60, 5)));
    QTRY_VERIFY(pane.findChild<QWidget*>(QStringLiteral("profileChart")));
    frame->setHistogramShown(true);

    const QStringList texts = frame->measurementTexts();
    QCOMPARE(texts.size(), 3);
    QVERIFY2(texts[0].startsWith(QStringLiteral("S1: %1").arg(level)), qPrintable(texts[0]));
    QCOMPARE(texts[0].contains(QStringLiteral("%1 °C").arg((200 + level) / 10.0, 0, 'f', 1)), sealed);
    QCOMPARE(texts.join(QString()).contains(QStringLiteral("°C")), sealed);
    QVERIFY(texts[2].startsWith(QStringLiteral("Line: 56 pixels")));
    auto* list = pane.findChild<QLabel*>(QStringLiteral("lblMeasures"));
    // Every temperature shown names its layout.
    QCOMPARE(list->text().contains(QStringLiteral("camdesk built-in layout 1")), sealed);
    if (turn.isIdentity() && sealed)
        saveArtifact(&pane, QStringLiteral("livepane-measuring"));

    // The line, placed last, is selected: Delete removes it; the spot, clicked again, moves with the arrows.
    QTest::keyClick(view, Qt::Key_Delete);
    QVERIFY(!frame->hasLine());
    QTest::mouseClick(view, Qt::LeftButton, {}, screenPoint(frame, body));
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(frame->spots(), QVector<QPoint>{body + arrowRightMoves});

    frame->showFrame(nullptr, palette.data());
    for (const QString& text : frame->measurementTexts())
        QVERIFY2(text.contains(QStringLiteral("\u2014")) && !text.contains(QStringLiteral("°C")), qPrintable(text));
    QCOMPARE(pane.findChild<QLabel*>(QStringLiteral("lblMax"))->text(), QStringLiteral("\u2014"));
    plainView(frame);
}

// Held, a temperature keeps its colour while the camera's scale moves; without temperatures the hold is a
// level window on the colour scale.
void TestLivePane::heldScale()
{
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    pane.resize(900, 700);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    FrameView* frame = pane.frameView();
    auto* bar = pane.findChild<ColourBar*>(QStringLiteral("colourBar"));
    std::array<ushort, 256> palette = ironPalette();
    // 10.0 °C is level 100 on the first scale (0.0 to 25.5 °C) and level 50 on the second (5.0 to 30.5 °C).
    auto show = [&](qint16 low, int level) {
        Frame f;
        f.scaleLow = low;
        f.scaleHigh = qint16(low + 255);
        std::vector<char> r = record(f);
        r[Km420Frame::PixelOffset] = char(level);
        pane.setVideoPlat(palette.data());
        pane.setVideoExtendParam(r.data());
        return frame->pictureView()->image().pixel(0, 0);
    };
    const QRgb first = show(0, 100);
    QCOMPARE(show(50, 50), ColourBar::rgbOf565(palette[50])); // not held: the camera's own colours
    show(0, 100);
    frame->setHoldScale(true);
    QVERIFY(frame->isHeldInCelsius());
    QCOMPARE(bar->topLabel(), QStringLiteral("25.5 °C"));
    QCOMPARE(show(50, 50), first);
    QCOMPARE(bar->topLabel(), QStringLiteral("25.5 °C"));
    // A frame without temperatures gets the camera's colours and no °C, though the hold stays for the next.
    Frame bare;
    bare.sealed = false;
    std::vector<char> unproven = record(bare);
    unproven[Km420Frame::PixelOffset] = char(50);
    pane.setVideoExtendParam(unproven.data());
    QCOMPARE(frame->pictureView()->image().pixel(0, 0), ColourBar::rgbOf565(palette[50]));
    QCOMPARE(bar->topLabel(), QStringLiteral("hot"));
    QCOMPARE(show(50, 50), first);
    frame->setHoldScale(false);

    Frame unsealed;
    unsealed.sealed = false;
    std::vector<char> r = record(unsealed);
    pane.setVideoExtendParam(r.data());
    frame->setHoldScale(true);
    QVERIFY(!frame->isHeldInCelsius());
    QVERIFY(bar->windowShown());
    plainView(frame);
}

// Tools, turn and markers come back with the next pane, from the user's settings.
void TestLivePane::viewRestored()
{
    {
        LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
        pane.frameView()->setOrientation(Orientation(180, true));
        pane.frameView()->setSmooth(true);
        QVERIFY(pane.frameView()->addSpot(QPoint(3, 4)));
        QVERIFY(pane.frameView()->addBox(QRect(10, 10, 5, 5)));
    }
    LivePane pane(DeviceManager::UsbVideo, QStringLiteral("EN"));
    FrameView* frame = pane.frameView();
    QCOMPARE(frame->orientation(), Orientation(180, true));
    QVERIFY(frame->isSmooth());
    QCOMPARE(frame->spots(), QVector<QPoint>{QPoint(3, 4)});
    QCOMPARE(frame->boxes(), QVector<QRect>{QRect(10, 10, 5, 5)});
    plainView(frame);
}

QTEST_MAIN(TestLivePane)
#include "tst_livepane.moc"
