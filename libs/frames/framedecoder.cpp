#include "framedecoder.h"

#include "palettes.h"
#include "videoextinf.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#define FRAMEDECODER_X86_GNU 1
#include <immintrin.h>
#elif defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#if defined(__SSE2__) || defined(_M_X64)
#define FRAMEDECODER_SSE2 1
#endif

namespace {

using Km420Frame::Height;
using Km420Frame::RowStride;
using Km420Frame::Width;

void decodePortable(const uchar* row, const ushort* palette, ushort* out)
{
    for (int r = 0; r < Height; ++r, row += RowStride) {
        for (int c = 0; c < Width; ++c)
            *out++ = palette[row[c]];
    }
}

#ifdef FRAMEDECODER_SSE2
// A table look-up per pixel does not vectorise on SSE2; what can go is the work around it. Eight indices come in
// one load (x86: the first is the low byte) and eight pixels leave in one store, where the plain loop reads each
// index again after each store, since a char may alias the output.
void decodeSse2(const uchar* row, const ushort* palette, ushort* out)
{
    static_assert(Width % 8 == 0, "rows are decoded eight pixels at a time");
    for (int r = 0; r < Height; ++r, row += RowStride, out += Width) {
        for (int c = 0; c < Width; c += 8) {
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
}
#endif

#ifdef FRAMEDECODER_X86_GNU
#define FRAMEDECODER_VBMI 1
// With byte permutes the whole palette sits in registers, so 64 pixels take a handful of instructions instead of
// 64 loads: the palette's low and high bytes are two 256-byte tables, four registers each; a permute reads 128
// entries by the index's low seven bits, its top bit chooses between two permutes.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void decodeVbmi(const uchar* row, const ushort* palette,
                                                                       ushort* out)
{
    // Entries 64i to 64i + 63 are 128 bytes, two registers; their even bytes are the low ones, odd the high.
    struct alignas(64) Picks {
        uchar even[64];
        uchar odd[64];
    };
    static const Picks picks = [] {
        Picks p{};
        for (int i = 0; i < 64; ++i) {
            p.even[i] = uchar(2 * i);
            p.odd[i] = uchar(2 * i + 1);
        }
        return p;
    }();
    const __m512i evenBytes = _mm512_load_si512(picks.even);
    const __m512i oddBytes = _mm512_load_si512(picks.odd);
    __m512i low[4];
    __m512i high[4];
    for (int i = 0; i < 4; ++i) {
        const __m512i a = _mm512_loadu_si512(palette + 64 * i);
        const __m512i b = _mm512_loadu_si512(palette + 64 * i + 32);
        low[i] = _mm512_permutex2var_epi8(a, evenBytes, b);
        high[i] = _mm512_permutex2var_epi8(a, oddBytes, b);
    }
    // Unpacking pairs bytes within each 16-byte lane; these put the 64-bit groups back in pixel order.
    const __m512i firstHalf = _mm512_setr_epi64(0, 1, 8, 9, 2, 3, 10, 11);
    const __m512i secondHalf = _mm512_setr_epi64(4, 5, 12, 13, 6, 7, 14, 15);
    for (int r = 0; r < Height; ++r, row += RowStride, out += Width) {
        for (int c = 0; c < Width; c += 64) {
            const int n = std::min(64, Width - c);
            const __mmask64 take = n == 64 ? ~__mmask64(0) : (__mmask64(1) << n) - 1;
            // Masked, so the 81st byte of the row and what follows the last row are never read.
            const __m512i idx = _mm512_maskz_loadu_epi8(take, row + c);
            const __mmask64 upper = _mm512_movepi8_mask(idx);
            const __m512i lo = _mm512_mask_blend_epi8(upper, _mm512_permutex2var_epi8(low[0], idx, low[1]),
                                                      _mm512_permutex2var_epi8(low[2], idx, low[3]));
            const __m512i hi = _mm512_mask_blend_epi8(upper, _mm512_permutex2var_epi8(high[0], idx, high[1]),
                                                      _mm512_permutex2var_epi8(high[2], idx, high[3]));
            const __m512i a = _mm512_unpacklo_epi8(lo, hi);
            const __m512i b = _mm512_unpackhi_epi8(lo, hi);
            const __m512i first = _mm512_permutex2var_epi64(a, firstHalf, b);
            const __m512i second = _mm512_permutex2var_epi64(a, secondHalf, b);
            const int firstCount = std::min(n, 32);
            const int secondCount = n - firstCount;
            _mm512_mask_storeu_epi16(out + c, __mmask32((std::uint64_t(1) << firstCount) - 1), first);
            if (secondCount > 0)
                _mm512_mask_storeu_epi16(out + c + 32, __mmask32((std::uint64_t(1) << secondCount) - 1), second);
        }
    }
}
#endif

FrameDecoder::Path fastestPath()
{
#ifdef FRAMEDECODER_VBMI
    if (FrameDecoder::hasPath(FrameDecoder::Path::Vbmi))
        return FrameDecoder::Path::Vbmi;
#endif
#ifdef FRAMEDECODER_SSE2
    return FrameDecoder::Path::Sse2;
#else
    return FrameDecoder::Path::Portable;
#endif
}

} // namespace

int FrameDecoder::paletteNumber(const Video_ExtInf& frame)
{
    return uchar(frame.bytes[Km420Frame::PaletteOffset]) % Palettes::Count;
}

bool FrameDecoder::hasPath(Path path)
{
    switch (path) {
    case Path::Portable:
        return true;
    case Path::Sse2:
#ifdef FRAMEDECODER_SSE2
        return true;
#else
        return false;
#endif
    case Path::Vbmi:
#ifdef FRAMEDECODER_VBMI
        // The processor's word, which also covers the system saving the wide registers.
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512vbmi");
#else
        return false;
#endif
    }
    return false;
}

FrameDecoder::Path FrameDecoder::fastest()
{
    static const Path path = fastestPath();
    return path;
}

void FrameDecoder::decodePixels(const Video_ExtInf& frame, const ushort* palette, ushort* out)
{
    decodePixels(fastest(), frame, palette, out);
}

void FrameDecoder::decodePixels(Path path, const Video_ExtInf& frame, const ushort* palette, ushort* out)
{
    const auto* row = reinterpret_cast<const uchar*>(frame.bytes + Km420Frame::PixelOffset);
    switch (path) {
    case Path::Vbmi:
#ifdef FRAMEDECODER_VBMI
        if (fastest() == Path::Vbmi) {
            decodeVbmi(row, palette, out);
            return;
        }
#endif
        break;
    case Path::Sse2:
#ifdef FRAMEDECODER_SSE2
        decodeSse2(row, palette, out);
        return;
#else
        break;
#endif
    case Path::Portable:
        break;
    }
    decodePortable(row, palette, out);
}
