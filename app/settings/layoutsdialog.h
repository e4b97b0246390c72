#ifndef LAYOUTSDIALOG_H
#define LAYOUTSDIALOG_H

#include <QDialog>

class QTreeWidget;

// The layout profiles camdesk reads temperatures with, and the files it ignored with the reason.
// Reload reads the folders again, so a profile saved meanwhile is used from the next frame.
class LayoutsDialog : public QDialog {
    Q_OBJECT
public:
    explicit LayoutsDialog(QWidget* parent = nullptr);

    QTreeWidget* list() const { return m_list; }
    void fill();

private:
    QTreeWidget* m_list = nullptr;
};

#endif // LAYOUTSDIALOG_H
