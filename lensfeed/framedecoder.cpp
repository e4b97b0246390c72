#include "framedecoder.h"

#include "palettes.h"
#include "videoextinf.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

int FrameDecoder::paletteNumber(const Video_ExtInf& frame)
{
    return uchar(frame.bytes[Km420Frame::PaletteOffset]) % Palettes::Count;
}

void FrameDecoder::decodePixels(const Video_ExtInf& frame, const ushort* palette, ushort* out)
{
    const auto* row = reinterpret_cast<const uchar*>(frame.bytes + Km420Frame::PixelOffset);
#if defined(__SSE2__) || defined(_M_X64)
    // A table look-up per pixel does not vectorise on SSE2; what can go is the work around it. Eight indices come
    // in one load (x86: the first is the low byte) and eight pixels leave in one store, where the plain loop
    // reads each index again after each store, since a char may alias the output.
    static_assert(Km420Frame::Width % 8 == 0, "rows are decoded eight pixels at a time");
    for (int r = 0; r < Km420Frame::Height; ++r, row += Km420Frame::RowStride, out += Km420Frame::Width) {
        for (int c = 0; c < Km420Frame::Width; c += 8) {
            std::uint64_t idx;
            std::memcpy(&idx, row + c, sizeof idx);
            __m128i v = _mm_cvtsi32_si128(palette[idx & 0xFF]);
            v = _mm_insert_epi16(v, palette[(idx >> 8) & 0xFF], 1);
            v = _mm_insert_epi16(v, palette[(idx >> 16) & 0xFF], 2);
            v = _mm_insert_epi16(v, palette[(idx >> 24) & 0xFF], 3);
            v = _mm_insert_epi16(v, palette[(idx >> 32) & 0xFF], 4);
            v = _mm_insert_epi16(v, palette[(idx >> 40) & 0xFF], 5);
            v = _mm_insert_epi16(v, palette[(idx >> 48) & 0xFF], 6);
            v = _mm_insert_epi16(v, palette[idx >> 56], 7);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + c), v);
        }
    }
#else
    for (int r = 0; r < Km420Frame::Height; ++r, row += Km420Frame::RowStride) {
        for (int c = 0; c < Km420Frame::Width; ++c)
            *out++ = palette[row[c]];
    }
#endif
}
