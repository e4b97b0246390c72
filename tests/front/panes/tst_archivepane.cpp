#include "panestesthelpers.h"

#include <devicebase/imagefile.h>
#include <devicebase/qurlinfo.h>
#include <panes/archivepane.h>
#include <panes/archivescanner.h>

#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

Q_DECLARE_METATYPE(QList<QUrlInfo*>)

namespace {

void writePicture(const QString& path, const QImage& image, const char* format)
{
    QDir().mkpath(QFileInfo(path).path());
    QVERIFY2(image.save(path, format), qPrintable(path));
}

void writeText(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
}

QStringList listedNames(QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << QFileInfo(list->item(i)->data(Qt::UserRole).toString()).fileName();
    names.sort();
    return names;
}

bool hasThumbnail(QListWidgetItem* item)
{
    const QImage icon = item->icon().pixmap(48, 64).toImage();
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (qAlpha(icon.pixel(x, y)) != 0)
                return true;
    return false;
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class TestArchivePane : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void listsPicturesRecursively();
    void depthIsBounded();
    void activationSendsFullPath();
    void setFileShowsPicture();
    void undecodableFile();
    void diskChoiceSurvivesRefresh();
    void refreshFindsNewFiles();
    void setFilesKeepsPictures();
    void closeButton();
    void artifact();
};

void TestArchivePane::initTestCase()
{
    qRegisterMetaType<QList<QUrlInfo*>>();
    qRegisterMetaType<DeviceManager::Mode>();
    QLocale::setDefault(QLocale::c());
    applyProgramStyle();
}

void TestArchivePane::listsPicturesRecursively()
{
    QTemporaryDir disk;
    const QImage picture = testPicture();
    writePicture(disk.filePath(QStringLiteral("a.png")), picture, "PNG");
    writePicture(disk.filePath(QStringLiteral("B.JPG")), picture, "JPEG");
    writePicture(disk.filePath(QStringLiteral("DCIM/c.jpeg")), picture, "JPEG");
    writePicture(disk.filePath(QStringLiteral("DCIM/2024/d.bmp")), picture, "BMP");
    writePicture(disk.filePath(QStringLiteral("DCIM/e.gif.txt")), picture, "PNG");
    writeText(disk.filePath(QStringLiteral("notes.txt")));
    writeText(disk.filePath(QStringLiteral("DCIM/noext")));

    ArchivePane pane(DeviceManager::UsbFile, QStringLiteral("EN"));
    pane.setUDisks({disk.path()});
    auto* list = pane.findChild<QListWidget*>(QStringLiteral("lstFiles"));
    QTRY_COMPARE(list->count(), 4);
    QTRY_VERIFY(pane.findChild<QLabel*>(QStringLiteral("lblStatus"))->text().endsWith(QLatin1String(": 4")));
    QCOMPARE(listedNames(list), (QStringList{"B.JPG", "a.png", "c.jpeg", "d.bmp"}));
    for (int i = 0; i < list->count(); ++i)
        QTRY_VERIFY2(hasThumbnail(list->item(i)), qPrintable(list->item(i)->text()));
}

void TestArchivePane::depthIsBounded()
{
    QTemporaryDir disk;
    QString deepest = disk.path();
    for (int depth = 1; depth <= ArchiveScanner::MaxDepth + 1; ++depth) {
        deepest += QStringLiteral("/d%1").arg(depth);
        writePicture(deepest + QStringLiteral("/level%1.png").arg(depth), testPicture(8, 8), "PNG");
    }
    ArchiveScanner scanner;
    scanner.start(disk.path());
    int slices = 0;
    while (scanner.step(3))
        ++slices;
    QVERIFY(slices > 1); // small budgets really split the work
    QCOMPARE(scanner.foundCount(), ArchiveScanner::MaxDepth);
    QVERIFY(scanner.wasCut());
    const QFileInfoList found = scanner.takeFound();
    QCOMPARE(found.size(), ArchiveScanner::MaxDepth);
    for (const QFileInfo& info : found)
        QVERIFY(info.fileName() != QStringLiteral("level%1.png").arg(ArchiveScanner::MaxDepth + 1));
}

void TestArchivePane::activationSendsFullPath()
{
    QTemporaryDir disk;
    const QString path = disk.filePath(QStringLiteral("DCIM/IR_0001.png"));
    writePicture(path, testPicture(), "PNG");
    ArchivePane pane(DeviceManager::UsbFile, QStringLiteral("EN"));
    pane.show();
    pane.setUDisks({disk.path()});
    auto* list = pane.findChild<QListWidget*>(QStringLiteral("lstFiles"));
    QTRY_COMPARE(list->count(), 1);

    QSignalSpy spy(&pane, &ArchivePane::updateFiles);
    list->setCurrentRow(0);
    list->setFocus();
    QTest::keyClick(list->viewport(), Qt::Key_Return);
    if (spy.isEmpty()) // the style decides which key activates; double-click always does
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QCOMPARE(spy.count(), 1);
    const auto files = spy.at(0).at(0).value<QList<QUrlInfo*>>();
    QCOMPARE(spy.at(0).at(1).value<DeviceManager::Mode>(), DeviceManager::UsbFile);
    QCOMPARE(files.size(), 1);
    QCOMPARE(files.at(0)->name(), QFileInfo(path).absoluteFilePath());
    QVERIFY(files.at(0)->isFile());
    QCOMPARE(files.at(0)->size(), QFileInfo(path).size());
}

void TestArchivePane::setFileShowsPicture()
{
    ArchivePane pane(DeviceManager::UsbFile, QStringLiteral("EN"));
    const QImage picture = testPicture();
    ImageFile file;
    file.path = QStringLiteral("/media/cam/DCIM/IR_0007.png");
    file.name = QStringLiteral("IR_0007.png");
    file.modified = QDateTime(QDate(2024, 5, 1), QTime(12, 30));
    file.data = pngBytes(picture);
    pane.setFile(&file);
    file.data.fill('\0'); // the record is only valid during the call

    QCOMPARE(pane.shownPicture().toImage().convertToFormat(QImage::Format_RGB32),
             picture.convertToFormat(QImage::Format_RGB32));
    const QString info = pane.findChild<QLabel*>(QStringLiteral("lblInfo"))->text();
    QVERIFY2(info.contains(QStringLiteral("IR_0007.png")), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("80 x 108")), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("2024")), qPrintable(info));
    pane.setFile(nullptr);
    QVERIFY(!pane.shownPicture().isNull());
}

void TestArchivePane::undecodableFile()
{
    ArchivePane pane(DeviceManager::UsbFile, QStringLiteral("EN"));
    ImageFile good;
    good.name = QStringLiteral("good.png");
    good.data = pngBytes(testPicture());
    pane.setFile(&good);
    ImageFile bad;
    bad.name = QStringLiteral("broken.png");
    bad.data = QByteArray("\x89PNG\r\n\x1a\n truncated");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot decode")));
    pane.setFile(&bad);
    QVERIFY(pane.shownPicture().isNull());
    QVERIFY(pane.findChild<QLabel*>(QStringLiteral("lblInfo"))->text().contains(QStringLiteral("broken.png")));
}

void TestArchivePane::diskChoiceSurvivesRefresh()
{
    QTemporaryDir diskA, diskB;
    writePicture(diskA.filePath(QStringLiteral("a.png")), testPicture(), "PNG");
    writePicture(diskB.filePath(QStringLiteral("b1.png")), testPicture(), "PNG");
    writePicture(diskB.filePath(QStringLiteral("b2.png")), testPicture(), "PNG");

    ArchivePane pane(DeviceManager::UsbFile, QStringLiteral("EN"));
    auto* disks = pane.findChild<QComboBox*>(QStringLiteral("cbbDisk"));
    auto* list = pane.findChild<QListWidget*>(QStringLiteral("lstFiles"));
    pane.setUDisks({diskA.path(), diskB.path()});
    QCOMPARE(disks->currentData().toString(), diskA.path());
    QTRY_COMPARE(listedNames(list), QStringList{"a.png"});

    disks->setCurrentIndex(1);
    QTRY_COMPARE(listedNames(list), (QStringList{"b1.png", "b2.png"}));
    list->setCurrentRow(1);

    // A new disk appears in front: the choice and the listing stay as they are.
    pane.setUDisks({QStringLiteral("/nonexistent-disk"), diskA.path(), diskB.path()});
    QCOMPARE(disks->count(), 3);
    QCOMPARE(disks->currentData().toString(), diskB.path());
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentRow(), 1);

    // The chosen disk goes away: the first one is shown.
    pane.setUDisks({diskA.path()});
    QCOMPARE(disks->currentData().toString(), diskA.path());
    QTRY_COMPARE(listedNames(list), QStringList{"a.png"});

    pane.setUDisks({});
    QCOMPARE(list->count(), 0);
    QCOMPARE(disks->count(), 0);
}

void TestArchivePane::refreshFindsNewFiles()
{
    QTemporaryDir disk;
    writePicture(disk.filePath(QStringLiteral("one.png")), testPicture(), "PNG");
    ArchivePane pane(DeviceManager::UsbFile, QStringLiteral("EN"));
    pane.show();
    pane.setUDisks({disk.path()});
    auto* list = pane.findChild<QListWidget*>(QStringLiteral("lstFiles"));
    QTRY_COMPARE(list->count(), 1);
    writePicture(disk.filePath(QStringLiteral("sub/two.jpg")), testPicture(), "JPEG");
    QTest::mouseClick(pane.findChild<QPushButton*>(QStringLiteral("btnRefresh")), Qt::LeftButton);
    QTRY_COMPARE(listedNames(list), (QStringList{"one.png", "two.jpg"}));
}

void TestArchivePane::setFilesKeepsPictures()
{
    ArchivePane pane(DeviceManager::WifiFile, QStringLiteral("EN"));
    QUrlInfo picture(QStringLiteral("/DCIM/IR_0001.jpg"), 1234, QDateTime(), false);
    QUrlInfo text(QStringLiteral("/DCIM/log.txt"), 10, QDateTime(), false);
    QUrlInfo folder(QStringLiteral("/DCIM/old.png"), 0, QDateTime(), true);
    pane.setFiles({&picture, &text, &folder, nullptr});
    auto* list = pane.findChild<QListWidget*>(QStringLiteral("lstFiles"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->data(Qt::UserRole).toString(), QStringLiteral("/DCIM/IR_0001.jpg"));
}

void TestArchivePane::closeButton()
{
    ArchivePane pane(DeviceManager::UsbFile, QStringLiteral("EN"));
    pane.show();
    QSignalSpy spy(&pane, &ChildPane::subClose);
    QTest::mouseClick(pane.findChild<QToolButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<DeviceManager::Mode>(), DeviceManager::UsbFile);
}

void TestArchivePane::artifact()
{
    QTemporaryDir disk;
    const std::array<ushort, 256> palette = ironPalette();
    const QImage picture = thermalPicture(palette.data());
    for (int i = 1; i <= 6; ++i)
        writePicture(disk.filePath(QStringLiteral("DCIM/IR_%1.png").arg(i, 4, 10, QLatin1Char('0'))),
                     picture.mirrored(i % 2, false), "PNG");

    ArchivePane pane(DeviceManager::UsbFile, QStringLiteral("EN"));
    pane.setWindowTitle(QStringLiteral("USB[File]"));
    pane.resize(900, 620);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    pane.setUDisks({disk.path()});
    auto* list = pane.findChild<QListWidget*>(QStringLiteral("lstFiles"));
    QTRY_COMPARE(list->count(), 6);
    QTRY_VERIFY(hasThumbnail(list->item(5)));
    list->setCurrentRow(2);

    ImageFile file;
    file.path = disk.filePath(QStringLiteral("DCIM/IR_0003.png"));
    file.name = QStringLiteral("IR_0003.png");
    file.modified = QDateTime(QDate(2024, 5, 1), QTime(12, 30));
    file.data = pngBytes(picture);
    pane.setFile(&file);
    QTest::qWait(20);
    saveArtifact(&pane, QStringLiteral("archivepane"));
}

QTEST_MAIN(TestArchivePane)
#include "tst_archivepane.moc"
