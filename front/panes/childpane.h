#ifndef CHILDPANE_H
#define CHILDPANE_H

#include <panes/panes_export.h>

#include <devicebase/devicemanager.h>

#include <QMdiSubWindow>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QToolButton;
struct ImageFile;

// An MDI sub-window that shows one device mode.
class PANES_EXPORT ChildPane : public QMdiSubWindow {
    Q_OBJECT
public:
    ChildPane(DeviceManager::Mode mode, const QString& language, QWidget* parent = nullptr,
              Qt::WindowFlags flags = Qt::WindowFlags());
    ~ChildPane() override;

    DeviceManager::Mode mode() const { return m_mode; }
    QString language() const { return m_language; }

    virtual void initWidget();
    virtual void initConnection();
    virtual void initAction();
    // A file read from the device for this pane; used only during the call.
    virtual void setFile(ImageFile* file);

signals:
    // Camera parameters to send (int16 at offsets 6 and 8, uint8 at offset 10 of d).
    void pullImage(QObject* info, DeviceManager::Mode mode, char* d);
    // The pane asks to be closed.
    void subClose(DeviceManager::Mode mode);

protected:
    void closeEvent(QCloseEvent* event) override;

    // A widget in the pane's tool row, left of the close button.
    void addToolWidget(QWidget* widget);
    // Shows the owner's action as a button on the pane's tool row, made the first time; a null action
    // hides it. The action stays the owner's.
    void offerAction(QToolButton*& button, const char* name, QAction* action);
    // The pane's body below the tool row.
    QBoxLayout* bodyLayout() const { return m_body; }

private:
    void buildFrame();

    DeviceManager::Mode m_mode;
    QString m_language;
    QHBoxLayout* m_toolRow = nullptr;
    QBoxLayout* m_body = nullptr;
    QLabel* m_title = nullptr;
    QToolButton* m_closeButton = nullptr;
};

#endif // CHILDPANE_H
