#include "colourbar.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int barWidth = 20;
constexpr int gap = 4;

} // namespace

ColourBar::ColourBar(QWidget* parent) : QWidget(parent), m_strip(1, 256, QImage::Format_RGB16)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

bool ColourBar::setPalette565(const ushort* palette)
{
    if (!palette) {
        if (!m_hasPalette)
            return false;
        m_hasPalette = false;
        update();
        return true;
    }
    if (m_hasPalette && std::memcmp(m_entries.data(), palette, sizeof(m_entries)) == 0)
        return false;
    std::memcpy(m_entries.data(), palette, sizeof(m_entries));
    m_hasPalette = true;
    fillStrip();
    return true;
}

void ColourBar::fillStrip()
{
    for (int i = 0; i < 256; ++i)
        *reinterpret_cast<quint16*>(m_strip.scanLine(255 - i)) = m_entries[m_mapped ? m_mapping[size_t(i)] : size_t(i)];
    update();
}

void ColourBar::setMapping(const uchar* table)
{
    const bool mapped = table != nullptr;
    if (mapped == m_mapped && (!mapped || std::memcmp(m_mapping.data(), table, m_mapping.size()) == 0))
        return;
    m_mapped = mapped;
    if (mapped)
        std::memcpy(m_mapping.data(), table, m_mapping.size());
    fillStrip();
}

void ColourBar::setWindow(bool shown, int low, int high)
{
    low = qBound(0, low, 255);
    high = qBound(low, high, 255);
    if (shown == m_windowShown && low == m_low && high == m_high)
        return;
    m_windowShown = shown;
    m_low = low;
    m_high = high;
    update();
}

int ColourBar::levelAt(int y) const
{
    const QRect bar = barRect();
    if (bar.height() <= 1)
        return 0;
    return qBound(0, int(std::lround(255.0 * (bar.bottom() - y) / (bar.height() - 1))), 255);
}

int ColourBar::yOfLevel(int level) const
{
    const QRect bar = barRect();
    return bar.bottom() - int(std::lround(level * (bar.height() - 1) / 255.0));
}

void ColourBar::mousePressEvent(QMouseEvent* event)
{
    if (!m_windowShown || event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    // The nearer handle follows the mouse.
    const int y = event->pos().y();
    m_dragging = std::abs(y - yOfLevel(m_high)) <= std::abs(y - yOfLevel(m_low)) ? 1 : -1;
    mouseMoveEvent(event);
}

void ColourBar::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return QWidget::mouseMoveEvent(event);
    const int level = levelAt(event->pos().y());
    const int low = m_dragging < 0 ? qMin(level, m_high - 1) : m_low;
    const int high = m_dragging > 0 ? qMax(level, m_low + 1) : m_high;
    if (low == m_low && high == m_high)
        return;
    setWindow(true, low, high);
    emit windowMoved(m_low, m_high);
}

void ColourBar::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = 0;
    QWidget::mouseReleaseEvent(event);
}

void ColourBar::setLabels(const QString& top, const QString& bottom)
{
    if (top == m_top && bottom == m_bottom)
        return;
    // Only the texts: the strip between them stays as it is.
    const int textHeight = fontMetrics().height();
    if (top != m_top)
        update(0, 0, width(), textHeight + gap);
    if (bottom != m_bottom)
        update(0, height() - textHeight - gap, width(), textHeight + gap);
    m_top = top;
    m_bottom = bottom;
}

QRgb ColourBar::rgbOf565(ushort value)
{
    QImage one(1, 1, QImage::Format_RGB16);
    *reinterpret_cast<quint16*>(one.scanLine(0)) = value;
    return one.pixel(0, 0);
}

QRect ColourBar::barRect() const
{
    const int textHeight = fontMetrics().height();
    QRect bar(0, textHeight + gap, barWidth, height() - 2 * (textHeight + gap));
    bar.moveLeft((width() - barWidth) / 2);
    return bar;
}

QSize ColourBar::sizeHint() const
{
    const QFontMetrics fm = fontMetrics();
    const int textWidth = fm.horizontalAdvance(QStringLiteral("-000.0 \u00B0C"));
    return {qMax(barWidth, textWidth) + 2 * gap, 300};
}

QSize ColourBar::minimumSizeHint() const
{
    return {sizeHint().width(), 120};
}

void ColourBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect bar = barRect();
    if (m_hasPalette) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(bar, m_strip);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar.adjusted(-1, -1, 0, 0));

    if (m_windowShown) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        for (int level : {m_low, m_high}) {
            const int y = yOfLevel(level);
            const QPolygonF left(
                {QPointF(bar.left() - 1, y), QPointF(bar.left() - 7, y - 5), QPointF(bar.left() - 7, y + 5)});
            const QPolygonF right(
                {QPointF(bar.right() + 1, y), QPointF(bar.right() + 7, y - 5), QPointF(bar.right() + 7, y + 5)});
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::white);
            painter.drawPolygon(left);
            painter.drawPolygon(right);
            painter.drawLine(bar.left(), y, bar.right(), y);
        }
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    const int textHeight = fontMetrics().height();
    painter.drawText(QRect(0, 0, width(), textHeight), Qt::AlignCenter, m_top);
    painter.drawText(QRect(0, height() - textHeight, width(), textHeight), Qt::AlignCenter, m_bottom);
}
