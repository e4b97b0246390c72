#ifndef OPTIONDIALOG_H
#define OPTIONDIALOG_H

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

// The Options dialog: user-interface language and history folder. It only presents and edits;
// the caller fills it and reads it back after exec().
class OptionDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionDialog(QWidget* parent = nullptr);

    QComboBox* cbbLanguage;
    QLineEdit* leHistoryFilesPath;
    QPushButton* btnHistoryFilesPath;
    QPushButton* btnOk;
    QPushButton* btnCancel;

public slots:
    void on_btnHistoryFilesPath_clicked();

protected:
    void showEvent(QShowEvent* event) override;
};

#endif // OPTIONDIALOG_H
