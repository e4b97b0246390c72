#include "appicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kEdge(0x63, 0x63, 0x63);
const QColor kBodyTop(0x4D, 0x4D, 0x4D);
const QColor kBodyBottom(0x29, 0x29, 0x29);
const QColor kAccent(0xDC, 0x50, 0x00);

// Cold to hot, as a thermal camera shows it: deep violet, magenta, red, orange, yellow, white.
void setHeatStops(QGradient& g)
{
    g.setColorAt(0.00, QColor(0xFF, 0xF8, 0xD0));
    g.setColorAt(0.18, QColor(0xFF, 0xD0, 0x30));
    g.setColorAt(0.40, QColor(0xF0, 0x80, 0x10));
    g.setColorAt(0.62, QColor(0xC8, 0x30, 0x20));
    g.setColorAt(0.82, QColor(0x80, 0x10, 0x58));
    g.setColorAt(1.00, QColor(0x24, 0x08, 0x48));
}

} // namespace

QImage renderAppIcon(AppIconVariant variant, int size)
{
    // Small sizes drop the details that would only turn into noise.
    const bool small = size <= 24;

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    const qreal edge = small ? 3.0 : 2.0;

    if (variant == AppIconVariant::Tile) {
        QLinearGradient tile(0, 0, 0, 64);
        tile.setColorAt(0, QColor(0x3A, 0x3A, 0x3A));
        tile.setColorAt(1, QColor(0x1C, 0x1C, 0x1C));
        p.setPen(Qt::NoPen);
        p.setBrush(tile);
        p.drawRoundedRect(QRectF(0, 0, 64, 64), 12, 12);
        p.scale(0.84, 0.84);
        p.translate(6.1, 6.1);
    }

    // handle
    QLinearGradient grip(24, 0, 40, 0);
    grip.setColorAt(0, kBodyBottom);
    grip.setColorAt(0.5, kBodyTop);
    grip.setColorAt(1, kBodyBottom);
    p.setPen(QPen(kEdge, edge));
    p.setBrush(grip);
    p.drawRoundedRect(QRectF(23, 38, 18, 24), 5, 5);
    if (!small) {
        p.setPen(QPen(kEdge, 1.5, Qt::SolidLine, Qt::RoundCap));
        for (qreal y : {50.0, 54.0, 58.0})
            p.drawLine(QPointF(27, y), QPointF(37, y));
    }

    // head
    QLinearGradient head(0, 3, 0, 46);
    head.setColorAt(0, kBodyTop);
    head.setColorAt(1, kBodyBottom);
    p.setPen(QPen(kEdge, edge));
    p.setBrush(head);
    p.drawRoundedRect(QRectF(4, 3, 56, 43), 8, 8);

    // screen with the thermal picture
    const QRectF screen = small ? QRectF(9, 8, 46, 33) : QRectF(10, 8, 44, 28);
    if (variant == AppIconVariant::Plain) {
        QLinearGradient heat(screen.bottomLeft(), screen.topRight());
        setHeatStops(heat);
        heat.setStops([&] {
            QGradientStops reversed;
            for (const auto& stop : heat.stops())
                reversed.prepend({1.0 - stop.first, stop.second});
            return reversed;
        }());
        p.setBrush(heat);
    } else {
        QRadialGradient heat(screen.center() + QPointF(-2, 1), screen.width() * 0.62, screen.center() + QPointF(-4, 0));
        setHeatStops(heat);
        p.setBrush(heat);
    }
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(screen, 3, 3);

    if (!small) {
        // crosshair of the spot meter
        const QPointF c = screen.center();
        p.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 220), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + QPointF(-6, 0), c + QPointF(-2.5, 0));
        p.drawLine(c + QPointF(2.5, 0), c + QPointF(6, 0));
        p.drawLine(c + QPointF(0, -6), c + QPointF(0, -2.5));
        p.drawLine(c + QPointF(0, 2.5), c + QPointF(0, 6));

        // keys under the screen
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x9A, 0x9A, 0x9A));
        p.drawEllipse(QPointF(22, 41), 2.2, 2.2);
        p.drawEllipse(QPointF(42, 41), 2.2, 2.2);
        p.setBrush(kAccent);
        p.drawEllipse(QPointF(32, 41), 2.6, 2.6);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}
