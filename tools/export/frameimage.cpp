#include "frameimage.h"

#include <frames/framedecoder.h>
#include <frames/palettes.h>
#include <frames/videoextinf.h>

#include <array>

namespace {

// Both in picture pixels, so they grow with the scale; even, so the width stays even at any scale.
constexpr int ScaleGap = 2;
constexpr int ScaleWidth = 8;

} // namespace

FrameImage::FrameImage(int palette, int scale, bool colourScale, const Orientation& orientation)
    : m_palette(palette < 0 ? -1 : palette % Palettes::Count), m_scale(qBound(1, scale, MaxScale)),
      m_colourScale(colourScale), m_orientation(orientation)
{
}

QSize FrameImage::size() const
{
    const QSize picture = m_orientation.turned(QSize(Km420Frame::Width, Km420Frame::Height));
    const int width = picture.width() + (m_colourScale ? ScaleGap + ScaleWidth : 0);
    return QSize(width * m_scale, picture.height() * m_scale);
}

int FrameImage::paletteFor(const Video_ExtInf& frame) const
{
    return m_palette >= 0 ? m_palette : FrameDecoder::paletteNumber(frame);
}

QImage FrameImage::render(const Video_ExtInf& frame) const
{
    const ushort* palette = Palettes::table(paletteFor(frame));
    std::array<ushort, FrameDecoder::PixelCount> decoded;
    FrameDecoder::decodePixels(frame, palette, decoded.data());
    const QSize cameraSize(Km420Frame::Width, Km420Frame::Height);
    const QSize shown = m_orientation.turned(cameraSize);
    std::array<ushort, FrameDecoder::PixelCount> turned;
    if (!m_orientation.isIdentity()) {
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QPoint c = m_orientation.toCamera(QPoint(x, y), cameraSize);
                turned[size_t(y * shown.width() + x)] = decoded[size_t(c.y() * Km420Frame::Width + c.x())];
            }
    }
    const std::array<ushort, FrameDecoder::PixelCount>& pixels = m_orientation.isIdentity() ? decoded : turned;

    QImage image(size(), QImage::Format_RGB16);
    image.fill(0);
    const int k = m_scale;
    for (int y = 0; y < image.height(); ++y) {
        auto* out = reinterpret_cast<ushort*>(image.scanLine(y));
        const ushort* in = pixels.data() + (y / k) * shown.width();
        for (int x = 0; x < shown.width(); ++x) {
            for (int i = 0; i < k; ++i)
                *out++ = in[x];
        }
        if (!m_colourScale)
            continue;
        // Hot at the top: row 0 shows entry 255 and the last row entry 0.
        const ushort colour = palette[Palettes::Entries - 1 - y * Palettes::Entries / image.height()];
        out += ScaleGap * k;
        for (int i = 0; i < ScaleWidth * k; ++i)
            *out++ = colour;
    }
    return image;
}
