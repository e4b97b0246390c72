#include "framedecoder.h"

#include "palettes.h"
#include "videoextinf.h"

int FrameDecoder::paletteNumber(const Video_ExtInf& frame)
{
    return uchar(frame.bytes[Km420Frame::PaletteOffset]) % Palettes::Count;
}

void FrameDecoder::decodePixels(const Video_ExtInf& frame, const ushort* palette, ushort* out)
{
    const auto* row = reinterpret_cast<const uchar*>(frame.bytes + Km420Frame::PixelOffset);
    for (int r = 0; r < Km420Frame::Height; ++r, row += Km420Frame::RowStride) {
        for (int c = 0; c < Km420Frame::Width; ++c)
            *out++ = palette[row[c]];
    }
}
