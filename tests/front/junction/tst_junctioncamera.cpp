#include <junction/junction.h>

#include <camsim/camerasimulator.h>
#include <devicebase/km420frame.h>
#include <lensfeed/feedprobe.h>
#include <lensfeed/lensfeed.h>
#include <livefixture.h>
#include <modalwatcher.h>

#include <QApplication>
#include <QtTest>

#include <memory>

namespace {

const char PortVariable[] = "KM420_CAMERA_PORT";

} // namespace

// The Junction driving the camera library against the simulated camera on a pseudo-terminal.
class TestJunctionCamera : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensByNameOrIdentifiers_data();
    void opensByNameOrIdentifiers();
    void liveVideoAndParameters();
    void cameraGoesAwayAndComesBack_data();
    void cameraGoesAwayAndComesBack();
    void userCloseAndQuietDestruction();
    void closeFromOpenedNotice();

private:
    void record(Junction* j);
    // At least one picture was relayed, and every one came right after its extended information.
    bool pairsInOrder() const;

    LiveFixture live;
    CameraSimulator* sim = nullptr; // live's, while a test runs
    std::unique_ptr<Junction> junction;
    QStringList events;
    std::unique_ptr<ModalWatcher> boxes; // closes every modal box, and lists them
    bool paramHadHead = true;
};

void TestJunctionCamera::initTestCase()
{
    // The failure warning may be the only window; closing it must not end the test.
    qApp->setQuitOnLastWindowClosed(false);
    boxes = std::make_unique<ModalWatcher>();
}

void TestJunctionCamera::init()
{
    CameraSimulator::Options options;
    options.minFrameIntervalMs = 20;
    QVERIFY2(live.start(options), qPrintable(live.errorString()));
    sim = live.sim();
    FeedProbe::setPortLister({});

    events.clear();
    boxes->seen.clear();
    paramHadHead = true;
    junction = std::make_unique<Junction>();
    junction->setDiskLister([] { return QStringList(); });
    record(junction.get());
}

void TestJunctionCamera::cleanup()
{
    junction.reset();
    live.stop();
    sim = nullptr;
    FeedProbe::setPortLister({});
}

void TestJunctionCamera::record(Junction* j)
{
    connect(j, &Junction::opened, this,
            [this](DeviceManager::Mode m) { events << QStringLiteral("opened %1").arg(m); });
    connect(j, &Junction::closed, this,
            [this](DeviceManager::Mode m) { events << QStringLiteral("closed %1").arg(m); });
    connect(j, &Junction::updateExtendParam, this, [this](char* param) {
        // The buffer is the camera's frame record, valid during the call.
        paramHadHead = paramHadHead && param && Km420Frame::readUInt32(param, 0) == Km420Frame::HeadMarker;
        events << QStringLiteral("param");
    });
    connect(j, &Junction::imageReadVideo, this, [this](const QPixmap& pixmap, DeviceManager::Mode m) {
        events << QStringLiteral("image %1 %2x%3").arg(m).arg(pixmap.width()).arg(pixmap.height());
    });
}

bool TestJunctionCamera::pairsInOrder() const
{
    if (!events.contains(QStringLiteral("image 8 80x108")))
        return false;
    for (int i = 0; i < events.size(); ++i) {
        if (events.at(i).startsWith("image") && (i == 0 || events.at(i - 1) != "param"))
            return false;
    }
    return true;
}

void TestJunctionCamera::opensByNameOrIdentifiers_data()
{
    QTest::addColumn<QString>("named"); // "sim": the simulator's port, "" none, else a path
    QTest::addColumn<bool>("listed");   // the simulator's port is listed with the camera's identifiers
    QTest::addColumn<bool>("opens");

    QTest::newRow("named in the environment") << "sim" << false << true;
    QTest::newRow("found by identifiers") << "" << true << true;
    QTest::newRow("named port missing, found by identifiers") << "/nonexistent/tty" << true << true;
    QTest::newRow("named port missing") << "/nonexistent/tty" << false << false;
    QTest::newRow("neither") << "" << false << false;
}

void TestJunctionCamera::opensByNameOrIdentifiers()
{
    QFETCH(QString, named);
    QFETCH(bool, listed);
    QFETCH(bool, opens);

    qputenv(PortVariable, (named == "sim" ? sim->portPath() : named).toLocal8Bit());
    if (listed) {
        const QString port = sim->portPath();
        FeedProbe::setPortLister([port] {
            PortEntry other{QStringLiteral("/dev/ttyS0"), 0, 0};
            PortEntry camera{port, LensFeed::VendorId, LensFeed::ProductId};
            return QList<PortEntry>{other, camera};
        });
    } else {
        FeedProbe::setPortLister([] { return QList<PortEntry>(); });
    }

    QCOMPARE(junction->tryOpen(6), opens);
    QCOMPARE(junction->modeIsActived(DeviceManager::UsbVideo), opens);
    QCOMPARE(events, opens ? QStringList{"opened 8"} : QStringList());
    QVERIFY(boxes->seen.isEmpty()); // one camera: no chooser
    if (opens)
        QTRY_VERIFY_WITH_TIMEOUT(events.contains("image 8 80x108"), 5000);
}

void TestJunctionCamera::liveVideoAndParameters()
{
    QVERIFY(!junction->getVideoPlat());
    QVERIFY(junction->tryOpen(6));
    QCOMPARE(events, QStringList{"opened 8"});

    QTRY_VERIFY_WITH_TIMEOUT(events.count("image 8 80x108") >= 3, 5000);
    QCOMPARE(events.at(1), QStringLiteral("param"));
    QVERIFY(pairsInOrder());
    QVERIFY(paramHadHead);
    QVERIFY(junction->getVideoPlat());

    // A request for another mode reaches no camera; had it gone out, it would have gone first.
    QByteArray wrong(Km420Frame::Size, '\0');
    Km420Frame::writeInt16(wrong.data(), Km420Frame::AlarmHighOffset, 111);
    junction->pullImage(nullptr, DeviceManager::WifiVideo, wrong.data());
    junction->pullImage(nullptr, DeviceManager::UsbVideo, nullptr);

    QByteArray param(Km420Frame::Size, '\0');
    Km420Frame::writeInt16(param.data(), Km420Frame::AlarmHighOffset, 345);
    Km420Frame::writeInt16(param.data(), Km420Frame::AlarmLowOffset, -12);
    param[Km420Frame::EmissivityOffset] = char(87);
    junction->pullImage(nullptr, DeviceManager::UsbVideo, param.data());

    CameraParameters expected;
    expected.alarmHighTenths = 345;
    expected.alarmLowTenths = -12;
    expected.emissivityHundredths = 87;
    QTRY_VERIFY_WITH_TIMEOUT(sim->stats().parameters == expected, 5000);
    QCOMPARE(sim->stats().recordsByCode[1], qint64(1));
    QVERIFY(boxes->seen.isEmpty());
}

void TestJunctionCamera::cameraGoesAwayAndComesBack_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("hang-up") << "hangup";
    QTest::newRow("stops answering") << "silence"; // closed by the failure limit
}

void TestJunctionCamera::cameraGoesAwayAndComesBack()
{
    QFETCH(QString, how);

    QVERIFY(junction->tryOpen(6));
    QTRY_VERIFY_WITH_TIMEOUT(events.contains("image 8 80x108"), 5000);

    if (how == "hangup")
        sim->hangUp();
    else
        sim->setFault(FaultPlan::silence());
    QTRY_VERIFY_WITH_TIMEOUT(events.contains("closed 8"), 20000);
    QCOMPARE(events.count("closed 8"), 1);
    QCOMPARE(events.count("opened 8"), 1);
    QVERIFY(!junction->modeIsActived(DeviceManager::UsbVideo));
    QVERIFY(!junction->actived());
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(boxes->seen, QStringList{ModalWatcher::StreamFailed});
    QVERIFY(pairsInOrder());

    // While the camera is away nothing opens.
    if (how == "hangup") {
        QVERIFY(!junction->tryOpen(6));
        QCOMPARE(events.count("opened 8"), 1);
        QVERIFY(sim->restart());
    } else {
        sim->clearFault();
    }

    events.clear();
    QVERIFY(junction->tryOpen(6));
    QCOMPARE(events.value(0), QStringLiteral("opened 8"));
    QTRY_VERIFY_WITH_TIMEOUT(events.count("image 8 80x108") >= 2, 5000);
    QVERIFY(pairsInOrder());
    QCOMPARE(events.count("closed 8"), 0);
}

void TestJunctionCamera::userCloseAndQuietDestruction()
{
    QVERIFY(junction->open(DeviceManager::UsbVideo));
    QVERIFY(junction->open(DeviceManager::UsbVideo));
    QTRY_VERIFY_WITH_TIMEOUT(events.contains("image 8 80x108"), 5000);

    junction->close(DeviceManager::UsbVideo);
    junction->close(DeviceManager::UsbVideo);
    QCOMPARE(events.count("opened 8"), 1);
    QCOMPARE(events.count("closed 8"), 1);
    QVERIFY(!junction->modeIsActived(DeviceManager::UsbVideo));

    // Closed means no more pictures.
    const int images = events.count("image 8 80x108");
    const qint64 records = sim->stats().records();
    QTest::qWait(300);
    QCOMPARE(events.count("image 8 80x108"), images);
    QCOMPARE(sim->stats().records(), records);

    QVERIFY(junction->open(DeviceManager::UsbVideo));
    QTRY_VERIFY_WITH_TIMEOUT(events.count("image 8 80x108") > images, 5000);
    events.clear();
    junction.reset();
    QVERIFY(events.isEmpty());
    QVERIFY(boxes->seen.isEmpty());
}

void TestJunctionCamera::closeFromOpenedNotice()
{
    // The camera object reports opened before it counts itself open; a close asked right then
    // must not be lost.
    bool once = true;
    connect(junction.get(), &Junction::opened, this, [&](DeviceManager::Mode m) {
        if (m == DeviceManager::UsbVideo && once) {
            once = false;
            junction->close(DeviceManager::UsbVideo);
        }
    });
    QVERIFY(junction->tryOpen(6));
    QTRY_COMPARE(events.count("closed 8"), 1);
    QVERIFY(!junction->modeIsActived(DeviceManager::UsbVideo));
    const qint64 records = sim->stats().records();
    QTest::qWait(300);
    QCOMPARE(sim->stats().records(), records);

    QVERIFY(junction->tryOpen(6));
    QTRY_VERIFY_WITH_TIMEOUT(events.contains("image 8 80x108"), 5000);
    QCOMPARE(events.count("opened 8"), 2);
}

QTEST_MAIN(TestJunctionCamera)
#include "tst_junctioncamera.moc"
