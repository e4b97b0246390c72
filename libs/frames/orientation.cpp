#include "orientation.h"

Orientation::Orientation(int degrees, bool mirrored) : m_quarters(((degrees / 90) % 4 + 4) % 4), m_mirrored(mirrored) {}

QSize Orientation::turned(const QSize& size) const
{
    return m_quarters % 2 ? size.transposed() : size;
}

QPointF Orientation::toView(const QPointF& p, const QSize& size) const
{
    const double w = size.width(), h = size.height();
    QPointF q;
    switch (m_quarters) {
    case 1:
        q = QPointF(h - p.y(), p.x());
        break;
    case 2:
        q = QPointF(w - p.x(), h - p.y());
        break;
    case 3:
        q = QPointF(p.y(), w - p.x());
        break;
    default:
        q = p;
        break;
    }
    if (m_mirrored)
        q.setX(turned(size).width() - q.x());
    return q;
}

QPointF Orientation::toCamera(const QPointF& v, const QSize& size) const
{
    const QSize shown = turned(size);
    QPointF q = v;
    if (m_mirrored)
        q.setX(shown.width() - q.x());
    const double w = size.width(), h = size.height();
    switch (m_quarters) {
    case 1:
        return QPointF(q.y(), h - q.x());
    case 2:
        return QPointF(w - q.x(), h - q.y());
    case 3:
        return QPointF(w - q.y(), q.x());
    default:
        return q;
    }
}

// Whole pixels go through their centres, so a turn maps a pixel onto a pixel.
QPoint Orientation::toView(const QPoint& pixel, const QSize& size) const
{
    const QPointF c = toView(QPointF(pixel) + QPointF(0.5, 0.5), size);
    return QPoint(int(c.x()), int(c.y()));
}

QPoint Orientation::toCamera(const QPoint& pixel, const QSize& size) const
{
    const QPointF c = toCamera(QPointF(pixel) + QPointF(0.5, 0.5), size);
    return QPoint(int(c.x()), int(c.y()));
}

QString Orientation::text() const
{
    QString t = QString::number(degrees());
    if (m_mirrored)
        t += QStringLiteral(", mirrored");
    return t;
}
