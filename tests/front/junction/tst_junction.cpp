#include <junction/junction.h>

#include <devicebase/imagefile.h>
#include <devicebase/qurlinfo.h>

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QList<QStringList>)

namespace {

const QByteArray PngHead("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
const QByteArray JpegHead("\xff\xd8\xff\xe0\0\x10JFIF\0", 11);
const QByteArray BmpHead = QByteArray("BM") + QByteArray(40, '\1');

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

} // namespace

class TestJunction : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void wifiModesRefuse_data();
    void wifiModesRefuse();
    void fileModeOpensAndClosesOnce();
    void tryOpen_data();
    void tryOpen();
    void closeAllAndActived();
    void destructorIsQuiet();

    void diskChanges_data();
    void diskChanges();
    void userCloseHoldsUntilNewDisk();
    void watchFindsDisksByItself();

    void setFiles_data();
    void setFiles();
    void setFilesInOrderAndOnlyDuringEmission();

private:
    // Records the Junction's notices in order, as text.
    void record(Junction* j);

    std::unique_ptr<Junction> junction;
    QStringList disks; // what the fake lister reports
    QStringList events;
};

void TestJunction::init()
{
    // No named camera port: mode 8 has nothing to open on a machine without the camera.
    qunsetenv("KM420_CAMERA_PORT");
    disks.clear();
    events.clear();
    junction = std::make_unique<Junction>();
    junction->setDiskLister([this] { return disks; });
    record(junction.get());
}

void TestJunction::cleanup()
{
    junction.reset();
}

void TestJunction::record(Junction* j)
{
    connect(j, &Junction::opened, this,
            [this](DeviceManager::Mode m) { events << QStringLiteral("opened %1").arg(m); });
    connect(j, &Junction::closed, this,
            [this](DeviceManager::Mode m) { events << QStringLiteral("closed %1").arg(m); });
    connect(j, &Junction::disksFresh, this,
            [this](const QStringList& list) { events << (QStringList{"disks"} + list).join(QLatin1Char(' ')); });
}

void TestJunction::wifiModesRefuse_data()
{
    QTest::addColumn<DeviceManager::Mode>("mode");
    QTest::newRow("wi-fi file") << DeviceManager::WifiFile;
    QTest::newRow("wi-fi video") << DeviceManager::WifiVideo;
}

void TestJunction::wifiModesRefuse()
{
    QFETCH(DeviceManager::Mode, mode);
    disks = QStringList{QDir::tempPath()}; // a disk present must not matter
    QVERIFY(!junction->open(mode));
    QVERIFY(!junction->modeIsActived(mode));
    junction->close(mode);
    QVERIFY(events.isEmpty());
}

void TestJunction::fileModeOpensAndClosesOnce()
{
    disks = QStringList{"/media/a"};
    QVERIFY(junction->open(DeviceManager::UsbFile));
    QVERIFY(junction->open(DeviceManager::UsbFile));
    QVERIFY(junction->modeIsActived(DeviceManager::UsbFile));
    QVERIFY(!junction->modeIsActived(DeviceManager::UsbVideo));
    QCOMPARE(events, QStringList({"opened 4", "disks /media/a"}));

    junction->close(DeviceManager::UsbFile);
    junction->close(DeviceManager::UsbFile);
    junction->close(DeviceManager::UsbVideo);
    QVERIFY(!junction->modeIsActived(DeviceManager::UsbFile));
    QCOMPARE(events, QStringList({"opened 4", "disks /media/a", "closed 4"}));

    // Opened again through the tree: the new pane gets the unchanged list once more.
    events.clear();
    QVERIFY(junction->open(DeviceManager::UsbFile));
    QCOMPARE(events, QStringList({"opened 4", "disks /media/a"}));
}

void TestJunction::tryOpen_data()
{
    QTest::addColumn<int>("kinds");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QStringList>("expected");

    const QStringList none;
    const QStringList one{"/media/a"};
    QTest::newRow("both, nothing there") << 6 << none << false << QStringList();
    QTest::newRow("video only, disk there") << 2 << one << false << QStringList();
    QTest::newRow("file only, disk there") << 4 << one << true << QStringList({"opened 4", "disks /media/a"});
    QTest::newRow("both, disk there") << 6 << one << true << QStringList({"opened 4", "disks /media/a"});
    QTest::newRow("no kind") << 0 << one << false << QStringList();
}

void TestJunction::tryOpen()
{
    QFETCH(int, kinds);
    QFETCH(QStringList, present);
    QFETCH(bool, result);
    QFETCH(QStringList, expected);

    disks = present;
    QCOMPARE(junction->tryOpen(kinds), result);
    QCOMPARE(events, expected);
    // Already open counts as success and reports nothing new.
    if (result) {
        QVERIFY(junction->tryOpen(kinds));
        QCOMPARE(events, expected);
    }
}

void TestJunction::closeAllAndActived()
{
    QVERIFY(!junction->actived());
    disks = QStringList{"/media/a"};
    QVERIFY(junction->open());
    QVERIFY(junction->actived());
    junction->close();
    QVERIFY(!junction->actived());
    QVERIFY(!junction->modeIsActived(DeviceManager::UsbFile));
    QCOMPARE(events, QStringList({"opened 4", "disks /media/a", "closed 4"}));
}

void TestJunction::destructorIsQuiet()
{
    disks = QStringList{"/media/a"};
    QVERIFY(junction->open(DeviceManager::UsbFile));
    events.clear();
    junction.reset();
    QVERIFY(events.isEmpty());
}

void TestJunction::diskChanges_data()
{
    QTest::addColumn<QList<QStringList>>("steps");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("none, one, two, none")
        << QList<QStringList>{{}, {"/media/a"}, {"/media/a", "/media/b"}, {}}
        << QStringList{"opened 4", "disks /media/a", "disks /media/a /media/b", "disks", "closed 4"};
    QTest::newRow("unchanged list reported once")
        << QList<QStringList>{{"/media/a"}, {"/media/a"}, {"/media/a"}} << QStringList{"opened 4", "disks /media/a"};
    QTest::newRow("one disk swapped for another") << QList<QStringList>{{"/media/a"}, {"/media/b"}}
                                                  << QStringList{"opened 4", "disks /media/a", "disks /media/b"};
    QTest::newRow("last but one goes") << QList<QStringList>{{"/media/a", "/media/b"}, {"/media/b"}}
                                       << QStringList{"opened 4", "disks /media/a /media/b", "disks /media/b"};
    QTest::newRow("out and back in") << QList<QStringList>{{"/media/a"}, {}, {"/media/a"}}
                                     << QStringList{"opened 4", "disks /media/a", "disks",
                                                    "closed 4", "opened 4",       "disks /media/a"};
}

void TestJunction::diskChanges()
{
    QFETCH(QList<QStringList>, steps);
    QFETCH(QStringList, expected);

    for (const QStringList& step : steps) {
        disks = step;
        junction->refreshDisks();
        QCOMPARE(junction->modeIsActived(DeviceManager::UsbFile), !step.isEmpty());
    }
    QCOMPARE(events, expected);
}

void TestJunction::userCloseHoldsUntilNewDisk()
{
    disks = QStringList{"/media/a"};
    junction->refreshDisks();
    junction->close(DeviceManager::UsbFile);
    events.clear();

    junction->refreshDisks();
    QVERIFY(events.isEmpty());
    QVERIFY(!junction->modeIsActived(DeviceManager::UsbFile));

    disks << "/media/b";
    junction->refreshDisks();
    QCOMPARE(events, QStringList({"opened 4", "disks /media/a /media/b"}));
}

void TestJunction::watchFindsDisksByItself()
{
    QSignalSpy opened(junction.get(), &Junction::opened);
    disks = QStringList{"/media/a"};
    QTRY_COMPARE(opened.count(), 1);
    QCOMPARE(opened.at(0).at(0).value<DeviceManager::Mode>(), DeviceManager::UsbFile);

    QSignalSpy closed(junction.get(), &Junction::closed);
    disks.clear();
    QTRY_COMPARE(closed.count(), 1);
}

void TestJunction::setFiles_data()
{
    QTest::addColumn<QString>("name"); // file name below the disk, or a path starting with '@' below the outside folder
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("asked"); // the path handed in; "%d" the disk, "%o" the outside folder
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("read");
    QTest::addColumn<int>("why"); // the refusal reported, or -1 for none

    QTest::newRow("png") << "pic.png" << PngHead + "rest"
                         << "%d/pic.png" << 4 << true << -1;
    QTest::newRow("jpeg") << "pic.JPG" << JpegHead + "rest"
                          << "%d/pic.JPG" << 4 << true << -1;
    QTest::newRow("bmp") << "pic.bmp" << BmpHead << "%d/pic.bmp" << 4 << true << -1;
    QTest::newRow("in a folder") << "sub/pic.png" << PngHead << "%d/sub/pic.png" << 4 << true << -1;
    QTest::newRow("text named png") << "pic.png" << QByteArray("hello, world") << "%d/pic.png" << 4 << false
                                    << int(ImageFile::Refusal::NotPicture);
    QTest::newRow("png named txt") << "pic.txt" << PngHead << "%d/pic.txt" << 4 << false
                                   << int(ImageFile::Refusal::NotPicture);
    QTest::newRow("jpeg named png") << "pic.png" << JpegHead << "%d/pic.png" << 4 << false
                                    << int(ImageFile::Refusal::NotPicture);
    QTest::newRow("empty png") << "pic.png" << QByteArray() << "%d/pic.png" << 4 << false
                               << int(ImageFile::Refusal::NotPicture);
    QTest::newRow("outside the disk") << "@pic.png" << PngHead << "%o/pic.png" << 4 << false
                                      << int(ImageFile::Refusal::OffDisk);
    QTest::newRow("dot-dot out of the disk")
        << "@pic.png" << PngHead << "%d/../outside/pic.png" << 4 << false << int(ImageFile::Refusal::OffDisk);
    QTest::newRow("relative path") << "pic.png" << PngHead << "pic.png" << 4 << false
                                   << int(ImageFile::Refusal::OffDisk);
    QTest::newRow("missing file") << "pic.png" << PngHead << "%d/other.png" << 4 << false
                                  << int(ImageFile::Refusal::Gone);
    QTest::newRow("folder") << "dir.png/pic.png" << PngHead << "%d/dir.png" << 4 << false
                            << int(ImageFile::Refusal::NotPicture);
    QTest::newRow("wi-fi file mode") << "pic.png" << PngHead << "%d/pic.png" << 1 << false << -1;
    QTest::newRow("video mode") << "pic.png" << PngHead << "%d/pic.png" << 8 << false << -1;
}

void TestJunction::setFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, asked);
    QFETCH(int, mode);
    QFETCH(bool, read);
    QFETCH(int, why);

    QTemporaryDir top;
    QVERIFY(top.isValid());
    const QString disk = top.filePath("disk");
    const QString outside = top.filePath("outside");
    QVERIFY(QDir().mkpath(disk) && QDir().mkpath(outside));
    const QString target = name.startsWith('@') ? outside + '/' + name.mid(1) : disk + '/' + name;
    QVERIFY(QDir().mkpath(QFileInfo(target).path()));
    QVERIFY(writeFile(target, content));
    disks = QStringList{disk};

    QStringList paths;
    QByteArrayList datas;
    connect(junction.get(), &Junction::imageReadFile, this, [&](const ImageFile* file, DeviceManager::Mode m) {
        QCOMPARE(m, DeviceManager::UsbFile);
        paths << file->path + '|' + file->name;
        datas << file->data;
    });
    QList<int> refusals;
    connect(junction.get(), &Junction::fileRefused, this,
            [&](const QString&, ImageFile::Refusal r, DeviceManager::Mode) { refusals << int(r); });
    QUrlInfo info(QString(asked).replace("%d", disk).replace("%o", outside), content.size(), QDateTime(), false);
    junction->setFiles({&info}, DeviceManager::Mode(mode));
    QCOMPARE(refusals, why < 0 ? QList<int>() : QList<int>{why});

    if (read) {
        QCOMPARE(paths, QStringList{target + '|' + QFileInfo(target).fileName()});
        QCOMPARE(datas, QByteArrayList{content});
    } else {
        QVERIFY(paths.isEmpty());
    }
}

void TestJunction::setFilesInOrderAndOnlyDuringEmission()
{
    QTemporaryDir disk;
    QVERIFY(disk.isValid());
    disks = QStringList{disk.path()};
    QVERIFY(writeFile(disk.filePath("a.png"), PngHead + "a"));
    QVERIFY(writeFile(disk.filePath("b.bmp"), BmpHead + "b"));
    QVERIFY(writeFile(disk.filePath("notes.txt"), "c"));
    // A link on the disk that points off it is not followed.
    QVERIFY(writeFile(QDir::temp().filePath("tst_junction_off_disk.png"), PngHead));
    QVERIFY(QFile::link(QDir::temp().filePath("tst_junction_off_disk.png"), disk.filePath("link.png")));
    // Past the size bound: sparse, so it costs no disk space.
    {
        QFile big(disk.filePath("big.png"));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.write(PngHead) == PngHead.size());
        QVERIFY(big.resize(Junction::MaxPictureSize + 1));
    }

    QStringList names;
    connect(junction.get(), &Junction::imageReadFile, this,
            [&](const ImageFile* file, DeviceManager::Mode) { names << file->name; });
    QUrlInfo a(disk.filePath("a.png"), 0, QDateTime(), false);
    QUrlInfo dir(disk.path(), 0, QDateTime(), true);
    QUrlInfo notes(disk.filePath("notes.txt"), 0, QDateTime(), false);
    QUrlInfo link(disk.filePath("link.png"), 0, QDateTime(), false);
    QUrlInfo big(disk.filePath("big.png"), 0, QDateTime(), false);
    QUrlInfo b(disk.filePath("b.bmp"), 0, QDateTime(), false);
    junction->setFiles({&b, nullptr, &dir, &notes, &link, &big, &a}, DeviceManager::UsbFile);
    QFile::remove(QDir::temp().filePath("tst_junction_off_disk.png"));
    QCOMPARE(names, QStringList({"b.bmp", "a.png"}));

    // The disk pulled since the last poll: nothing is read from it any more.
    names.clear();
    disks.clear();
    junction->setFiles({&a}, DeviceManager::UsbFile);
    QVERIFY(names.isEmpty());
}

QTEST_MAIN(TestJunction)
#include "tst_junction.moc"
