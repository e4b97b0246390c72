#include "pictureview.h"

#include <QPainter>
#include <QStyleOption>

namespace {

const QColor accent(0xDC, 0x50, 0x00);
const QColor hotMark(0xFF, 0x30, 0x30);
const QColor coldMark(0x30, 0xA0, 0xFF);
constexpr int alarmBorder = 4;

} // namespace

PictureView::PictureView(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PictureView::setPixmap(const QPixmap& pixmap)
{
    const bool sameSize = pixmap.size() == m_pixmap.size();
    m_pixmap = pixmap;
    if (sameSize && !m_target.isEmpty()) {
        // The frame path: only the picture itself changes.
        update(m_target);
        return;
    }
    m_target = computeTarget();
    update();
}

void PictureView::clear()
{
    m_pixmap = QPixmap();
    m_target = QRect();
    update();
}

void PictureView::setPlaceholderText(const QString& text)
{
    m_placeholder = text;
    if (m_pixmap.isNull())
        update();
}

void PictureView::setAlarm(bool on)
{
    if (m_alarm == on)
        return;
    m_alarm = on;
    update(m_target.adjusted(-alarmBorder, -alarmBorder, alarmBorder, alarmBorder));
}

void PictureView::setCentreMarker(bool on)
{
    m_marker = on;
    update(m_target);
}

void PictureView::setSpots(const QPoint& hottest, const QString& hotText, const QPoint& coldest,
                           const QString& coldText)
{
    const Spot hot{hottest.x() >= 0 && hottest.y() >= 0 ? hottest : QPoint(-1, -1), hotText};
    const Spot cold{coldest.x() >= 0 && coldest.y() >= 0 ? coldest : QPoint(-1, -1), coldText};
    if (hot == m_hot && cold == m_cold)
        return;
    m_hot = hot;
    m_cold = cold;
    update(m_target);
}

QRect PictureView::targetRect() const
{
    return m_target;
}

QSize PictureView::sizeHint() const
{
    return {400, 540};
}

QSize PictureView::minimumSizeHint() const
{
    return {120, 160};
}

QRect PictureView::computeTarget() const
{
    if (m_pixmap.isNull())
        return {};
    const QRect area = rect().adjusted(alarmBorder, alarmBorder, -alarmBorder, -alarmBorder);
    if (area.isEmpty())
        return {};
    QSize size = m_pixmap.size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    // Whole-number enlargements give every camera pixel the same size on screen; use one when it
    // loses little of the space.
    const int whole = area.width() / m_pixmap.width() < area.height() / m_pixmap.height()
                          ? area.width() / m_pixmap.width()
                          : area.height() / m_pixmap.height();
    if (whole >= 1 && whole * m_pixmap.width() * 10 >= size.width() * 9)
        size = m_pixmap.size() * whole;
    QRect target(QPoint(), size);
    target.moveCenter(area.center());
    return target;
}

void PictureView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_target = computeTarget();
}

void PictureView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    if (m_pixmap.isNull()) {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_placeholder);
        return;
    }
    const bool enlarging = m_target.width() >= m_pixmap.width();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !enlarging);
    painter.drawPixmap(m_target, m_pixmap);

    if (m_marker) {
        const QPoint c = m_target.center();
        const int arm = qMax(6, m_target.width() / 40);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawLine(c.x() - arm, c.y(), c.x() + arm, c.y());
        painter.drawLine(c.x(), c.y() - arm, c.x(), c.y() + arm);
        painter.setPen(QPen(Qt::white, 1));
        painter.drawLine(c.x() - arm, c.y(), c.x() + arm, c.y());
        painter.drawLine(c.x(), c.y() - arm, c.x(), c.y() + arm);
    }
    // Kept inside the picture: a frame repaints only the picture's area.
    painter.save();
    painter.setClipRect(m_target);
    drawSpot(painter, m_cold, coldMark);
    drawSpot(painter, m_hot, hotMark);
    painter.restore();
    if (m_alarm) {
        painter.setPen(QPen(accent, alarmBorder, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const int half = alarmBorder / 2;
        painter.drawRect(m_target.adjusted(-half, -half, half - 1, half - 1));
    }
}

void PictureView::drawSpot(QPainter& painter, const Spot& spot, const QColor& colour) const
{
    if (spot.pixel.x() < 0 || spot.pixel.x() >= m_pixmap.width() || spot.pixel.y() >= m_pixmap.height())
        return;
    const double sx = double(m_target.width()) / m_pixmap.width();
    const double sy = double(m_target.height()) / m_pixmap.height();
    const QRectF cell(m_target.left() + spot.pixel.x() * sx, m_target.top() + spot.pixel.y() * sy, sx, sy);
    // A ring around the pixel, dark under light so it shows on every palette.
    const double r = qMax(5.0, qMax(sx, sy) * 1.5);
    const QRectF ring(cell.center().x() - r, cell.center().y() - r, 2 * r, 2 * r);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawEllipse(ring);
    painter.setPen(QPen(colour, 1.5));
    painter.drawEllipse(ring);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (spot.text.isEmpty())
        return;
    const QFontMetrics metrics(font());
    QRect box = metrics.boundingRect(spot.text).adjusted(-3, -1, 3, 1);
    box.moveTopLeft(QPoint(int(ring.right()) + 2, int(ring.center().y()) - box.height() / 2));
    // Kept inside the picture: beside the ring on the other side when it would leave it.
    if (box.right() > m_target.right())
        box.moveRight(int(ring.left()) - 2);
    box.moveTop(qBound(m_target.top(), box.top(), m_target.bottom() - box.height()));
    painter.fillRect(box, QColor(0, 0, 0, 170));
    painter.setPen(colour.lighter(130));
    painter.drawText(box, Qt::AlignCenter, spot.text);
}
