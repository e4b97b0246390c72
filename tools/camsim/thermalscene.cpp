#include "thermalscene.h"

#include <devicebase/km420frame.h>

#include <algorithm>
#include <cmath>

namespace {

quint64 splitMix(quint64 x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// Uniform in [0, 1).
double unit(quint64 x)
{
    return double(splitMix(x) >> 11) / double(1ull << 53);
}

double segmentDistance(double px, double py, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax, dy = by - ay;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = ax + t * dx - px, ey = ay + t * dy - py;
    return std::sqrt(ex * ex + ey * ey);
}

// 1 well inside a shape, 0 well outside, a soft edge of about two pixels.
double inside(double distance, double radius)
{
    return 1.0 / (1.0 + std::exp((distance - radius) / 0.8));
}

} // namespace

qint16 ThermalImage::at(int column, int row) const
{
    return tenths.at(row * Km420Frame::Width + column);
}

ThermalScene::ThermalScene(quint32 seed)
    : m_seed(seed), m_background(20.0 + 4.0 * unit(quint64(seed) << 8 | 1)),
      m_gradient(0.5 + 2.0 * unit(quint64(seed) << 8 | 2)), m_phaseX(6.283 * unit(quint64(seed) << 8 | 3)),
      m_phaseY(6.283 * unit(quint64(seed) << 8 | 4)), m_hotX(12 + 56 * unit(quint64(seed) << 8 | 5)),
      m_hotY(10 + 30 * unit(quint64(seed) << 8 | 6)), m_hotTemperature(55.0 + 25.0 * unit(quint64(seed) << 8 | 7))
{
}

ThermalImage ThermalScene::render(quint32 frameNumber) const
{
    using namespace Km420Frame;
    const double t = frameNumber / 25.0;
    const double palmX = 40 + 24 * std::sin(0.7 * t + m_phaseX);
    const double palmY = 58 + 22 * std::sin(0.45 * t + m_phaseY);
    const double skin = 33.0 + 0.6 * std::sin(0.3 * t);
    const double hot = m_hotTemperature + 2.0 * std::sin(0.2 * t);
    const quint64 noiseKey = (quint64(m_seed) << 32) ^ (quint64(frameNumber) * 0x100000001B3ull);

    ThermalImage image;
    image.tenths.resize(Width * Height);
    qint16* out = image.tenths.data();
    for (int row = 0; row < Height; ++row) {
        for (int column = 0; column < Width; ++column) {
            const double x = column, y = row;
            double temperature = m_background + m_gradient * y / (Height - 1);
            const double dhx = x - m_hotX, dhy = y - m_hotY;
            temperature += (hot - temperature) * inside(std::sqrt(dhx * dhx + dhy * dhy), 4.0);

            // The palm and the forearm reaching down past the bottom edge; they hide what lies behind.
            const double dPalm = std::hypot(x - palmX, (y - palmY) * 0.8);
            const double dArm = segmentDistance(x, y, palmX, palmY, palmX + 12, Height + 20);
            const double body = std::max(inside(dPalm, 11.0), inside(dArm, 6.5));
            temperature += (skin - temperature) * body;

            temperature += 0.2 * (2 * unit(noiseKey + quint64(row * Width + column)) - 1);
            *out++ = static_cast<qint16>(std::lround(temperature * 10));
        }
    }
    const auto [lo, hi] = std::minmax_element(image.tenths.cbegin(), image.tenths.cend());
    image.minimum = *lo;
    image.maximum = *hi;
    image.centre = image.at(Width / 2, Height / 2);
    return image;
}
