#include "pictureview.h"

#include <QPainter>
#include <QStyleOption>

namespace {

const QColor accent(0xDC, 0x50, 0x00);
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

QRect PictureView::targetRect() const { return m_target; }

QSize PictureView::sizeHint() const { return {400, 540}; }

QSize PictureView::minimumSizeHint() const { return {120, 160}; }

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
    if (m_alarm) {
        painter.setPen(QPen(accent, alarmBorder, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        const int half = alarmBorder / 2;
        painter.drawRect(m_target.adjusted(-half, -half, half - 1, half - 1));
    }
}
