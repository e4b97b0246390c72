#ifndef LEVELMAPPING_H
#define LEVELMAPPING_H

#include <frames/frames_export.h>

#include <QString>
#include <QtGlobal>

#include <array>

// The temperatures of a frame's levels: linear from the scale's low end (level 0) to its high end
// (level 255), in degrees Celsius, as the named layout gives them. No layout, no temperatures.
struct FRAMES_EXPORT LevelTemperatures {
    QString layout;
    double lowC = 0;
    double highC = 0;

    bool isKnown() const { return !layout.isEmpty(); }
    double celsius(double level) const { return lowC + level * (highC - lowC) / 255.0; }
};

// Which palette entry paints each level. The camera's own mapping is the identity; a held scale keeps the
// colours fixed while the camera re-ranges.
class FRAMES_EXPORT LevelMapping {
public:
    using Table = std::array<uchar, 256>;

    static Table identity();
    // Each level's temperature in this frame coloured within the held range; outside it, the range's ends.
    static Table heldCelsius(const LevelTemperatures& frame, double lowC, double highC);
    // Levels from low to high spread over the whole palette; levels outside clip to its ends.
    static Table window(int low, int high);
    // The RGB colour of each level: the palette entry the table names.
    static std::array<quint32, 256> colours(const Table& table, const ushort* palette565);
    static quint32 rgbOf565(ushort value);
};

#endif // LEVELMAPPING_H
