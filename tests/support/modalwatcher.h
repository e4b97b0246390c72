#ifndef MODALWATCHER_H
#define MODALWATCHER_H

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

// Hands every modal window that shows up to a handler (by default: press OK on message boxes, cancel
// item dialogs) and records what it saw, so no test is ever left blocked by a box.
class ModalWatcher : public QObject {
public:
    std::function<void(QWidget*)> handler = [](QWidget* w) { acceptBox(w); };
    QStringList seen;

    ModalWatcher()
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == m_last)
                return;
            m_last = modal;
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                seen << QStringLiteral("box:%1:%2").arg(box->windowTitle(), box->text());
            else if (auto* dialog = qobject_cast<QInputDialog*>(modal))
                seen << QStringLiteral("dialog:") + QStringList{dialog->windowTitle(), dialog->labelText(),
                                                                dialog->comboBoxItems().join(QLatin1Char(',')),
                                                                dialog->textValue()}
                                                        .join(QLatin1Char('|'));
            else
                seen << QString::fromLatin1(modal->metaObject()->className());
            handler(modal);
        });
        m_timer.start();
    }

    static void acceptBox(QWidget* w)
    {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->accept();
        } else if (auto* dialog = qobject_cast<QInputDialog*>(w)) {
            dialog->reject();
        }
    }

    // Picks an item in an item dialog, as a user does.
    static void chooseItem(QWidget* w, const QString& item)
    {
        if (auto* dialog = qobject_cast<QInputDialog*>(w)) {
            dialog->setTextValue(item);
            dialog->accept();
        }
    }

    // Picks a file in a non-native file dialog the way a user does: folder, then name, then accept.
    // (selectFile() with a name that does not exist yet selects the folder instead.)
    static void chooseFile(QFileDialog* dialog, const QString& path)
    {
        const QFileInfo info(path);
        dialog->setDirectory(info.absolutePath());
        if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            edit->setText(info.fileName());
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    }

private:
    QTimer m_timer;
    QPointer<QWidget> m_last;
};

#endif // MODALWATCHER_H
