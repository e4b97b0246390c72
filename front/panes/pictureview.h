#ifndef PICTUREVIEW_H
#define PICTUREVIEW_H

#include <panes/panes_export.h>

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QVector>
#include <QWidget>

// Shows one picture scaled to the widget with its proportions kept. Enlarged pictures keep crisp
// pixels (no smoothing), so a small thermal picture is shown as the camera sent it. It draws the
// measuring marks it is given and tells where the mouse is, in picture pixels; what a mark means
// is its owner's.
class QPainter;

class PANES_EXPORT PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const { return m_pixmap; }
    // A picture of pictureSize pixels already painted at the size it is shown at (wantedScale() times);
    // drawn without scaling when it fits the target exactly.
    void setImage(const QImage& image, const QSize& pictureSize);
    QImage image() const { return m_image; }
    // The picture's size in its own pixels, and the whole enlargement that covers the target.
    QSize pictureSize() const;
    int wantedScale() const;
    void clear();

    // A measuring mark, in picture pixels: a spot at a, a box from a to b (both corners inside), a line
    // from a's centre to b's; boxes may show their own hottest and coldest pixel.
    struct Mark {
        enum Kind { Spot, Box, Line };
        Kind kind = Spot;
        QPoint a;
        QPoint b;
        QString text;
        bool selected = false;
        QPoint hot{-1, -1};
        QPoint cold{-1, -1};
    };
    void setMarks(const QVector<Mark>& marks);
    QVector<Mark> marks() const { return m_marks; }
    // A dot on the line where the line profile's cursor is; a negative point hides it.
    void setCursorMark(const QPointF& point);
    // The picture pixel under a widget position (may lie outside the picture).
    QPointF pictureAt(const QPoint& widgetPos) const;

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

signals:
    // The target changed size: a picture painted to size must be painted again.
    void targetResized();
    // Mouse and keys, in picture pixels; the owner edits the marks.
    void mousePressed(const QPointF& at, Qt::MouseButton button);
    void mouseDragged(const QPointF& at);
    void mouseReleased(const QPointF& at);
    void mouseHovered(const QPointF& at);
    // Left unaccepted, the key goes on to the parent.
    void keyPressed(QKeyEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Spot {
        QPoint pixel{-1, -1};
        QString text;
        bool operator==(const Spot& o) const { return pixel == o.pixel && text == o.text; }
    };

    QRect computeTarget() const;
    void drawSpot(QPainter& painter, const Spot& spot, const QColor& colour) const;
    void drawMark(QPainter& painter, const Mark& mark) const;
    void drawLabel(QPainter& painter, const QString& text, const QPointF& at, const QColor& colour) const;
    QRectF cellRect(const QPoint& pixel) const;

    QPixmap m_pixmap;
    QImage m_image;
    QSize m_imageSize; // the picture's own size when an image is shown
    QVector<Mark> m_marks;
    QPointF m_cursor{-1, -1};
    QString m_placeholder;
    QRect m_target;
    bool m_alarm = false;
    bool m_marker = false;
    Spot m_hot;
    Spot m_cold;
};

#endif // PICTUREVIEW_H
