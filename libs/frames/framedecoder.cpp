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

#ifdef FRAMEDECODER_X86_GNU
#define FRAMEDECODER_AVX2 1
// A byte shuffle looks up sixteen entries, so each byte of the palette is sixteen tables of sixteen, one per high
// nibble of the index. Shuffling index - 16h reads table h by the low nibble where h is the index's high nibble;
// where the index is above the table's group the shuffle reads some other entry, where below it (the difference
// wrapping to at least 128) it gives zero. So a group's table holds its entries XOR the group below's, and XOR-ing
// the shuffles of groups 0 to 7 leaves the index's entry for indices below 128; groups 8 to 15 do the same for
// the upper half, and the index's top bit chooses between the two.
struct Avx2Tables {
    __m256i low[16];
    __m256i high[16];
};

__attribute__((target("avx2"))) void makeAvx2Tables(const ushort* palette, Avx2Tables& t)
{
    // Within each 16-byte half: the low bytes of its eight entries, then their high bytes.
    const __m128i split = _mm_setr_epi8(0, 2, 4, 6, 8, 10, 12, 14, 1, 3, 5, 7, 9, 11, 13, 15);
    __m128i lowBelow = _mm_setzero_si128();
    __m128i highBelow = _mm_setzero_si128();
    for (int g = 0; g < 16; ++g) {
        const __m128i a = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(palette + 16 * g)), split);
        const __m128i b =
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(palette + 16 * g + 8)), split);
        const __m128i low = _mm_unpacklo_epi64(a, b);
        const __m128i high = _mm_unpackhi_epi64(a, b);
        if (g == 8)
            lowBelow = highBelow = _mm_setzero_si128();
        t.low[g] = _mm256_broadcastsi128_si256(_mm_xor_si128(low, lowBelow));
        t.high[g] = _mm256_broadcastsi128_si256(_mm_xor_si128(high, highBelow));
        lowBelow = low;
        highBelow = high;
    }
}

// The 32 pixels of 32 indices; unpacking works within each 16-byte lane, so first holds indices 0 to 7 and 16 to
// 23, second 8 to 15 and 24 to 31.
__attribute__((target("avx2"))) inline void avx2Lookup(const Avx2Tables& t, __m256i idx, __m256i& first,
                                                       __m256i& second)
{
    const __m256i sixteen = _mm256_set1_epi8(16);
    __m256i x = idx;
    __m256i lowBelow128 = _mm256_shuffle_epi8(t.low[0], x);
    __m256i highBelow128 = _mm256_shuffle_epi8(t.high[0], x);
    for (int g = 1; g < 8; ++g) {
        x = _mm256_sub_epi8(x, sixteen);
        lowBelow128 = _mm256_xor_si256(lowBelow128, _mm256_shuffle_epi8(t.low[g], x));
        highBelow128 = _mm256_xor_si256(highBelow128, _mm256_shuffle_epi8(t.high[g], x));
    }
    x = _mm256_sub_epi8(x, sixteen);
    __m256i lowAbove = _mm256_shuffle_epi8(t.low[8], x);
    __m256i highAbove = _mm256_shuffle_epi8(t.high[8], x);
    for (int g = 9; g < 16; ++g) {
        x = _mm256_sub_epi8(x, sixteen);
        lowAbove = _mm256_xor_si256(lowAbove, _mm256_shuffle_epi8(t.low[g], x));
        highAbove = _mm256_xor_si256(highAbove, _mm256_shuffle_epi8(t.high[g], x));
    }
    const __m256i low = _mm256_blendv_epi8(lowBelow128, lowAbove, idx);
    const __m256i high = _mm256_blendv_epi8(highBelow128, highAbove, idx);
    first = _mm256_unpacklo_epi8(low, high);
    second = _mm256_unpackhi_epi8(low, high);
}

__attribute__((target("avx2"))) void decodeAvx2(const uchar* row, const ushort* palette, ushort* out)
{
    static_assert(Width == 80 && Height % 2 == 0, "rows are 64 + 16 pixels, taken two rows at a time");
    Avx2Tables t;
    makeAvx2Tables(palette, t);
    __m256i first;
    __m256i second;
    for (int r = 0; r < Height; r += 2, row += 2 * RowStride, out += 2 * Width) {
        for (int k = 0; k < 4; ++k) {
            const int at = (k / 2) * RowStride + (k % 2) * 32;
            avx2Lookup(t, _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + at)), first, second);
            auto* to = reinterpret_cast<__m256i*>(out + (k / 2) * Width + (k % 2) * 32);
            _mm256_storeu_si256(to, _mm256_permute2x128_si256(first, second, 0x20));
            _mm256_storeu_si256(to + 1, _mm256_permute2x128_si256(first, second, 0x31));
        }
        // The last 16 of both rows in one register, so nothing past a row's 80th byte is read.
        const __m256i tails =
            _mm256_inserti128_si256(_mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 64))),
                                    _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + RowStride + 64)), 1);
        avx2Lookup(t, tails, first, second);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 64), _mm256_permute2x128_si256(first, second, 0x20));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + Width + 64),
                            _mm256_permute2x128_si256(first, second, 0x31));
    }
}
#endif

// The AVX2 path is not taken by itself: on the one processor it was measured on (which has VBMI too) it took
// about 1.7 times as long as the SSE2 path, the shuffles costing more than the loads they replace.
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
    case Path::Avx2:
#ifdef FRAMEDECODER_AVX2
        return __builtin_cpu_supports("avx2");
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
    case Path::Avx2:
#ifdef FRAMEDECODER_AVX2
        if (hasPath(Path::Avx2)) {
            decodeAvx2(row, palette, out);
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
