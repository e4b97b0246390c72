#ifndef PICTUREVIEW_H
#define PICTUREVIEW_H

#include <panes/panes_export.h>

#include <QPixmap>
#include <QString>
#include <QWidget>

// Shows one picture scaled to the widget with its aspect kept. Enlarged pictures keep crisp
// pixels (no smoothing), so a small thermal picture is shown as the camera sent it.
class QPainter;

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
    bool centreMarker() const { return m_marker; }
    // Marks the hottest and the coldest camera pixel (picture coordinates), each with a text beside
    // it when one is given; a null point hides its mark.
    void setSpots(const QPoint& hottest, const QString& hotText, const QPoint& coldest, const QString& coldText);
    QPoint hottestSpot() const { return m_hot.pixel; }
    QPoint coldestSpot() const { return m_cold.pixel; }

    // Where the picture is drawn, in widget coordinates; empty without a picture.
    QRect targetRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Spot {
        QPoint pixel{-1, -1};
        QString text;
        bool operator==(const Spot& o) const { return pixel == o.pixel && text == o.text; }
    };

    QRect computeTarget() const;
    void drawSpot(QPainter& painter, const Spot& spot, const QColor& colour) const;

    QPixmap m_pixmap;
    QString m_placeholder;
    QRect m_target;
    bool m_alarm = false;
    bool m_marker = false;
    Spot m_hot;
    Spot m_cold;
};

#endif // PICTUREVIEW_H
