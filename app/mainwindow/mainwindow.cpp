#include "mainwindow.h"

#include "appfolders.h"
#include "appinfo.h"
#include "blockexplorer.h"
#include "devicenotice.h"
#include "documentopener.h"
#include "layoutsdialog.h"
#include "lazyiconengine.h"
#include "optiondialog.h"
#include "optionsfile.h"
#include "workarea.h"

#include <junction/junction.h>
#include <panes/archivepane.h>
#include <panes/frameview.h>
#include <panes/livepane.h>
#include <panes/playbackpane.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Role under which each tree item records what it stands for: 0 for a group, the address of its
// ModeEntry for a kind.
constexpr int EntryRole = Qt::UserRole + 1;
const QColor activeColour(QStringLiteral("#DC5000"));

// The connection groups and content kinds are kept untranslated and translated where shown.
const char* const groupWifi = QT_TRANSLATE_NOOP("MainWindow", "Wi-Fi");
const char* const groupUsb = QT_TRANSLATE_NOOP("MainWindow", "USB");
const char* const kindFile = QT_TRANSLATE_NOOP("MainWindow", "File");
const char* const kindVideo = QT_TRANSLATE_NOOP("MainWindow", "Video");

using DM = DeviceManager;

// A filled dot in the colour of the alarm, drawn rather than shipped: no picture of the set fits.
QIcon recordIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(activeColour);
    painter.drawEllipse(QRectF(7, 7, 18, 18));
    return QIcon(pixmap);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("%1 V%2").arg(appName, appVersion));
    setWindowIcon(LazyIconEngine::icon(QStringLiteral(":image/app5.ico")));
    m_documentOpener = openDocument;

    readOptions();
    initDevice();
    initAction();
    initWidget();
    initConnection();
    // A first start has no saved geometry; give the live picture room.
    resize(1024, 720);
    restoreWindowState();

    QTimer::singleShot(0, this, &MainWindow::slotShowFinished);
}

MainWindow::~MainWindow()
{
    // Every mode was closed by the close sequence; the Junction must not call back into a window
    // that is going away.
    if (m_junction) {
        m_junction->disconnect(this);
        delete m_junction;
    }
    // A pane closed just before still waits for its deferred delete (the event loop has ended), so it goes
    // with the MDI area after the records below; its signals must not reach them.
    for (ChildPane* pane : findChildren<ChildPane*>())
        pane->disconnect(this);
    qDeleteAll(m_modeEntries);
    delete m_treeWidget;
    delete m_explorer;
    for (QAction* action : {m_actionConnect, m_actionDisconnect, m_actionOption, m_actionCapture, m_actionOpenRecording,
                            m_actionRecord, m_actionClose, m_actionManual, m_actionLayouts, m_actionExplorer})
        delete action;
}

QString MainWindow::optionsPath() const
{
    return OptionsFile::location();
}

QString MainWindow::trKey(const QString& key) const
{
    return tr(key.toLocal8Bit().constData());
}

void MainWindow::readOptions()
{
    // Beside the program as shipped; an installed program's folder is not the user's to write in.
    const QString programFolder = QCoreApplication::applicationDirPath();
    m_optionParam.historyFilesPath =
        (QFileInfo(programFolder).isWritable() ? programFolder
                                               : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)) +
        QStringLiteral("/History");
    OptionsFile::readOptions(optionsPath(), m_optionParam);
}

void MainWindow::restoreWindowState()
{
    const OptionsFile::WindowState saved = OptionsFile::readWindowState(optionsPath());
    // Data Qt refuses leaves the window as it was built.
    if (saved.hasGeometry)
        restoreGeometry(saved.geometry);
    if (saved.hasState)
        restoreState(saved.state, 0);
}

void MainWindow::writeOptions()
{
    if (!OptionsFile::write(optionsPath(), m_optionParam, saveGeometry(), saveState(0)))
        QMessageBox::warning(this, QString(), tr("Can not open file."), QMessageBox::Ok);
}

void MainWindow::initDevice()
{
    m_junction = new Junction;
    const struct {
        DM::Mode mode;
        const char* group;
        const char* kind;
    } entries[] = {
        {DM::WifiFile, groupWifi, kindFile},
        {DM::WifiVideo, groupWifi, kindVideo},
        {DM::UsbFile, groupUsb, kindFile},
        {DM::UsbVideo, groupUsb, kindVideo},
    };
    for (const auto& e : entries) {
        auto* entry = new ModeEntry;
        entry->mode = e.mode;
        entry->group = QString::fromLatin1(e.group);
        entry->kind = QString::fromLatin1(e.kind);
        m_modeEntries.append(entry);
    }
}

void MainWindow::initAction()
{
    m_actionConnect = new QAction(LazyIconEngine::icon(QStringLiteral(":/image/refresh.png")), tr("Connect"));
    m_actionDisconnect = new QAction(LazyIconEngine::icon(QStringLiteral(":/image/disconnect.png")), tr("Disconnect"));
    m_actionDisconnect->setEnabled(false);
    m_actionOption = new QAction(LazyIconEngine::icon(QStringLiteral(":/image/options.png")), tr("Option"));
    m_actionCapture = new QAction(LazyIconEngine::icon(QStringLiteral(":/image/capture.png")), tr("Capture"));
    m_actionClose = new QAction(LazyIconEngine::icon(QStringLiteral(":/image/exit3.png")), tr("Close"));
    m_actionManual = new QAction(LazyIconEngine::icon(QStringLiteral(":/image/manual.png")), tr("User Manual"));
    m_actionLayouts = new QAction(tr("Layout Profiles..."));
    m_actionExplorer = new QAction(tr("Block Explorer..."));
    m_actionExplorer->setToolTip(tr("Find where a camera keeps its readings and build a layout profile"));
    m_actionCapture->setEnabled(false);
    m_actionOpenRecording =
        new QAction(LazyIconEngine::icon(QStringLiteral(":/image/video.png")), tr("Open Recording..."));
    m_actionRecord = new QAction(recordIcon(), tr("Record"));
    m_actionRecord->setCheckable(true);
    m_actionRecord->setToolTip(tr("Record every camera frame to a file in the history folder"));
    m_actionRecord->setEnabled(false);
}

void MainWindow::initWidget()
{
    QFile sheet(QStringLiteral(":/image/%1.css").arg(QStringLiteral("black")));
    if (sheet.open(QIODevice::ReadOnly)) {
        QByteArray text = sheet.readAll();
        const int zero = text.indexOf('\0');
        if (zero >= 0)
            text.truncate(zero);
        qApp->setStyleSheet(QString::fromLatin1(text));
        sheet.close();
    }

    QMenu* fileMenu = menuBar()->addMenu(tr("File"));
    fileMenu->addAction(m_actionConnect);
    fileMenu->addAction(m_actionDisconnect);
    // Capture sits where users look for it; it is enabled only while it can do something.
    fileMenu->addAction(m_actionCapture);
    fileMenu->addAction(m_actionOpenRecording);
    fileMenu->addAction(m_actionRecord);
    fileMenu->addAction(m_actionOption);
    fileMenu->addAction(m_actionClose);
    QMenu* toolsMenu = menuBar()->addMenu(tr("Tools"));
    toolsMenu->addAction(m_actionLayouts);
#if CAMDESK_WITH_CHARTS
    toolsMenu->addAction(m_actionExplorer);
#endif
    QMenu* helpMenu = menuBar()->addMenu(tr("Help"));
    helpMenu->addAction(m_actionManual);

    m_statusBar = new QStatusBar;
    setStatusBar(m_statusBar);
    m_statusLabel = new QLabel;
    m_statusLabel->setMinimumWidth(60);
    m_statusLabel->setAlignment(Qt::AlignLeft);
    m_statusLabel->setStyleSheet(QStringLiteral("font-weight:bold;"));
    m_statusBar->addPermanentWidget(m_statusLabel, 0);

    auto* workArea = new WorkArea(this);
    //: %1 and %2 are the menu and its item, as they are translated
    const QString hint = tr("No camera is open. Switch the camera to USB video mode, plug it in, then choose %1 > %2.");
    workArea->setEmptyHint(hint.arg(tr("File"), tr("Connect")));
    m_mdiArea = workArea;
    m_mdiArea->setTabsClosable(true);
    m_mdiArea->setBackground(Qt::NoBrush);
    m_mdiArea->setTabsMovable(true);
    for (QTabBar* bar : m_mdiArea->findChildren<QTabBar*>())
        bar->setDrawBase(false);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->addWidget(m_mdiArea);
    setCentralWidget(m_splitter);
}

// Built when first asked for: made with the window, it would lay out its items, reading their icons, before the
// window's first paint, for a tree nobody sees.
QTreeWidget* MainWindow::treeWidget()
{
    if (m_treeWidget)
        return m_treeWidget;
    m_treeWidget = new QTreeWidget;
    m_treeWidget->setColumnCount(2);
    m_treeWidget->setMinimumWidth(180);
    m_treeWidget->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_treeWidget->header()->hide();
    for (ModeEntry* entry : qAsConst(m_modeEntries)) {
        QTreeWidgetItem* group = findChildItem(m_treeWidget->invisibleRootItem(), trKey(entry->group));
        if (!group) {
            group = new QTreeWidgetItem;
            group->setText(0, trKey(entry->group));
            group->setData(0, EntryRole, 0);
            group->setIcon(0, QIcon(QStringLiteral(":/image/%1.png").arg(entry->group)));
            m_treeWidget->invisibleRootItem()->addChild(group);
        }
        QTreeWidgetItem* kind = findChildItem(group, trKey(entry->kind));
        if (!kind) {
            kind = new QTreeWidgetItem;
            kind->setText(0, trKey(entry->kind));
            kind->setData(0, EntryRole, QVariant::fromValue(reinterpret_cast<quintptr>(entry)));
            kind->setIcon(0, QIcon(QStringLiteral(":/image/%1.png").arg(entry->kind)));
            group->addChild(kind);
        }
    }
    m_treeWidget->expandAll();
    m_treeWidget->hide();
    connect(m_treeWidget, &QTreeWidget::itemActivated, this, &MainWindow::on_m_treeWidget_itemActivated);
    return m_treeWidget;
}

void MainWindow::initConnection()
{
    for (QAction* action :
         {m_actionConnect, m_actionCapture, m_actionDisconnect, m_actionClose, m_actionOption, m_actionManual})
        connect(action, &QAction::triggered, this, &MainWindow::slotActionTriggered);
    connect(m_actionRecord, &QAction::triggered, this, &MainWindow::toggleRecording);
    connect(m_actionOpenRecording, &QAction::triggered, this, &MainWindow::chooseRecording);
    connect(m_actionLayouts, &QAction::triggered, this, [this] { LayoutsDialog(this).exec(); });
#if CAMDESK_WITH_CHARTS
    connect(m_actionExplorer, &QAction::triggered, this, &MainWindow::showExplorer);
#endif

    connect(m_junction, &Junction::opened, this, &MainWindow::sltJunctionOpened);
    connect(m_junction, &Junction::closed, this, &MainWindow::sltJunctionClosed);
    connect(m_junction, &Junction::imageReadFile, this, &MainWindow::slotImageReadFile);
    connect(m_junction, &Junction::fileRefused, this, &MainWindow::slotFileRefused);
    connect(m_junction, &Junction::cameraFound, this, [this](const QString& port) {
        m_statusLabel->setText(tr("Camera found on %1").arg(QDir::toNativeSeparators(port)));
    });
    connect(m_junction, &Junction::imageReadVideo, this, &MainWindow::slotImageReadVideo);
    connect(m_junction, &Junction::disksFresh, this, &MainWindow::slotDisksFresh);
    connect(m_junction, &Junction::updateExtendParam, this, &MainWindow::slotUpdateExtendParam);

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] {
        updateCaptureEnabled();
        followActivePane();
    });
}

ChildPane* MainWindow::findModeWindow(DeviceManager::Mode mode, ModeEntry** entry) const
{
    for (ModeEntry* e : m_modeEntries) {
        if (e->mode == mode) {
            if (entry)
                *entry = e;
            return e->window;
        }
    }
    return nullptr;
}

QTreeWidgetItem* MainWindow::findChildItem(QTreeWidgetItem* item, const QString& name)
{
    if (!item)
        return nullptr;
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem* child = item->child(i);
        if (child->text(0) == name)
            return child;
        if (QTreeWidgetItem* found = findChildItem(child, name))
            return found;
    }
    return nullptr;
}

QTreeWidgetItem* MainWindow::findModeItem(DeviceManager::Mode mode)
{
    int top;
    if (DM::inMask(mode, DM::WifiModes))
        top = 0;
    else if (DM::inMask(mode, DM::UsbModes))
        top = 1;
    else
        return nullptr;
    int child;
    if (DM::inMask(mode, DM::FileModes))
        child = 0;
    else if (DM::inMask(mode, DM::VideoModes))
        child = 1;
    else
        return nullptr;
    QTreeWidgetItem* group = treeWidget()->topLevelItem(top);
    return group ? group->child(child) : nullptr;
}

void MainWindow::closeModeWindow(ModeEntry* entry)
{
    if (!entry || !entry->window)
        return;
    ChildPane* window = entry->window;
    entry->window = nullptr;
    window->close();
    m_mdiArea->activateNextSubWindow();
}

void MainWindow::closeAllModes()
{
    for (ModeEntry* entry : qAsConst(m_modeEntries))
        m_junction->close(entry->mode);
}

void MainWindow::updateCaptureEnabled()
{
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    auto* live = qobject_cast<LivePane*>(active);
    auto* playback = qobject_cast<PlaybackPane*>(active);
    const bool usbLive = live && live->mode() == DM::UsbVideo;
    m_actionCapture->setEnabled((usbLive && live->hasPicture()) || (playback && playback->hasPicture()));
    // The USB camera's pane records wherever the active window is, so Stop stays within reach.
    auto* camera = qobject_cast<LivePane*>(findModeWindow(DM::UsbVideo));
    const bool recording = camera && camera->isRecording();
    m_actionRecord->setEnabled(usbLive || recording);
    m_actionRecord->setChecked(recording);
    m_actionRecord->setText(recording ? tr("Stop Recording") : tr("Record"));
    m_actionRecord->setIcon(recording ? QIcon(QStringLiteral(":/image/stop2.png")) : recordIcon());
}

void MainWindow::toggleRecording(bool on)
{
    auto* camera = qobject_cast<LivePane*>(findModeWindow(DM::UsbVideo));
    if (!camera) {
        updateCaptureEnabled();
        return;
    }
    if (!on) {
        camera->stopRecording();
        return;
    }
    if (camera->startRecording()) {
        m_statusLabel->setText(tr("Recording to %1").arg(QDir::toNativeSeparators(camera->recordingFileName())));
        return;
    }
    updateCaptureEnabled();
    QMessageBox::warning(this, QString(), tr("The recording could not start: %1").arg(camera->recordingError()),
                         QMessageBox::Ok);
}

void MainWindow::chooseRecording()
{
    const QString history = m_optionParam.historyFilesPath;
    QFileDialog dialog(this, tr("Open Recording"), QFileInfo(history).isDir() ? history : QString(),
                       tr("KM420 recordings (*.km420rec);;All files (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        openRecording(dialog.selectedFiles().constFirst());
}

bool MainWindow::openRecording(const QString& path)
{
    auto* pane = new PlaybackPane(m_optionParam.language, nullptr);
    if (!pane->openRecording(path)) {
        const QString why = pane->errorString();
        delete pane;
        QMessageBox::warning(this, QString(),
                             tr("The recording %1 cannot be opened: %2").arg(QDir::toNativeSeparators(path), why),
                             QMessageBox::Ok);
        return false;
    }
    pane->setCaptureAction(m_actionCapture);
    connect(pane, &PlaybackPane::pictureShown, this, [this] { updateCaptureEnabled(); });
    connect(pane, &ChildPane::subClose, pane, &QWidget::close);
    pane->setWindowFlags(Qt::FramelessWindowHint);
    pane->setAttribute(Qt::WA_DeleteOnClose);
    m_mdiArea->addSubWindow(pane);
    pane->showMaximized();
    m_mdiArea->setActiveSubWindow(pane);
    updateCaptureEnabled();
    return true;
}

void MainWindow::slotShowFinished()
{
    m_statusLabel->setText(tr("Trying to open device..."));
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    tryOpenDevices(6);
}

void MainWindow::tryOpenDevices(int value)
{
    m_actionConnect->setEnabled(false);
    if (!m_junction->tryOpen(value)) {
        m_actionConnect->setEnabled(true);
        m_statusLabel->setText(tr("Failed to open device"));
    }
}

void MainWindow::on_m_treeWidget_itemActivated(QTreeWidgetItem* item, int column)
{
    Q_UNUSED(column)
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents();
    auto* entry = reinterpret_cast<ModeEntry*>(item ? item->data(0, EntryRole).value<quintptr>() : 0);
    if (entry) {
        if (entry->window)
            m_mdiArea->setActiveSubWindow(entry->window);
        m_junction->open(entry->mode);
    }
    QApplication::restoreOverrideCursor();
}

void MainWindow::sltJunctionOpened(DeviceManager::Mode m)
{
    QTreeWidgetItem* leaf = findModeItem(m);
    if (!leaf)
        return;
    leaf->setText(1, tr("Active"));
    leaf->setForeground(1, activeColour);
    if (DM::inMask(m, DM::UsbModes) && DM::inMask(m, DM::FileModes)) {
        QStringList disks = m_junction->currentDisks();
        for (QString& disk : disks)
            disk = QDir::toNativeSeparators(disk);
        //: %1 is the mount point of the disk, or those of several disks with ", " between them.
        const QString named = tr("USB flash disk is open: %1").arg(disks.join(QStringLiteral(", ")));
        m_statusLabel->setText(disks.isEmpty() ? tr("USB flash disk is open") : named);
    } else if (DM::inMask(m, DM::UsbModes) && DM::inMask(m, DM::VideoModes)) {
        m_statusLabel->setText(tr("Camera is open"));
    }

    activateModeWindow(m);
    if (m == DM::UsbVideo) {
        if (auto* live = qobject_cast<LivePane*>(findModeWindow(m)))
            live->setCameraPort(m_junction->cameraPort());
    }

    ModeEntry* entry = nullptr;
    if (findModeWindow(m, &entry) && entry) {
        m_actionConnect->setEnabled(false);
        m_actionDisconnect->setEnabled(true);
    }
}

ChildPane* MainWindow::activateModeWindow(DeviceManager::Mode mode)
{
    ModeEntry* entry = nullptr;
    ChildPane* window = findModeWindow(mode, &entry);
    if (!window) {
        if (!entry)
            return nullptr;
        if (DM::inMask(mode, DM::FileModes)) {
            auto* pane = new ArchivePane(mode, m_optionParam.language, nullptr, Qt::WindowFlags());
            connect(pane, &ArchivePane::updateFiles, this, &MainWindow::slotUpdateFiles);
            window = pane;
        } else if (DM::inMask(mode, DM::VideoModes)) {
            auto* pane = new LivePane(mode, m_optionParam.language, nullptr, Qt::WindowFlags());
            pane->setOptionsParam(m_optionParam);
            connect(pane, &LivePane::updateOptionParam, this, &MainWindow::slotLivePaneUpdateOptionParam);
            if (mode == DM::UsbVideo) {
                pane->setCaptureAction(m_actionCapture);
                pane->setRecordAction(m_actionRecord);
                connect(pane, &LivePane::recordingChanged, this, [this, pane](bool recording) {
                    updateCaptureEnabled();
                    if (!recording)
                        m_statusLabel->setText(
                            tr("Recording saved: %1").arg(QDir::toNativeSeparators(pane->recordingFileName())));
                });
                connect(pane, &LivePane::recordingStopped, this, [this](const QString& file, const QString& reason) {
                    // Told after the frame that stopped it has gone its way.
                    QTimer::singleShot(0, this, [this, file, reason] {
                        QMessageBox::warning(this, QString(),
                                             tr("Recording stopped: %1\nWhat was recorded is kept in %2.")
                                                 .arg(reason, QDir::toNativeSeparators(file)),
                                             QMessageBox::Ok);
                    });
                });
            }
            connect(pane, &LivePane::pictureShown, this, [this] { updateCaptureEnabled(); });
            window = pane;
        } else {
            return nullptr;
        }
        connect(window, &ChildPane::pullImage, this, &MainWindow::slotPullImage);
        connect(window, &ChildPane::subClose, this, &MainWindow::slotChildPaneClose);
        // A pane that goes away by any other road must not leave a dangling record behind.
        connect(window, &QObject::destroyed, this, [entry, window] {
            if (entry->window == window)
                entry->window = nullptr;
        });
        window->setWindowFlags(Qt::FramelessWindowHint);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QStringLiteral("%1[%2]").arg(trKey(entry->group), trKey(entry->kind)));
        m_mdiArea->addSubWindow(window);
        window->showMaximized();
        entry->window = window;
    }
    m_mdiArea->setActiveSubWindow(window);
    return window;
}

void MainWindow::sltJunctionClosed(DeviceManager::Mode m)
{
    QTreeWidgetItem* leaf = findModeItem(m);
    if (!leaf)
        return;
    leaf->setText(1, QString());

    // A camera that went away by itself keeps its window, to go on in it when it comes back.
    const bool awaited = m_junction->modeIsAwaited(m);
    if (DM::inMask(m, DM::UsbModes) && DM::inMask(m, DM::FileModes)) {
        m_statusLabel->setText(tr("USB flash disk is close"));
    } else if (DM::inMask(m, DM::UsbModes) && DM::inMask(m, DM::VideoModes)) {
        if (auto* live = qobject_cast<LivePane*>(findModeWindow(m)))
            live->stopSound();
        const bool unplugged = awaited && !m_junction->cameraPortPresent();
        m_statusLabel->setText(unplugged ? tr("Camera unplugged; waiting for it") : tr("Camera is close"));
    }

    ModeEntry* entry = nullptr;
    if (!awaited && findModeWindow(m, &entry))
        closeModeWindow(entry);

    m_actionConnect->setEnabled(true);
    m_actionDisconnect->setEnabled(false);
}

void MainWindow::slotChildPaneClose(DeviceManager::Mode m)
{
    if (isHidden())
        show();
    ModeEntry* entry = nullptr;
    if ((m_junction->modeIsActived(m) || m_junction->modeIsAwaited(m)) && findModeWindow(m, &entry))
        closeModeWindow(entry);
    m_junction->close(m);
}

void MainWindow::slotImageReadFile(const ImageFile* file, DeviceManager::Mode m)
{
    if (ChildPane* window = findModeWindow(m))
        window->setFile(const_cast<ImageFile*>(file));
}

void MainWindow::slotImageReadVideo(QPixmap pixmap, DeviceManager::Mode mode)
{
    if (auto* live = qobject_cast<LivePane*>(findModeWindow(mode)))
        live->setPixmap(pixmap);
}

void MainWindow::slotFileRefused(const QString& path, ImageFile::Refusal why, DeviceManager::Mode m)
{
    // Without word the pane would say "Opening ..." for ever.
    if (auto* archive = qobject_cast<ArchivePane*>(findModeWindow(m)))
        archive->setFileRefused(path, why);
}

void MainWindow::slotDisksFresh(QStringList disks)
{
    if (auto* archive = qobject_cast<ArchivePane*>(findModeWindow(DM::UsbFile)))
        archive->setUDisks(disks);
}

void MainWindow::slotUpdateFiles(QList<QUrlInfo*> files, DeviceManager::Mode mode)
{
    m_junction->setFiles(files, mode);
}

void MainWindow::slotPullImage(QObject* info, DeviceManager::Mode mode, char* d)
{
    if (findModeWindow(mode))
        m_junction->pullImage(info, mode, d);
}

void MainWindow::slotUpdateExtendParam(char* param)
{
    if (auto* live = qobject_cast<LivePane*>(findModeWindow(DM::UsbVideo))) {
        live->setVideoPlat(m_junction->getVideoPlat());
        live->setVideoExtendParam(param);
    }
}

void MainWindow::slotLivePaneUpdateOptionParam(OptionParam param)
{
    if (m_optionParam.language != param.language)
        m_optionParam.language = param.language;
    if (m_optionParam.historyFilesPath != param.historyFilesPath)
        m_optionParam.historyFilesPath = param.historyFilesPath;
    if (m_optionParam.allowAlarm != param.allowAlarm)
        m_optionParam.allowAlarm = param.allowAlarm;
    if (m_optionParam.allowAlarmSound != param.allowAlarmSound)
        m_optionParam.allowAlarmSound = param.allowAlarmSound;
    if (m_optionParam.allowLogGeneration != param.allowLogGeneration)
        m_optionParam.allowLogGeneration = param.allowLogGeneration;
    if (m_optionParam.allowMinAlarm != param.allowMinAlarm)
        m_optionParam.allowMinAlarm = param.allowMinAlarm;
    if (m_optionParam.allowMaxAlarm != param.allowMaxAlarm)
        m_optionParam.allowMaxAlarm = param.allowMaxAlarm;
}

void MainWindow::slotActionTriggered(bool checked)
{
    Q_UNUSED(checked)
    auto* action = qobject_cast<QAction*>(sender());
    if (!action)
        return;
    if (action == m_actionConnect) {
        tryOpenDevices(6);
    } else if (action == m_actionDisconnect) {
        m_actionDisconnect->setEnabled(false);
        closeAllModes();
    } else if (action == m_actionCapture) {
        capture();
    } else if (action == m_actionOption) {
        showOptions();
    } else if (action == m_actionClose) {
        closeAllModes();
        close();
    } else if (action == m_actionManual) {
        openManual();
    }
}

BlockExplorer* MainWindow::explorer() const
{
    return m_explorer;
}

void MainWindow::showExplorer()
{
#if CAMDESK_WITH_CHARTS
    if (!m_explorer)
        m_explorer = new BlockExplorer(this);
    followActivePane();
    m_explorer->show();
    m_explorer->raise();
    m_explorer->activateWindow();
#endif
}

// The pane the user works in, not the active one: the MDI area has none while the explorer has the focus.
void MainWindow::followActivePane()
{
#if CAMDESK_WITH_CHARTS
    if (m_explorer && m_mdiArea->currentSubWindow() != m_explorer->followed())
        m_explorer->follow(m_mdiArea->currentSubWindow());
#endif
}

namespace {

// The suffix of the kind chosen is added by the dialog itself, so that it asks before replacing the file
// that is really written.
class CaptureDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    QString csvFilter;

    void accept() override
    {
        setDefaultSuffix(selectedNameFilter() == csvFilter ? QStringLiteral("csv") : QStringLiteral("png"));
        QFileDialog::accept();
    }
};

} // namespace

void MainWindow::capture()
{
    QMdiSubWindow* active = m_mdiArea->activeSubWindow();
    if (!active)
        return;
    QPointer<PlaybackPane> playback = qobject_cast<PlaybackPane*>(active);
    QPointer<LivePane> live = qobject_cast<LivePane*>(active);
    if (live && live->mode() != DM::UsbVideo)
        live = nullptr;
    if (!live && !playback)
        return;

    const QString history = m_optionParam.historyFilesPath;
    // The picture alone comes first, as it always did; the view as shown and the levels are the others.
    const QString pictureFilter = tr("PNG (*.png )");
    const QString annotatedFilter = tr("Annotated PNG, the view as shown (*.png)");
    const QString csvFilter = tr("CSV, the levels of every pixel (*.csv)");
    CaptureDialog dialog(this, tr("Save Image"), QFileInfo(history).isDir() ? history : QString(),
                         QStringList{pictureFilter, annotatedFilter, csvFilter}.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.csvFilter = csvFilter;
    QString name = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    const QString filter = dialog.selectedNameFilter();
    const FrameView::SaveFormat format = filter == csvFilter         ? FrameView::SaveFormat::Csv
                                         : filter == annotatedFilter ? FrameView::SaveFormat::Annotated
                                                                     : FrameView::SaveFormat::Picture;
    // Some native dialogs ignore the default suffix.
    if (!name.isEmpty() && QFileInfo(name).suffix().isEmpty())
        name += format == FrameView::SaveFormat::Csv ? QStringLiteral(".csv") : QStringLiteral(".png");
    // The camera may have gone, and its pane with it, while the dialog was open.
    FrameView* view = live ? live->frameView() : playback ? playback->frameView() : nullptr;
    QString error;
    const bool saved = !name.isEmpty() && view && view->save(name, format, &error);
    if (saved) {
        QMessageBox::information(this, QString(), tr("Picture saved successfully."), QMessageBox::Ok);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QString(), tr("Failed to save picture."), QMessageBox::Ok, this);
    if (!error.isEmpty())
        box.setInformativeText(QDir::toNativeSeparators(name) + QLatin1Char('\n') + error);
    box.exec();
}

void MainWindow::showOptions()
{
    OptionDialog dialog(this);
    dialog.leHistoryFilesPath->setText(m_optionParam.historyFilesPath);
    for (int i = 0; i < dialog.cbbLanguage->count(); ++i) {
        if (dialog.cbbLanguage->itemData(i, Qt::UserRole)
                .toString()
                .compare(m_optionParam.language, Qt::CaseInsensitive) == 0) {
            dialog.cbbLanguage->setCurrentIndex(i);
            break;
        }
    }
    if (dialog.exec() != QDialog::Accepted)
        return;

    const QString oldLanguage = m_optionParam.language;
    m_optionParam.language = dialog.cbbLanguage->currentData(Qt::UserRole).toString();
    if (oldLanguage != m_optionParam.language)
        QMessageBox::information(this, appName, tr("Changes will take effect when you restart application."),
                                 QMessageBox::Ok);
    m_optionParam.historyFilesPath = dialog.leHistoryFilesPath->text();

    // The pane sends its whole copy back on every alarm switch, so it must hold the new options even
    // when another pane is in front.
    if (auto* live = qobject_cast<LivePane*>(findModeWindow(DM::UsbVideo)))
        live->setOptionsParam(m_optionParam);
}

QString MainWindow::manualPath(const QString& language)
{
    const QString name = language == QLatin1String("CN") ? QStringLiteral("./软件用户手册.pdf")
                                                         : QStringLiteral("./Software Manual.pdf");
    return AppFolders::firstExisting({QStringLiteral("%1/%2").arg(QCoreApplication::applicationDirPath(), name),
                                      QDir::cleanPath(AppFolders::dataFolder() + QLatin1Char('/') + name)});
}

void MainWindow::setDocumentOpener(std::function<void(const QString&)> opener)
{
    m_documentOpener = std::move(opener);
}

void MainWindow::openManual()
{
    if (m_documentOpener)
        m_documentOpener(manualPath(m_optionParam.language));
}

bool MainWindow::nativeEvent(const QByteArray& eventType, void* message, long* result)
{
    if (isDeviceChangeNotice(eventType, message))
        m_junction->refreshDevices();
    return QMainWindow::nativeEvent(eventType, message, result);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    for (ModeEntry* entry : qAsConst(m_modeEntries)) {
        if (!entry->window)
            continue;
        if (isHidden())
            show();
        if (m_junction->modeIsActived(entry->mode) && findModeWindow(entry->mode))
            closeModeWindow(entry);
        m_junction->close(entry->mode);
    }
    writeOptions();
    QMainWindow::closeEvent(event);
}
