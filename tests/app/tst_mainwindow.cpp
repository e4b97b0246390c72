#include "mainwindow.h"
#include "optionsfile.h"
#include "workarea.h"

#include <junction/junction.h>
#include <panes/archivepane.h>
#include <panes/livepane.h>
#include <testpaths.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

using DM = DeviceManager;

namespace {

QStringList actionTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* a : actions)
        texts << a->text();
    return texts;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> m_window;
    QStringList m_disks;

    // A window whose first connection attempt has run against no camera and the given disks.
    MainWindow* makeWindow()
    {
        m_window = std::make_unique<MainWindow>(nullptr);
        m_window->junction()->setDiskLister([this] { return m_disks; });
        m_window->show();
        const bool settled = QTest::qWaitFor([this] {
            const QString text = m_window->statusLabel()->text();
            return !text.isEmpty() && text != QLatin1String("Trying to open device...");
        });
        return settled ? m_window.get() : nullptr;
    }

    QTreeWidgetItem* leaf(int group, int kind) { return m_window->treeWidget()->topLevelItem(group)->child(kind); }

private slots:
    void initTestCase()
    {
        qunsetenv("KM420_CAMERA_PORT");
        QApplication::setQuitOnLastWindowClosed(false);
        qRegisterMetaType<DeviceManager::Mode>();
    }

    void init()
    {
        QFile::remove(TestPaths::optionsFilePath());
        m_disks.clear();
    }

    void cleanup()
    {
        if (m_window)
            m_window->close();
        m_window.reset();
    }

    void shape()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("KM420 V1.01"));
        QCOMPARE(actionTexts(w->menuBar()->actions()), (QStringList{"File", "Tools", "Help"}));
        QMenu* file = w->menuBar()->actions().at(0)->menu();
        QMenu* tools = w->menuBar()->actions().at(1)->menu();
        QMenu* help = w->menuBar()->actions().at(2)->menu();
        QCOMPARE(actionTexts(file->actions()),
                 (QStringList{"Connect", "Disconnect", "Capture", "Open Recording...", "Record", "Option", "Close"}));
        QCOMPARE(actionTexts(tools->actions()), (QStringList{"Layout Profiles...", "Block Explorer..."}));
        QCOMPARE(actionTexts(help->actions()), QStringList{"User Manual"});
        QVERIFY(w->actionConnect()->isEnabled());
        QVERIFY(!w->actionDisconnect()->isEnabled());
        QVERIFY(!w->actionCapture()->isEnabled());
        QVERIFY(w->actionOption()->isEnabled());
        QVERIFY(w->actionClose()->isEnabled());
        QVERIFY(w->actionManual()->isEnabled());
        QCOMPARE(w->statusLabel()->text(), QStringLiteral("Failed to open device"));
        QCOMPARE(w->statusLabel()->minimumWidth(), 60);
        QVERIFY(qApp->styleSheet().contains(QLatin1String("#DC5000"), Qt::CaseInsensitive));
        QVERIFY(!w->windowIcon().isNull());
        QVERIFY(!w->actionConnect()->icon().isNull());
    }

    void deviceTree()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        QTreeWidget* tree = w->treeWidget();
        QVERIFY(tree->isHidden());
        QCOMPARE(tree->columnCount(), 2);
        QCOMPARE(tree->topLevelItemCount(), 2);
        const QStringList groups{"Wi-Fi", "USB"};
        const QStringList kinds{"File", "Video"};
        int entryIndex = 0;
        for (int g = 0; g < 2; ++g) {
            QTreeWidgetItem* group = tree->topLevelItem(g);
            QCOMPARE(group->text(0), groups.at(g));
            QCOMPARE(group->data(0, Qt::UserRole + 1).toInt(), 0);
            QCOMPARE(group->childCount(), 2);
            for (int k = 0; k < 2; ++k) {
                QTreeWidgetItem* item = group->child(k);
                QCOMPARE(item->text(0), kinds.at(k));
                const auto address = item->data(0, Qt::UserRole + 1).value<quintptr>();
                QCOMPARE(address, reinterpret_cast<quintptr>(w->modeEntries().at(entryIndex++)));
            }
        }
        QCOMPARE(MainWindow::findChildItem(tree->invisibleRootItem(), QStringLiteral("Video")), leaf(0, 1));
        QCOMPARE(MainWindow::findChildItem(tree->invisibleRootItem(), QStringLiteral("none")), nullptr);
    }

    void openedTwiceMakesOnePane()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbVideo);
        emit w->junction()->opened(DM::UsbVideo);
        QCOMPARE(w->mdiArea()->subWindowList().size(), 1);
        auto* pane = qobject_cast<LivePane*>(w->mdiArea()->activeSubWindow());
        QVERIFY(pane);
        QCOMPARE(pane->windowTitle(), QStringLiteral("USB[Video]"));
        QVERIFY(pane->isMaximized());
        QCOMPARE(leaf(1, 1)->text(1), QStringLiteral("Active"));
        QCOMPARE(leaf(1, 1)->foreground(1).color(), QColor(QStringLiteral("#DC5000")));
        QCOMPARE(w->statusLabel()->text(), QStringLiteral("Camera is open"));
        QVERIFY(!w->actionConnect()->isEnabled());
        QVERIFY(w->actionDisconnect()->isEnabled());
    }

    void openedAndClosedPerMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("live");
        QTest::addColumn<QString>("openText");
        QTest::addColumn<QString>("closeText");
        QTest::newRow("1") << 1 << "Wi-Fi[File]" << false << "Failed to open device"
                           << "Failed to open device";
        QTest::newRow("2") << 2 << "Wi-Fi[Video]" << true << "Failed to open device"
                           << "Failed to open device";
        QTest::newRow("4") << 4 << "USB[File]" << false << "USB flash disk is open"
                           << "USB flash disk is close";
        QTest::newRow("8") << 8 << "USB[Video]" << true << "Camera is open"
                           << "Camera is close";
    }

    void openedAndClosedPerMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(bool, live);
        QFETCH(QString, openText);
        QFETCH(QString, closeText);
        MainWindow* w = makeWindow();
        QVERIFY(w);
        auto* area = qobject_cast<WorkArea*>(w->mdiArea());
        const QString hint = QStringLiteral("No camera is open. Switch the camera to USB video mode, plug it in, "
                                            "then choose File > Connect.");
        QCOMPARE(area->shownHint(), hint);
        const auto m = DM::Mode(mode);
        emit w->junction()->opened(m);
        ChildPane* pane = w->findModeWindow(m);
        QVERIFY(pane);
        QCOMPARE(area->shownHint(), QString());
        QCOMPARE(pane->windowTitle(), title);
        QCOMPARE(bool(qobject_cast<LivePane*>(pane)), live);
        QCOMPARE(bool(qobject_cast<ArchivePane*>(pane)), !live);
        QCOMPARE(pane->mode(), m);
        QCOMPARE(w->statusLabel()->text(), openText);

        QPointer<ChildPane> guard(pane);
        emit w->junction()->closed(m);
        QCOMPARE(w->findModeWindow(m), nullptr);
        QTRY_VERIFY(!guard);
        QCOMPARE(area->shownHint(), hint);
        QCOMPARE(w->statusLabel()->text(), closeText);
        QVERIFY(w->actionConnect()->isEnabled());
        QVERIFY(!w->actionDisconnect()->isEnabled());
    }

    void unknownModeIsIgnored()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        emit w->junction()->opened(DM::Mode(16));
        QCOMPARE(w->mdiArea()->subWindowList().size(), 0);
        QVERIFY(w->actionConnect()->isEnabled());
    }

    void closedWithoutWindow()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        w->actionConnect()->setEnabled(false);
        w->actionDisconnect()->setEnabled(true);
        emit w->junction()->closed(DM::UsbFile);
        QCOMPARE(leaf(1, 0)->text(1), QString());
        QCOMPARE(w->statusLabel()->text(), QStringLiteral("USB flash disk is close"));
        QVERIFY(w->actionConnect()->isEnabled());
        QVERIFY(!w->actionDisconnect()->isEnabled());
    }

    void connectIsWindowWide()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbFile);
        emit w->junction()->opened(DM::UsbVideo);
        emit w->junction()->closed(DM::UsbFile);
        QVERIFY(w->findModeWindow(DM::UsbVideo));
        QVERIFY(w->actionConnect()->isEnabled());
        QVERIFY(!w->actionDisconnect()->isEnabled());
    }

    void videoGoesOnlyToItsMode()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        emit w->junction()->opened(DM::WifiVideo);
        auto* wifi = qobject_cast<LivePane*>(w->findModeWindow(DM::WifiVideo));
        QVERIFY(wifi);
        QImage image(80, 108, QImage::Format_RGB16);
        image.fill(Qt::red);
        emit w->junction()->imageReadVideo(QPixmap::fromImage(image), DM::UsbVideo);
        QVERIFY(!wifi->hasPicture());
        emit w->junction()->imageReadVideo(QPixmap::fromImage(image), DM::WifiVideo);
        QVERIFY(wifi->hasPicture());
        // Extended information and palettes are for the USB camera only, disks for the disk window; neither is
        // open here.
        QByteArray record(14935, '\0');
        emit w->junction()->updateExtendParam(record.data());
        emit w->junction()->disksFresh({QStringLiteral("/media/x")});
        QVERIFY(!w->findModeWindow(DM::UsbVideo));
        QVERIFY(!w->findModeWindow(DM::UsbFile));
    }

    void captureFollowsActivePane()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbVideo);
        auto* usb = qobject_cast<LivePane*>(w->findModeWindow(DM::UsbVideo));
        QVERIFY(!w->actionCapture()->isEnabled());
        QImage image(80, 108, QImage::Format_RGB16);
        image.fill(Qt::blue);
        emit w->junction()->imageReadVideo(QPixmap::fromImage(image), DM::UsbVideo);
        QTRY_VERIFY(w->actionCapture()->isEnabled());

        emit w->junction()->opened(DM::WifiVideo);
        QTRY_VERIFY(!w->actionCapture()->isEnabled());
        w->mdiArea()->setActiveSubWindow(usb);
        QTRY_VERIFY(w->actionCapture()->isEnabled());
        emit w->junction()->closed(DM::UsbVideo);
        QTRY_VERIFY(!w->actionCapture()->isEnabled());
    }

    void livePaneOptionsReachMainWindow()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbVideo);
        auto* pane = qobject_cast<LivePane*>(w->findModeWindow(DM::UsbVideo));
        QVERIFY(pane);
        OptionParam changed = w->optionParam();
        changed.allowAlarm = !changed.allowAlarm;
        changed.allowMaxAlarm = !changed.allowMaxAlarm;
        emit pane->updateOptionParam(changed);
        QCOMPARE(w->optionParam(), changed);
    }

    void closeWritesOptionsThatRestore()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        w->resize(700, 500);
        w->move(40, 30);
        const QByteArray geometry = w->saveGeometry();
        w->close();
        QVERIFY(QFile::exists(TestPaths::optionsFilePath()));
        const OptionsFile::WindowState saved = OptionsFile::readWindowState(TestPaths::optionsFilePath());
        QCOMPARE(saved.geometry, geometry);
        QVERIFY(saved.hasState);
        m_window.reset();

        MainWindow* again = makeWindow();
        QVERIFY(again);
        QCOMPARE(again->size(), QSize(700, 500));
    }

    void closeWithoutPanesMakesNoDeviceCall()
    {
        MainWindow* w = makeWindow();
        QVERIFY(w);
        QSignalSpy closed(w->junction(), &Junction::closed);
        w->close();
        QCOMPARE(closed.count(), 0);
        QVERIFY(QFile::exists(TestPaths::optionsFilePath()));
    }

    // A real flash disk opens mode 4 through the Junction; closing the window closes it.
    void closeClosesOpenModes()
    {
        m_disks = QStringList{QDir::tempPath()};
        MainWindow* w = makeWindow();
        QVERIFY(w);
        QTRY_VERIFY(w->findModeWindow(DM::UsbFile));
        QCOMPARE(w->statusLabel()->text(), "USB flash disk is open: " + QDir::toNativeSeparators(QDir::tempPath()));
        QSignalSpy closed(w->junction(), &Junction::closed);
        w->hide();
        w->close();
        QCOMPARE(closed.count(), 1);
        QCOMPARE(closed.at(0).at(0).value<DM::Mode>(), DM::UsbFile);
        QVERIFY(!w->junction()->modeIsActived(DM::UsbFile));
        QCOMPARE(w->findModeWindow(DM::UsbFile), nullptr);
    }

    void refusedFileSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("why"); // empty: the picture is shown
        QByteArray png;
        QBuffer buffer(&png);
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"));
        QTest::newRow("picture") << png << qint64(png.size()) << "";
        QTest::newRow("text named png") << QByteArray("hello") << qint64(5) << "could not be read as a PNG";
        QTest::newRow("too large") << png << Junction::MaxPictureSize + 1 << "too large";
        QTest::newRow("gone") << png << qint64(-1) << "no longer there";
    }

    void refusedFileSaysWhy()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, size);
        QFETCH(QString, why);
        QTemporaryDir disk;
        QFile file(disk.filePath(QStringLiteral("IR_0001.png")));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        QVERIFY(file.resize(qMax(size, qint64(content.size()))));
        file.close();
        m_disks = QStringList{disk.path()};
        MainWindow* w = makeWindow();
        QVERIFY(w);
        QTRY_VERIFY(w->findModeWindow(DM::UsbFile));
        auto* pane = qobject_cast<ArchivePane*>(w->findModeWindow(DM::UsbFile));
        auto* list = pane->findChild<QListWidget*>(QStringLiteral("lstFiles"));
        QTRY_COMPARE(list->count(), 1);
        if (size < 0)
            QVERIFY(file.remove());
        emit list->itemActivated(list->item(0));
        const QString info = pane->findChild<QLabel*>(QStringLiteral("lblInfo"))->text();
        QVERIFY2(why.isEmpty() ? !pane->shownPicture().isNull() : info.contains(why), qPrintable(info));
        QVERIFY2(!info.startsWith(QLatin1String("Opening")), qPrintable(info));
    }

    void paneCloseRequest()
    {
        m_disks = QStringList{QDir::tempPath()};
        MainWindow* w = makeWindow();
        QVERIFY(w);
        QTRY_VERIFY(w->findModeWindow(DM::UsbFile));
        ChildPane* pane = w->findModeWindow(DM::UsbFile);
        QPointer<ChildPane> guard(pane);
        emit pane->subClose(DM::UsbFile);
        QCOMPARE(w->findModeWindow(DM::UsbFile), nullptr);
        QVERIFY(!w->junction()->modeIsActived(DM::UsbFile));
        QTRY_VERIFY(!guard);
        QCOMPARE(w->statusLabel()->text(), QStringLiteral("USB flash disk is close"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
