#ifndef MODALWATCHER_H
#define MODALWATCHER_H

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

class QFileDialog;
class QWidget;

// Hands every modal window that shows up to a handler (by default: press OK on message boxes, cancel
// item dialogs) and records what it saw, so no test is ever left blocked by a box.
class ModalWatcher : public QObject {
public:
    // The camera library's warning when the stream fails, as `seen` lists it.
    static const QString StreamFailed;

    std::function<void(QWidget*)> handler = [](QWidget* w) { acceptBox(w); };
    QStringList seen;

    ModalWatcher();

    static void acceptBox(QWidget* w);
    // Picks an item in an item dialog, as a user does.
    static void chooseItem(QWidget* w, const QString& item);
    // Picks a file in a non-native file dialog the way a user does: folder, then name, then accept.
    // (selectFile() with a name that does not exist yet selects the folder instead.)
    static void chooseFile(QFileDialog* dialog, const QString& path);

private:
    void check();

    QTimer m_timer;
    QPointer<QWidget> m_last;
};

#endif // MODALWATCHER_H
