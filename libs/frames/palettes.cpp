#include "palettes.h"

#include <array>

namespace {

constexpr int SampleCount = 17; // every 16th entry and the last

constexpr int sampleIndex(int k)
{
    return k < SampleCount - 1 ? 16 * k : 255;
}

// Palette 2 is built from its formula; its row here is not used.
constexpr ushort Samples[Palettes::Count][SampleCount] = {
    {0x1063, 0x1067, 0x106B, 0x110E, 0x12AC, 0x144B, 0x35A8, 0xA644, 0xE601, 0xE4A1, 0xE321, 0xE941, 0xE947, 0xEA50,
     0xEC15, 0xF5FA, 0xF7DE},
    {0x0006, 0x0011, 0x1818, 0x6016, 0xA813, 0xC88D, 0xD908, 0xF182, 0xFAA0, 0xFBE0, 0xFD00, 0xFE40, 0xFF80, 0xFFE6,
     0xFFEE, 0xFFF6, 0xFFFE},
    {},
    {0x41E7, 0x528A, 0x736E, 0x9493, 0xB577, 0xCE5B, 0xE71D, 0xF79F, 0xFFFF, 0xFFFC, 0xFFF5, 0xF7EB, 0xEFA3, 0xEE20,
     0xF400, 0xF180, 0xF800},
    {0x2977, 0x10A5, 0x18C2, 0x2102, 0x2943, 0x39A5, 0x4226, 0x5288, 0x630A, 0x738D, 0x840F, 0x9491, 0xA4F3, 0xAD55,
     0xBDD7, 0xDEDB, 0xF79F},
};

// The dark end of the camera's palettes repeats entry 0 up to here.
constexpr int RepeatEnd[Palettes::Count] = {4, 2, 3, 3, 0};

constexpr int channel(ushort v, int c)
{
    return c == 0 ? (v >> 11) & 0x1F : c == 1 ? (v >> 5) & 0x3F : v & 0x1F;
}

// Each channel moves linearly from a to b, rounded away from a: the first step after a segment's
// start already changes every channel that changes at all, so a repeated run ends exactly where
// it should, and the end point is hit exactly.
constexpr int interpolate(int a, int b, int step, int steps)
{
    const int span = b > a ? b - a : a - b;
    const int moved = (span * step + steps - 1) / steps;
    return b > a ? a + moved : a - moved;
}

constexpr ushort rgb(int r, int g, int b)
{
    return ushort((r << 11) | (g << 5) | b);
}

using Table = std::array<std::array<ushort, Palettes::Entries>, Palettes::Count>;

constexpr Table buildTables()
{
    Table t{};
    for (int p = 0; p < Palettes::Count; ++p) {
        for (int i = 0; i < Palettes::Entries; ++i) {
            if (p == 2) {
                t[p][i] = rgb(i / 8, i / 4, i / 8);
                continue;
            }
            if (i <= RepeatEnd[p]) {
                t[p][i] = Samples[p][0];
                continue;
            }
            int k = 0;
            while (sampleIndex(k + 1) < i)
                ++k;
            const int from = k == 0 ? RepeatEnd[p] : sampleIndex(k);
            const int to = sampleIndex(k + 1);
            const ushort a = Samples[p][k];
            const ushort b = Samples[p][k + 1];
            t[p][i] = rgb(interpolate(channel(a, 0), channel(b, 0), i - from, to - from),
                          interpolate(channel(a, 1), channel(b, 1), i - from, to - from),
                          interpolate(channel(a, 2), channel(b, 2), i - from, to - from));
        }
    }
    return t;
}

// Writable storage on purpose: getVideoPlat() hands out a non-const pointer.
Table g_tables = buildTables();

} // namespace

ushort* Palettes::table(int number)
{
    const int n = ((number % Count) + Count) % Count;
    return g_tables[n].data();
}
