#include "optiondialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

OptionDialog::OptionDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Options"));
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);

    cbbLanguage = new QComboBox;
    const struct {
        const char* name;
        const char* code;
    } languages[] = {
        {QT_TR_NOOP("English"), "EN"}, {QT_TR_NOOP("Chinese"), "CN"},  {QT_TR_NOOP("German"), "DE"},
        {QT_TR_NOOP("French"), "FR"},  {QT_TR_NOOP("Spanish"), "ES"},  {QT_TR_NOOP("Russian"), "RU"},
        {QT_TR_NOOP("Italian"), "IT"}, {QT_TR_NOOP("Japanese"), "JA"},
    };
    for (const auto& language : languages)
        cbbLanguage->addItem(tr(language.name), QString::fromLatin1(language.code));

    leHistoryFilesPath = new QLineEdit;
    leHistoryFilesPath->setMinimumWidth(300);

    btnHistoryFilesPath = new QPushButton(QStringLiteral("..."));
    // Lets the button shrink below the minimum the application style sheet gives push buttons.
    btnHistoryFilesPath->setStyleSheet(QStringLiteral("min-height: 10px;min-width: 10px;"));

    auto* pathRow = new QHBoxLayout;
    pathRow->setSpacing(1);
    pathRow->addWidget(leHistoryFilesPath);
    pathRow->addWidget(btnHistoryFilesPath);

    auto* form = new QFormLayout;
    form->addRow(tr("Language"), cbbLanguage);
    form->addRow(tr("History files path"), pathRow);

    btnOk = new QPushButton(tr("Ok"));
    btnCancel = new QPushButton(tr("Cancel"));
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(btnOk);
    buttonRow->addWidget(btnCancel);

    auto* layout = new QVBoxLayout;
    layout->addLayout(form);
    layout->addLayout(buttonRow);
    setLayout(layout);

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHistoryFilesPath, &QPushButton::clicked, this, &OptionDialog::on_btnHistoryFilesPath_clicked);
}

void OptionDialog::showEvent(QShowEvent* event)
{
    // The small minimum above is less than the button's text needs. A window is made no wider than
    // part of the screen, so with a long translated label the dialog can open at its minimum width,
    // which would then clip "...". Known only now that the style sheets are applied.
    btnHistoryFilesPath->setMinimumWidth(btnHistoryFilesPath->sizeHint().width());
    layout()->activate();
    QDialog::showEvent(event);
}

void OptionDialog::on_btnHistoryFilesPath_clicked()
{
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Choose path"), QString(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty() && QDir(folder).exists()) {
        leHistoryFilesPath->setText(folder);
        leHistoryFilesPath->setToolTip(folder);
    }
}
