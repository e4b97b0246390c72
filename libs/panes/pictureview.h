#ifndef PICTUREVIEW_H
#define PICTUREVIEW_H

#include "panes_export.h"

#include <QPixmap>
#include <QWidget>

// Shows one picture scaled to the widget with its aspect kept. Enlarged pictures keep crisp
// pixels (no smoothing), so a small thermal picture is shown as the camera sent it.
class PANES_EXPORT PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const { return m_pixmap; }
    void clear();

    void setPlaceholderText(const QString& text);
    // A frame around the picture in the accent colour.
    void setAlarm(bool on);
    bool alarm() const { return m_alarm; }
    // A small cross at the picture's centre, where the camera measures the centre temperature.
    void setCentreMarker(bool on);

    // Where the picture is drawn, in widget coordinates; empty without a picture.
    QRect targetRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect computeTarget() const;

    QPixmap m_pixmap;
    QString m_placeholder;
    QRect m_target;
    bool m_alarm = false;
    bool m_marker = false;
};

#endif // PICTUREVIEW_H
