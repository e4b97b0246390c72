#include "mainwindow.h"
#include "optiondialog.h"
#include "optionsfile.h"

#include <modalwatcher.h>

#include <junction.h>
#include <livepane.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
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

using DM = DeviceManager;

namespace {

QString optionsPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/options.xml");
}

void acceptBox(QWidget* w)
{
    ModalWatcher::acceptBox(w);
}

void chooseFile(QFileDialog* dialog, const QString& path)
{
    ModalWatcher::chooseFile(dialog, path);
}

} // namespace

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
        if (!OptionsFile::write(optionsPath(), param, {}, {}))
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
            watcher.handler = acceptBox;
            m_window->close();
        }
        m_window.reset();
        QFile::remove(optionsPath());
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
        QTest::addColumn<int>("pick");       // index to choose, -1 keeps the preselection
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
                acceptBox(modal);
            }
        };
        w->actionOption()->trigger();

        QCOMPARE(seenIndex, preselected);
        QCOMPARE(w->optionParam().language, language);
        QCOMPARE(w->optionParam().historyFilesPath, accept ? typedPath : m_dir.path());
        const QString box = QStringLiteral("box:KM420:Changes will take effect when you restart application.");
        QCOMPARE(watcher.seen.contains(box), message);
    }

    void optionsGoToActiveUsbLivePaneOnly()
    {
        MainWindow* w = makeWindow(QStringLiteral("EN"));
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbVideo);
        auto* usb = qobject_cast<LivePane*>(w->findModeWindow(DM::UsbVideo));
        emit w->junction()->opened(DM::WifiVideo);
        auto* wifi = qobject_cast<LivePane*>(w->findModeWindow(DM::WifiVideo));
        QVERIFY(usb && wifi);
        QCOMPARE(w->mdiArea()->activeSubWindow(), wifi);

        const QString path = m_dir.filePath(QStringLiteral("new"));
        ModalWatcher watcher;
        watcher.handler = [&](QWidget* modal) {
            if (auto* dialog = qobject_cast<OptionDialog*>(modal)) {
                dialog->leHistoryFilesPath->setText(path);
                dialog->btnOk->click();
            } else {
                acceptBox(modal);
            }
        };
        w->actionOption()->trigger();
        QCOMPARE(w->optionParam().historyFilesPath, path);
        QVERIFY(wifi->optionsParam().historyFilesPath != path);
        QVERIFY(usb->optionsParam().historyFilesPath != path);

        w->mdiArea()->setActiveSubWindow(usb);
        w->actionOption()->trigger();
        QCOMPARE(usb->optionsParam().historyFilesPath, path);
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
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("message");
        QTest::newRow("saved") << false << "box::Picture saved successfully.";
        QTest::newRow("cancelled") << true << "box::Failed to save picture.";
    }

    void capture()
    {
        QFETCH(bool, cancel);
        QFETCH(QString, message);
        MainWindow* w = makeWindow(QStringLiteral("EN"));
        QVERIFY(w);
        emit w->junction()->opened(DM::UsbVideo);
        QImage image(80, 108, QImage::Format_RGB16);
        image.fill(QColor(200, 80, 0));
        emit w->junction()->imageReadVideo(QPixmap::fromImage(image), DM::UsbVideo);
        QTRY_VERIFY(w->actionCapture()->isEnabled());

        const QString target = m_dir.filePath(QStringLiteral("shot.png"));
        QFile::remove(target);
        QString caption;
        ModalWatcher watcher;
        watcher.handler = [&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                caption = dialog->windowTitle();
                if (cancel) {
                    dialog->reject();
                } else {
                    chooseFile(dialog, target);
                }
            } else {
                acceptBox(modal);
            }
        };
        w->actionCapture()->trigger();
        QCOMPARE(caption, QStringLiteral("Save Image"));
        QVERIFY2(watcher.seen.contains(message), qPrintable(watcher.seen.join(" / ")));
        QCOMPARE(QFile::exists(target), !cancel);
        if (!cancel) {
            QImage back(target);
            QCOMPARE(back.size(), QSize(80, 108));
            QCOMPARE(back.pixelColor(10, 10), image.pixelColor(10, 10));
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
                chooseFile(dialog, target);
            } else {
                acceptBox(modal);
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
        QTest::newRow("cn") << "cn" << "./Software Manual.pdf";
        QTest::newRow("DE") << "DE" << "./Software Manual.pdf";
        QTest::newRow("empty") << "" << "./Software Manual.pdf";
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
