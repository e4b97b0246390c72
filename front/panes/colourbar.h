#ifndef COLOURBAR_H
#define COLOURBAR_H

#include <panes/panes_export.h>

#include <QImage>
#include <QWidget>

#include <array>

// A vertical colour scale of a 256-entry RGB565 palette: entry 255 at the top, entry 0 at the
// bottom, with a text above and below (the temperatures of the two ends).
class PANES_EXPORT ColourBar : public QWidget {
    Q_OBJECT
public:
    explicit ColourBar(QWidget* parent = nullptr);

    // Copies the palette; null shows an empty scale. Returns true when the shown colours changed.
    bool setPalette565(const ushort* palette);
    bool hasPalette() const { return m_hasPalette; }
    void setLabels(const QString& top, const QString& bottom);
    QString topLabel() const { return m_top; }
    QString bottomLabel() const { return m_bottom; }

    // Which entry paints each level (a held scale); the strip shows level 255 at the top. Null: the identity.
    void setMapping(const uchar* table);
    // A level window shown with two handles the user drags; off hides them.
    void setWindow(bool shown, int low = 0, int high = 255);
    bool windowShown() const { return m_windowShown; }
    int windowLow() const { return m_low; }
    int windowHigh() const { return m_high; }

    // The colour strip in widget coordinates.
    QRect barRect() const;
    // The RGB colour of one palette entry, as drawn.
    static QRgb rgbOf565(ushort value);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user moved a handle of the level window.
    void windowMoved(int low, int high);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fillStrip();
    int levelAt(int y) const;
    int yOfLevel(int level) const;

    std::array<ushort, 256> m_entries{};
    bool m_hasPalette = false;
    QImage m_strip; // 1 x 256, top row is entry 255
    std::array<uchar, 256> m_mapping{};
    bool m_mapped = false;
    bool m_windowShown = false;
    int m_low = 0;
    int m_high = 255;
    int m_dragging = 0; // -1 the low handle, 1 the high one
    QString m_top;
    QString m_bottom;
};

#endif // COLOURBAR_H
