#ifndef MODALWATCHER_H
#define MODALWATCHER_H

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Closes every modal box or item dialog that opens while it lives and keeps what they said.
// An item dialog is cancelled, or accepted with `choose` when that is set.
class ModalWatcher {
public:
    ModalWatcher()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    QStringList boxes;   // texts of message boxes, with their titles: "title|text"
    QStringList dialogs; // item dialogs: "title|label|items|current"
    QString choose;

private:
    void poll()
    {
        QWidget* w = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            boxes << box->windowTitle() + "|" + box->text();
            box->done(QMessageBox::Ok);
        } else if (auto* dialog = qobject_cast<QInputDialog*>(w)) {
            dialogs << QStringList{dialog->windowTitle(), dialog->labelText(), dialog->comboBoxItems().join(','),
                                   dialog->textValue()}
                           .join('|');
            if (choose.isEmpty()) {
                dialog->reject();
            } else {
                dialog->setTextValue(choose);
                dialog->accept();
            }
        }
    }

    QTimer m_timer;
};

#endif // MODALWATCHER_H
