#include "levelmapping.h"

#include <cmath>

namespace {

uchar clampedIndex(double position)
{
    if (!(position > 0))
        return 0;
    if (position >= 255)
        return 255;
    return uchar(std::lround(position));
}

} // namespace

LevelMapping::Table LevelMapping::identity()
{
    Table t;
    for (int i = 0; i < 256; ++i)
        t[i] = uchar(i);
    return t;
}

LevelMapping::Table LevelMapping::heldCelsius(const LevelTemperatures& frame, double lowC, double highC)
{
    Table t;
    const double span = highC - lowC;
    for (int i = 0; i < 256; ++i) {
        const double c = frame.celsius(i);
        // A range of no width still splits the levels at its one temperature.
        t[i] = span > 0 ? clampedIndex((c - lowC) * 255.0 / span) : (c < lowC ? 0 : 255);
    }
    return t;
}

LevelMapping::Table LevelMapping::window(int low, int high)
{
    Table t;
    const int span = high - low;
    for (int i = 0; i < 256; ++i)
        t[i] = span > 0 ? clampedIndex((i - low) * 255.0 / span) : (i < low ? 0 : 255);
    return t;
}

quint32 LevelMapping::rgbOf565(ushort v)
{
    // Bits repeated into the low ones, as Qt converts RGB16 images.
    const quint32 r = (v >> 11) & 0x1F, g = (v >> 5) & 0x3F, b = v & 0x1F;
    return 0xFF000000u | (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
}

std::array<quint32, 256> LevelMapping::colours(const Table& table, const ushort* palette565)
{
    std::array<quint32, 256> out{};
    for (int i = 0; i < 256; ++i)
        out[i] = palette565 ? rgbOf565(palette565[table[i]]) : 0xFF000000u;
    return out;
}
