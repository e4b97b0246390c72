#include "colourbar.h"

#include <QPainter>

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
    for (int i = 0; i < 256; ++i)
        *reinterpret_cast<quint16*>(m_strip.scanLine(255 - i)) = m_entries[static_cast<size_t>(i)];
    update();
    return true;
}

void ColourBar::setLabels(const QString& top, const QString& bottom)
{
    if (top == m_top && bottom == m_bottom)
        return;
    m_top = top;
    m_bottom = bottom;
    update();
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

    painter.setPen(palette().color(QPalette::WindowText));
    const int textHeight = fontMetrics().height();
    painter.drawText(QRect(0, 0, width(), textHeight), Qt::AlignCenter, m_top);
    painter.drawText(QRect(0, height() - textHeight, width(), textHeight), Qt::AlignCenter, m_bottom);
}
