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

    // The colour strip in widget coordinates.
    QRect barRect() const;
    // The RGB colour of one palette entry, as drawn.
    static QRgb rgbOf565(ushort value);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<ushort, 256> m_entries{};
    bool m_hasPalette = false;
    QImage m_strip; // 1 x 256, top row is entry 255
    QString m_top;
    QString m_bottom;
};

#endif // COLOURBAR_H
