#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "modeentry.h"

#include <devicebase/devicemanager.h>
#include <devicebase/imagefile.h>
#include <devicebase/qurlinfo.h>
#include <panes/optionparam.h>

#include <QList>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

#include <functional>

class BlockExplorer;
class ChildPane;
class Junction;
class QAction;
class QLabel;
class QMdiArea;
class QSplitter;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

// The program's only top-level window: menus, status label, the MDI area with one sub-window per
// open device mode, and the one Junction through which all device traffic runs.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The manual's path for a language code: beside the executable ("/./" kept as is), else in the
    // install's data folder where it is found only there.
    static QString manualPath(const QString& language);
    // Replaces the way the manual is opened (tests).
    void setDocumentOpener(std::function<void(const QString&)> opener);

    // Read access for tests and tools.
    Junction* junction() const { return m_junction; }
    const QList<ModeEntry*>& modeEntries() const { return m_modeEntries; }
    QLabel* statusLabel() const { return m_statusLabel; }
    // The tree of connection groups and content kinds; never shown, built on first use.
    QTreeWidget* treeWidget();
    QMdiArea* mdiArea() const { return m_mdiArea; }
    QAction* actionConnect() const { return m_actionConnect; }
    QAction* actionDisconnect() const { return m_actionDisconnect; }
    QAction* actionOption() const { return m_actionOption; }
    QAction* actionClose() const { return m_actionClose; }
    QAction* actionCapture() const { return m_actionCapture; }
    QAction* actionRecord() const { return m_actionRecord; }
    QAction* actionOpenRecording() const { return m_actionOpenRecording; }
    // Opens a recording in a playback pane; false (after telling the user) when it cannot be read.
    bool openRecording(const QString& path);
    QAction* actionManual() const { return m_actionManual; }
    QAction* actionLayouts() const { return m_actionLayouts; }
    QAction* actionExplorer() const { return m_actionExplorer; }
    // Null until Tools > Block Explorer is first chosen.
    BlockExplorer* explorer() const;
    const OptionParam& optionParam() const { return m_optionParam; }

    ChildPane* findModeWindow(DeviceManager::Mode mode, ModeEntry** entry = nullptr) const;
    static QTreeWidgetItem* findChildItem(QTreeWidgetItem* item, const QString& name);
    ChildPane* activateModeWindow(DeviceManager::Mode mode);
    void tryOpenDevices(int value);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool nativeEvent(const QByteArray& eventType, void* message, long* result) override;

public slots:
    void slotActionTriggered(bool checked);
    void on_m_treeWidget_itemActivated(QTreeWidgetItem* item, int column);
    void sltJunctionOpened(DeviceManager::Mode m);
    void sltJunctionClosed(DeviceManager::Mode m);
    void slotChildPaneClose(DeviceManager::Mode m);
    void slotImageReadFile(const ImageFile* file, DeviceManager::Mode m);
    void slotFileRefused(const QString& path, ImageFile::Refusal why, DeviceManager::Mode m);
    void slotImageReadVideo(QPixmap pixmap, DeviceManager::Mode mode);
    void slotDisksFresh(QStringList disks);
    void slotUpdateFiles(QList<QUrlInfo*> files, DeviceManager::Mode mode);
    void slotPullImage(QObject* info, DeviceManager::Mode mode, char* d);
    void slotShowFinished();
    void slotUpdateExtendParam(char* param);
    void slotLivePaneUpdateOptionParam(OptionParam param);

private:
    void readOptions();
    void restoreWindowState();
    void writeOptions();
    void initDevice();
    void initAction();
    void initWidget();
    void initConnection();

    QString optionsPath() const;
    QString trKey(const QString& key) const;
    QTreeWidgetItem* findModeItem(DeviceManager::Mode mode);
    void closeModeWindow(ModeEntry* entry);
    void closeAllModes();
    void updateCaptureEnabled();

    void capture();
    void toggleRecording(bool on);
    void chooseRecording();
    void showOptions();
    void openManual();
    void showExplorer();
    void followActivePane();

    Junction* m_junction = nullptr;
    QList<ModeEntry*> m_modeEntries;
    QStatusBar* m_statusBar = nullptr;
    QLabel* m_statusLabel = nullptr;
    QSplitter* m_splitter = nullptr;
    QTreeWidget* m_treeWidget = nullptr;
    QMdiArea* m_mdiArea = nullptr;
    QAction* m_actionConnect = nullptr;
    QAction* m_actionDisconnect = nullptr;
    QAction* m_actionOption = nullptr;
    QAction* m_actionClose = nullptr;
    QAction* m_actionCapture = nullptr;
    QAction* m_actionRecord = nullptr;
    QAction* m_actionOpenRecording = nullptr;
    QAction* m_actionManual = nullptr;
    QAction* m_actionLayouts = nullptr;
    QAction* m_actionExplorer = nullptr;
    QPointer<BlockExplorer> m_explorer;
    OptionParam m_optionParam;

    std::function<void(const QString&)> m_documentOpener;
};

#endif // MAINWINDOW_H
