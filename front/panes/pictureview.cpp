#include "pictureview.h"

#include <QKeyEvent>
#include <QMouseEvent>
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
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PictureView::pictureSize() const
{
    return m_image.isNull() ? m_pixmap.size() : m_imageSize;
}

int PictureView::wantedScale() const
{
    const QSize size = pictureSize();
    if (size.isEmpty() || m_target.isEmpty())
        return 1;
    return qMax(1, (m_target.width() + size.width() - 1) / size.width());
}

void PictureView::setImage(const QImage& image, const QSize& pictureSize)
{
    const bool sameSize = pictureSize == this->pictureSize();
    m_image = image;
    m_imageSize = pictureSize;
    m_pixmap = QPixmap();
    if (sameSize && !m_target.isEmpty()) {
        update(m_target);
        return;
    }
    m_target = computeTarget();
    update();
}

void PictureView::setPixmap(const QPixmap& pixmap)
{
    const bool sameSize = pixmap.size() == pictureSize();
    m_image = QImage();
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
    m_image = QImage();
    m_marks.clear();
    m_target = QRect();
    update();
}

void PictureView::setPlaceholderText(const QString& text)
{
    m_placeholder = text;
    if (pictureSize().isEmpty())
        update();
}

void PictureView::setMarks(const QVector<Mark>& marks)
{
    m_marks = marks;
    update(m_target);
}

void PictureView::setCursorMark(const QPointF& point)
{
    if (point == m_cursor)
        return;
    m_cursor = point;
    update(m_target);
}

QPointF PictureView::pictureAt(const QPoint& pos) const
{
    const QSize size = pictureSize();
    if (m_target.isEmpty() || size.isEmpty())
        return QPointF(-1, -1);
    return QPointF((pos.x() - m_target.left()) * double(size.width()) / m_target.width(),
                   (pos.y() - m_target.top()) * double(size.height()) / m_target.height());
}

void PictureView::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(pictureAt(event->pos()), event->button());
}

void PictureView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit mouseDragged(pictureAt(event->pos()));
    else
        emit mouseHovered(pictureAt(event->pos()));
}

void PictureView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit mouseReleased(pictureAt(event->pos()));
}

void PictureView::leaveEvent(QEvent* event)
{
    emit mouseHovered(QPointF(-1, -1));
    QWidget::leaveEvent(event);
}

void PictureView::keyPressEvent(QKeyEvent* event)
{
    event->ignore();
    emit keyPressed(event);
    if (!event->isAccepted())
        QWidget::keyPressEvent(event);
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
    const QSize picture = pictureSize();
    if (picture.isEmpty())
        return {};
    const QRect area = rect().adjusted(alarmBorder, alarmBorder, -alarmBorder, -alarmBorder);
    if (area.isEmpty())
        return {};
    QSize size = picture;
    size.scale(area.size(), Qt::KeepAspectRatio);
    // Whole-number enlargements give every camera pixel the same size on screen; use one when it
    // loses little of the space.
    const int whole = qMin(area.width() / picture.width(), area.height() / picture.height());
    if (whole >= 1 && whole * picture.width() * 10 >= size.width() * 9)
        size = picture * whole;
    QRect target(QPoint(), size);
    target.moveCenter(area.center());
    return target;
}

void PictureView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QRect before = m_target;
    m_target = computeTarget();
    if (m_target.size() != before.size())
        emit targetResized();
}

void PictureView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // Opaque to Qt: under the picture nothing needs painting, which a frame's repaint would otherwise do once
    // for every widget it lies on. Around it, this widget's own background.
    const QRegion around = QRegion(event->rect()) - (pictureSize().isEmpty() ? QRect() : m_target);
    if (!around.isEmpty()) {
        painter.save();
        painter.setClipRegion(around);
        painter.fillRect(rect(), palette().brush(backgroundRole()));
        QStyleOption option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
        painter.restore();
    }

    if (pictureSize().isEmpty()) {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_placeholder);
        return;
    }
    if (!m_image.isNull() && m_image.size() == m_target.size()) {
        // Painted to size already: a copy, not a scaled blit.
        painter.drawImage(m_target.topLeft(), m_image);
    } else if (!m_image.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, m_target.width() < m_image.width());
        painter.drawImage(m_target, m_image);
    } else {
        const bool enlarging = m_target.width() >= m_pixmap.width();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !enlarging);
        painter.drawPixmap(m_target, m_pixmap);
    }

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
    for (const Mark& mark : m_marks)
        drawMark(painter, mark);
    if (m_cursor.x() >= 0) {
        const QSize size = pictureSize();
        const QPointF c(m_target.left() + m_cursor.x() * m_target.width() / size.width(),
                        m_target.top() + m_cursor.y() * m_target.height() / size.height());
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::yellow);
        painter.drawEllipse(c, 4.0, 4.0);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.restore();
    if (m_alarm) {
        painter.setPen(QPen(accent, alarmBorder, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const int half = alarmBorder / 2;
        painter.drawRect(m_target.adjusted(-half, -half, half - 1, half - 1));
    }
}

QRectF PictureView::cellRect(const QPoint& pixel) const
{
    const QSize size = pictureSize();
    const double sx = double(m_target.width()) / size.width();
    const double sy = double(m_target.height()) / size.height();
    return QRectF(m_target.left() + pixel.x() * sx, m_target.top() + pixel.y() * sy, sx, sy);
}

void PictureView::drawLabel(QPainter& painter, const QString& text, const QPointF& at, const QColor& colour) const
{
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(font());
    QRect box = metrics.boundingRect(text).adjusted(-3, -1, 3, 1);
    box.moveTopLeft(QPoint(int(at.x()) + 2, int(at.y()) - box.height() / 2));
    if (box.right() > m_target.right())
        box.moveRight(m_target.right());
    box.moveTop(qBound(m_target.top(), box.top(), m_target.bottom() - box.height()));
    painter.fillRect(box, QColor(0, 0, 0, 170));
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

void PictureView::drawMark(QPainter& painter, const Mark& mark) const
{
    const QColor colour = mark.selected ? QColor(0xFF, 0xE0, 0x40) : QColor(Qt::white);
    painter.setBrush(Qt::NoBrush);
    switch (mark.kind) {
    case Mark::Spot: {
        const QRectF cell = cellRect(mark.a);
        const QPointF c = cell.center();
        const double arm = qMax(6.0, cell.width() * 1.5);
        for (const auto& [pen, width] : {std::pair<QColor, int>{Qt::black, 3}, {colour, 1}}) {
            painter.setPen(QPen(pen, width));
            painter.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() + arm, c.y()));
            painter.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() + arm));
        }
        drawLabel(painter, mark.text, QPointF(c.x() + arm, c.y()), colour);
        break;
    }
    case Mark::Box: {
        const QRectF r = cellRect(mark.a).united(cellRect(mark.b));
        painter.setPen(QPen(Qt::black, 3));
        painter.drawRect(r);
        painter.setPen(QPen(colour, 1));
        painter.drawRect(r);
        if (mark.hot.x() >= 0)
            painter.fillRect(cellRect(mark.hot).adjusted(1, 1, -1, -1), QColor(0xFF, 0x30, 0x30, 200));
        if (mark.cold.x() >= 0)
            painter.fillRect(cellRect(mark.cold).adjusted(1, 1, -1, -1), QColor(0x30, 0xA0, 0xFF, 200));
        drawLabel(painter, mark.text, QPointF(r.left(), r.top() - 8), colour);
        break;
    }
    case Mark::Line: {
        const QPointF a = cellRect(mark.a).center(), b = cellRect(mark.b).center();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawLine(a, b);
        painter.setPen(QPen(colour, 1.5));
        painter.drawLine(a, b);
        painter.setRenderHint(QPainter::Antialiasing, false);
        drawLabel(painter, mark.text, b, colour);
        break;
    }
    }
}

void PictureView::drawSpot(QPainter& painter, const Spot& spot, const QColor& colour) const
{
    const QSize size = pictureSize();
    if (spot.pixel.x() < 0 || spot.pixel.x() >= size.width() || spot.pixel.y() >= size.height())
        return;
    const QRectF cell = cellRect(spot.pixel);
    const double sx = cell.width(), sy = cell.height();
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
