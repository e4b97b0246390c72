#include "modalwatcher.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

const QString ModalWatcher::StreamFailed = QStringLiteral("box::Data stream was failed,the application will be close.");

ModalWatcher::ModalWatcher()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::check);
    m_timer.start();
}

void ModalWatcher::check()
{
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
}

void ModalWatcher::acceptBox(QWidget* w)
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

void ModalWatcher::chooseItem(QWidget* w, const QString& item)
{
    if (auto* dialog = qobject_cast<QInputDialog*>(w)) {
        dialog->setTextValue(item);
        dialog->accept();
    }
}

void ModalWatcher::chooseFile(QFileDialog* dialog, const QString& path)
{
    const QFileInfo info(path);
    dialog->setDirectory(info.absolutePath());
    if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        edit->setText(info.fileName());
    QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
}
