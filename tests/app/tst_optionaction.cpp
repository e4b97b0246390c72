#include "appfolders.h"
#include "mainwindow.h"
#include "optiondialog.h"
#include "optionsfile.h"

#include <modalwatcher.h>
#include <testpaths.h>

#include <devicebase/km420frame.h>
#include <junction/junction.h>
#include <panes/livepane.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

using DM = DeviceManager;

class TestOptionAction : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MainWindow> m_window;
    QTemporaryDir m_dir;

    MainWindow* makeWindow(const QString& language)
    {
        OptionParam param;
        param.language = language;
        param.historyFilesPath = m_dir.path();
        if (!OptionsFile::write(TestPaths::optionsFilePath(), param, {}, {}))
            return nullptr;
        m_window = std::make_unique<MainWindow>(nullptr);
        m_window->junction()->setDiskLister([] { return QStringList(); });
        m_window->show();
        const bool settled = QTest::qWaitFor(
            [this] { return m_window->statusLabel()->text() == QLatin1String("Failed to open device"); });
        return settled ? m_window.get() : nullptr;
    }

private slots:
    void initTestCase()
    {
        qunsetenv("KM420_CAMERA_PORT");
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void cleanup()
    {
        if (m_window) {
            ModalWatcher watcher;
            watcher.handler = ModalWatcher::acceptBox;
            m_window->close();
        }
        m_window.reset();
        QFile::remove(TestPaths::optionsFilePath());
    }

    void dialogShape()
    {
        OptionDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
        QCOMPARE(dialog.cbbLanguage->count(), 8);
        const QStringList codes{"EN", "CN", "DE", "FR", "ES", "RU", "IT", "JA"};
        const QStringList names{"English", "Chinese", "German", "French", "Spanish", "Russian", "Italian", "Japanese"};
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(dialog.cbbLanguage->itemData(i, Qt::UserRole).toString(), codes.at(i));
            QCOMPARE(dialog.cbbLanguage->itemText(i), names.at(i));
        }
        QCOMPARE(dialog.btnHistoryFilesPath->text(), QStringLiteral("..."));
        QVERIFY(dialog.leHistoryFilesPath->minimumWidth() >= 300);
        QVERIFY(!(dialog.windowFlags() & Qt::WindowContextHelpButtonHint));
        QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    }

    // The "..." button keeps its small size under the application style sheet, the others do not.
    void smallButtonUnderStyleSheet()
    {
        MainWindow* w = makeWindow(QString());
        QVERIFY(w);
        Q_UNUSED(w)
        OptionDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.btnHistoryFilesPath->minimumWidth() < 40);
        QVERIFY(dialog.btnOk->minimumWidth() >= 40);
        QVERIFY(dialog.btnOk->minimumHeight() >= 20);
    }

    void optionAction_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("pick"); // index to choose, -1 keeps the preselection
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("preselected");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("message");

        QTest::newRow("empty shows English, OK stores EN") << "" << -1 << true << 0 << "EN" << true;
        QTest::newRow("lower-case de selects German") << "de" << -1 << true << 2 << "DE" << true;
        QTest::newRow("DE unchanged") << "DE" << -1 << true << 2 << "DE" << false;
        QTest::newRow("DE to CN") << "DE" << 1 << true << 2 << "CN" << true;
        QTest::newRow("cancel changes nothing") << "DE" << 1 << false << 2 << "DE" << false;
        QTest::newRow("unknown code shows English") << "xx" << -1 << true << 0 << "EN" << true;
    }

    void optionAction()
    {
        QFETCH(QString, stored);
        QFETCH(int, pick);
        QFETCH(bool, accept);
        QFETCH(int, preselected);
        QFETCH(QString, language);
        QFETCH(bool, message);

        MainWindow* w = makeWindow(stored);
        QVERIFY(w);
        const QString typedPath = m_dir.filePath(QStringLiteral("typed/not/there"));
        int seenIndex = -1;
        ModalWatcher watcher;
        watcher.handler = [&](QWidget* modal) {
            if (auto* dialog = qobject_cast<OptionDialog*>(modal)) {
                seenIndex = dialog->cbbLanguage->currentIndex();
                if (pick >= 0)
                    dialog->cbbLanguage->setCurrentIndex(pick);
                dialog->leHistoryFilesPath->setText(typedPath);
                (accept ? dialog->btnOk : dialog->btnCancel)->click();
            } else {
                ModalWatcher::acceptBox(modal);
            }
        };
        w->actionOption()->trigger();

        QCOMPARE(seenIndex, preselected);
        QCOMPARE(w->optionParam().language, language);
        QCOMPARE(w->optionParam().historyFilesPath, accept ? typedPath : m_dir.path());
        const QString box = QStringLiteral("box:KM420:Changes will take effect when you restart application.");
        QCOMPARE(watcher.seen.contains(box), message);
    }

    void optionsSurviveAlarmSwitch_data()
    {
        QTest::addColumn<int>("front");
        QTest::newRow("USB video in front") << int(DM::UsbVideo);
        QTest::newRow("Wi-Fi video in front") << int(DM::WifiVideo);
        QTest::newRow("USB file in front") << int(DM::UsbFile);
    }

    // The USB live pane sends its whole copy of the options back on an alarm switch: a language or
    // folder chosen while another pane was in front must not be undone by it.
    void optionsSurviveAlarmSwitch()
    {
        QFETCH(int, front);
        MainWindow* w = makeWindow(QStringLiteral("EN"));
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbVideo);
        emit w->junction()->opened(DM::Mode(front));
        auto* usb = qobject_cast<LivePane*>(w->findModeWindow(DM::UsbVideo));
        ChildPane* other = w->findModeWindow(DM::Mode(front));
        QVERIFY(usb && other);
        QCOMPARE(w->mdiArea()->activeSubWindow(), other);

        const QString path = m_dir.filePath(QStringLiteral("new"));
        ModalWatcher watcher;
        watcher.handler = [&](QWidget* modal) {
            if (auto* dialog = qobject_cast<OptionDialog*>(modal)) {
                dialog->cbbLanguage->setCurrentIndex(2);
                dialog->leHistoryFilesPath->setText(path);
                dialog->btnOk->click();
            } else {
                ModalWatcher::acceptBox(modal);
            }
        };
        w->actionOption()->trigger();
        if (auto* wifi = qobject_cast<LivePane*>(other); wifi && wifi != usb) // the options are the USB camera's
            QVERIFY(wifi->optionsParam().historyFilesPath != path);

        usb->findChild<QCheckBox*>(QStringLiteral("chkAlarm"))->click();
        QVERIFY(w->optionParam().allowAlarm);
        QCOMPARE(w->optionParam().language, QStringLiteral("DE"));
        QCOMPARE(w->optionParam().historyFilesPath, path);
    }

    void captureWithoutSuitablePane()
    {
        MainWindow* w = makeWindow(QStringLiteral("EN"));
        QVERIFY(w);
        ModalWatcher watcher;
        watcher.handler = [](QWidget* modal) { modal->close(); };
        w->actionCapture()->setEnabled(true); // the handler itself must refuse
        w->actionCapture()->trigger();
        emit w->junction()->opened(DM::WifiVideo);
        QImage image(80, 108, QImage::Format_RGB16);
        image.fill(Qt::green);
        emit w->junction()->imageReadVideo(QPixmap::fromImage(image), DM::WifiVideo);
        w->actionCapture()->setEnabled(true);
        w->actionCapture()->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(watcher.seen, QStringList());
    }

    void capture_data()
    {
        QTest::addColumn<QString>("typed");   // empty: the dialog is cancelled
        QTest::addColumn<QString>("written"); // empty: nothing is saved
        QTest::addColumn<int>("kind");        // the dialog's filter: the picture, the view as shown, the levels
        QTest::newRow("saved") << "shot.png"
                               << "shot.png" << 0;
        QTest::newRow("no extension") << "shot"
                                      << "shot.png" << 0;
        QTest::newRow("upper-case extension kept") << "SHOT.PNG"
                                                   << "SHOT.PNG" << 0;
        QTest::newRow("the view as shown") << "view"
                                           << "view.png" << 1;
        QTest::newRow("the levels") << "levels"
                                    << "levels.csv" << 2;
        QTest::newRow("cancelled") << ""
                                   << "" << 0;
    }

    void capture()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(int, kind);
        MainWindow* w = makeWindow(QStringLiteral("EN"));
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbVideo);
        QImage image(80, 108, QImage::Format_RGB16);
        image.fill(QColor(200, 80, 0));
        // The levels and the view need the frame's record; the picture alone does not.
        std::vector<char> record(Km420Frame::Size, 0);
        std::fill_n(record.begin() + Km420Frame::PixelOffset, Km420Frame::Height * Km420Frame::RowStride, '\x07');
        if (kind > 0)
            emit w->junction()->updateExtendParam(record.data());
        emit w->junction()->imageReadVideo(QPixmap::fromImage(image), DM::UsbVideo);
        QTRY_VERIFY(w->actionCapture()->isEnabled());

        for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files))
            QFile::remove(m_dir.filePath(name));
        QString caption;
        QString startFolder;
        ModalWatcher watcher;
        watcher.handler = [&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                caption = dialog->windowTitle();
                startFolder = dialog->directory().absolutePath();
                // As a user picks it, so that the dialog hears of it.
                if (auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
                    types->setCurrentIndex(kind);
                    emit types->activated(kind);
                }
                if (typed.isEmpty())
                    dialog->reject();
                else
                    ModalWatcher::chooseFile(dialog, m_dir.filePath(typed));
            } else {
                ModalWatcher::acceptBox(modal);
            }
        };
        w->actionCapture()->trigger();
        QCOMPARE(caption, QStringLiteral("Save Image"));
        QCOMPARE(startFolder, QDir(m_dir.path()).absolutePath()); // the history folder
        const QString message = written.isEmpty() ? QStringLiteral("box::Failed to save picture.")
                                                  : QStringLiteral("box::Picture saved successfully.");
        QVERIFY2(watcher.seen.contains(message), qPrintable(watcher.seen.join(" / ")));
        const QStringList files = QDir(m_dir.path()).entryList(QDir::Files);
        QCOMPARE(files, written.isEmpty() ? QStringList() : QStringList{written});
        if (!written.isEmpty() && kind == 0) {
            QImage back(m_dir.filePath(written));
            QCOMPARE(back.size(), QSize(80, 108));
            QCOMPARE(back.pixelColor(10, 10), image.pixelColor(10, 10));
        } else if (!written.isEmpty() && kind == 1) {
            QVERIFY(QImage(m_dir.filePath(written)).width() > 2 * 80);
        } else if (!written.isEmpty()) {
            QFile csv(m_dir.filePath(written));
            QVERIFY(csv.open(QIODevice::ReadOnly));
            const QByteArray text = csv.readAll();
            QVERIFY(text.contains("# layout: no temperatures\n") && text.contains("\n7,7,7,"));
            QCOMPARE(text.count('\n'), 6 + 108);
        }
    }

    // The camera goes away while the save dialog is open: no crash, and no success reported.
    void paneGoneDuringCapture()
    {
        MainWindow* w = makeWindow(QStringLiteral("EN"));
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbVideo);
        QImage image(80, 108, QImage::Format_RGB16);
        image.fill(Qt::white);
        emit w->junction()->imageReadVideo(QPixmap::fromImage(image), DM::UsbVideo);
        const QString target = m_dir.filePath(QStringLiteral("gone.png"));
        ModalWatcher watcher;
        watcher.handler = [&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                emit w->junction()->closed(DM::UsbVideo);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                ModalWatcher::chooseFile(dialog, target);
            } else {
                ModalWatcher::acceptBox(modal);
            }
        };
        w->actionCapture()->trigger();
        QVERIFY(watcher.seen.contains(QStringLiteral("box::Failed to save picture.")));
        QVERIFY(!QFile::exists(target));
    }

    void manualName_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::newRow("CN") << "CN" << QStringLiteral("./软件用户手册.pdf");
        QTest::newRow("cn") << "cn"
                            << "./Software Manual.pdf";
        QTest::newRow("DE") << "DE"
                            << "./Software Manual.pdf";
        QTest::newRow("empty") << ""
                               << "./Software Manual.pdf";
    }

    void manualName()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        MainWindow* w = makeWindow(language);
        QVERIFY(w);
        QStringList opened;
        w->setDocumentOpener([&](const QString& path) { opened << path; });
        w->actionManual()->trigger();
        QCOMPARE(opened, QStringList{QCoreApplication::applicationDirPath() + QLatin1Char('/') + name});
    }

    // An installed program's folder holds no manual; the one in the install's data folder is opened.
    void manualFromDataFolder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("besideProgram");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<bool>("expectInstalled");
        QTest::newRow("installed only") << "DE" << false << true << true;
        QTest::newRow("Chinese, installed only") << "CN" << false << true << true;
        QTest::newRow("beside the program wins") << "DE" << true << true << false;
    }

    void manualFromDataFolder()
    {
        QFETCH(QString, language);
        QFETCH(bool, besideProgram);
        QFETCH(bool, installed);
        QFETCH(bool, expectInstalled);
        const QString name = QFileInfo(MainWindow::manualPath(language)).fileName();
        const QString programCopy = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
        const QString installedCopy = AppFolders::dataFolder() + QLatin1Char('/') + name;
        const std::shared_ptr<void> removeAfter(nullptr, [&](void*) {
            QFile::remove(programCopy);
            QFile::remove(installedCopy);
        });
        QVERIFY(QDir().mkpath(AppFolders::dataFolder()));
        for (const auto& [wanted, path] :
             {std::pair{besideProgram, programCopy}, std::pair{installed, installedCopy}}) {
            QFile file(path);
            QVERIFY(!wanted || file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(QFileInfo(MainWindow::manualPath(language)).absoluteFilePath(),
                 QFileInfo(expectInstalled ? installedCopy : programCopy).absoluteFilePath());
    }

    void disconnectDisablesItself()
    {
        MainWindow* w = makeWindow(QStringLiteral("EN"));
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbVideo);
        QVERIFY(w->actionDisconnect()->isEnabled());
        w->actionDisconnect()->trigger();
        QVERIFY(!w->actionDisconnect()->isEnabled());
    }
};

QTEST_MAIN(TestOptionAction)
#include "tst_optionaction.moc"
