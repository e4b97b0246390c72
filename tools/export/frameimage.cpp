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

FrameImage::FrameImage(int palette, int scale, bool colourScale)
    : m_palette(palette < 0 ? -1 : palette % Palettes::Count), m_scale(qBound(1, scale, MaxScale)),
      m_colourScale(colourScale)
{
}

QSize FrameImage::size() const
{
    const int width = Km420Frame::Width + (m_colourScale ? ScaleGap + ScaleWidth : 0);
    return QSize(width * m_scale, Km420Frame::Height * m_scale);
}

int FrameImage::paletteFor(const Video_ExtInf& frame) const
{
    return m_palette >= 0 ? m_palette : FrameDecoder::paletteNumber(frame);
}

QImage FrameImage::render(const Video_ExtInf& frame) const
{
    const ushort* palette = Palettes::table(paletteFor(frame));
    std::array<ushort, FrameDecoder::PixelCount> pixels;
    FrameDecoder::decodePixels(frame, palette, pixels.data());

    QImage image(size(), QImage::Format_RGB16);
    image.fill(0);
    const int k = m_scale;
    for (int y = 0; y < image.height(); ++y) {
        auto* out = reinterpret_cast<ushort*>(image.scanLine(y));
        const ushort* in = pixels.data() + (y / k) * Km420Frame::Width;
        for (int x = 0; x < Km420Frame::Width; ++x) {
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
