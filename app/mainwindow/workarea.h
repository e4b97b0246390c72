#ifndef WORKAREA_H
#define WORKAREA_H

#include <QMdiArea>
#include <QString>

// The main window's MDI area; while it shows no pane it shows a hint on its background instead.
class WorkArea : public QMdiArea {
    Q_OBJECT
public:
    explicit WorkArea(QWidget* parent = nullptr);

    void setEmptyHint(const QString& text);
    // The hint as drawn now: empty while a pane is shown.
    QString shownHint() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_hint;
};

#endif // WORKAREA_H
