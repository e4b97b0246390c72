#include "localisation.h"
#include "mainwindow.h"
#include "optiondialog.h"
#include "optionsfile.h"

#include <camsim/camerasimulator.h>
#include <junction/junction.h>
#include <layouts/layoutcatalog.h>
#include <livefixture.h>
#include <modalwatcher.h>
#include <panes/livepane.h>
#include <testpaths.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// What a user sees, in the language named by CAMDESK_SCREENSHOT_LANG, saved under the build's
// artifacts folder: the main window with live video and the options dialog.
class TestScreenshots : public QObject {
    Q_OBJECT

private:
    QString m_code;
    QTemporaryDir m_dir;
    LiveFixture m_live;
    QString m_startDir;

    QString artifact(const QString& what) const
    {
        return TestPaths::artifactPath(QStringLiteral("%1-%2.png").arg(what, m_code.toLower()));
    }

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        m_code = qEnvironmentVariable("CAMDESK_SCREENSHOT_LANG", QStringLiteral("EN"));
        m_startDir = QDir::currentPath();

        OptionParam param;
        param.language = m_code;
        param.historyFilesPath = m_dir.path();
        const QString options = TestPaths::optionsFilePath();
        QVERIFY(OptionsFile::write(options, param, {}, {}));
        // As shipped: the translations sit beside the program, found from its working folder.
        QVERIFY(QDir::setCurrent(QStringLiteral(CAMDESK_BIN_DIR)));
        installTranslators(options, QStringLiteral("Language"));

        CameraSimulator::Options simOptions;
        simOptions.paletteNumber = 0;
        QVERIFY2(m_live.start(simOptions), qPrintable(m_live.errorString()));
    }

    void cleanupTestCase()
    {
        m_live.stop();
        QDir::setCurrent(m_startDir);
        QFile::remove(TestPaths::optionsFilePath());
    }

    void mainWindowWithLiveVideo()
    {
        MainWindow window(nullptr);
        window.junction()->setDiskLister([] { return QStringList(); });
        window.resize(1024, 720);
        window.show();
        const QString cameraOpen = QCoreApplication::translate("MainWindow", "Camera is open");
        QTRY_COMPARE_WITH_TIMEOUT(window.statusLabel()->text(), cameraOpen, 5000);
        if (m_code != QLatin1String("EN")) {
            // The translation really took effect.
            QVERIFY(cameraOpen != QLatin1String("Camera is open"));
            QVERIFY(window.menuBar()->actions().at(0)->text() != QLatin1String("File"));
        }
        QCOMPARE(window.windowTitle(), QStringLiteral("KM420 V1.01"));

        auto* pane = qobject_cast<LivePane*>(window.findModeWindow(DeviceManager::UsbVideo));
        QVERIFY(pane);
        QSignalSpy shown(pane, &LivePane::pictureShown);
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 12, 10000);
        QVERIFY(window.grab().save(artifact(QStringLiteral("mainwindow"))));

        ModalWatcher watcher;
        bool grabbed = false;
        QPair<int, int> buttonWidths; // shown, wanted
        watcher.handler = [&](QWidget* modal) {
            if (auto* dialog = qobject_cast<OptionDialog*>(modal)) {
                QTest::qWait(100);
                buttonWidths = {dialog->btnHistoryFilesPath->width(), dialog->btnHistoryFilesPath->sizeHint().width()};
                grabbed = dialog->grab().save(artifact(QStringLiteral("options")));
                dialog->reject();
            } else {
                ModalWatcher::acceptBox(modal);
            }
        };
        window.actionOption()->trigger();
        QVERIFY(grabbed);
        window.close();
        // However long the translated label, the "..." button keeps its whole text.
        QVERIFY2(buttonWidths.first >= buttonWidths.second,
                 qPrintable(QStringLiteral("%1 < %2").arg(buttonWidths.first).arg(buttonWidths.second)));
    }

    // A camera whose extended information is not camdesk's layout: a picture, and no number, alarm,
    // sound or log line made up from its bytes, although every alarm switch is on; with a profile for
    // its layout, its temperatures under the profile's name.
    void mainWindowWithForeignCamera_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<bool>("profile");
        QTest::addColumn<QString>("shot");
        QTest::newRow("foreign") << int(FrameBuilder::ExtBlock::Foreign) << false << "mainwindow-foreign-camera";
        QTest::newRow("kelvin, no profile") << int(FrameBuilder::ExtBlock::Kelvin) << false << "";
        QTest::newRow("kelvin, its profile")
            << int(FrameBuilder::ExtBlock::Kelvin) << true << "mainwindow-kelvin-camera";
    }

    void mainWindowWithForeignCamera()
    {
        QFETCH(int, block);
        QFETCH(bool, profile);
        QFETCH(QString, shot);
        LayoutCatalog::setSharedFolders(profile ? QStringList{QStringLiteral(CAMDESK_LAYOUT_EXAMPLES)} : QStringList());
        const auto restore = qScopeGuard([] { LayoutCatalog::setSharedFolders({}); });
        OptionParam param;
        param.language = m_code;
        param.historyFilesPath = m_dir.filePath(QStringLiteral("foreign-history"));
        param.allowAlarm = param.allowAlarmSound = param.allowLogGeneration = true;
        param.allowMinAlarm = param.allowMaxAlarm = true;
        QVERIFY(OptionsFile::write(TestPaths::optionsFilePath(), param, {}, {}));
        CameraSimulator::Options simOptions;
        simOptions.extBlock = FrameBuilder::ExtBlock(block);
        // Named by KM420_CAMERA_PORT until the test ends, then the main fixture's camera again.
        LiveFixture foreign;
        QVERIFY2(foreign.start(simOptions), qPrintable(foreign.errorString()));

        MainWindow window(nullptr);
        window.junction()->setDiskLister([] { return QStringList(); });
        window.resize(1024, 720);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(window.findModeWindow(DeviceManager::UsbVideo), 5000);
        auto* pane = qobject_cast<LivePane*>(window.findModeWindow(DeviceManager::UsbVideo));
        QVERIFY(pane);
        QSignalSpy shown(pane, &LivePane::pictureShown);
        QTRY_VERIFY_WITH_TIMEOUT(shown.count() >= 12, 10000);
        const QString max = pane->findChild<QLabel*>(QStringLiteral("lblMax"))->text();
        const QString layout = pane->findChild<QLabel*>(QStringLiteral("lblLayout"))->text();
        if (profile) {
            QVERIFY(pane->temperaturesKnown());
            QCOMPARE(layout, QStringLiteral("km420-sim kelvin layout"));
            QVERIFY2(max != QStringLiteral("\u2014") && max.contains(QRegularExpression(QStringLiteral("[0-9]"))),
                     qPrintable(max));
        } else {
            QVERIFY(!pane->temperaturesKnown());
            QCOMPARE(max, QStringLiteral("\u2014"));
            QCOMPARE(layout, QStringLiteral("\u2014"));
            QVERIFY(!pane->isAlarmActive());
            QVERIFY(!pane->isSounding());
            QVERIFY(!QDir(param.historyFilesPath).exists());
        }
        if (!shot.isEmpty())
            QVERIFY(window.grab().save(artifact(shot)));
        window.close();
    }
};

QTEST_MAIN(TestScreenshots)
#include "tst_screenshots.moc"
