#ifndef FRAMELEVELS_H
#define FRAMELEVELS_H

#include <frames/frames_export.h>

#include <devicebase/km420frame.h>

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>

// The picture of one frame as levels, 0 (coldest) to 255 (hottest): the palette indices the camera sent,
// rows packed without the 81st byte. Every measuring tool reads these, never the colours.
class FRAMES_EXPORT FrameLevels {
public:
    static constexpr int Width = Km420Frame::Width;
    static constexpr int Height = Km420Frame::Height;

    FrameLevels() = default;
    // From a whole frame record; a null record gives an empty picture (isValid() false).
    static FrameLevels fromRecord(const char* record);
    // From Width x Height levels in row order (hand-made pictures).
    static FrameLevels fromLevels(const uchar* levels);

    bool isValid() const { return m_valid; }
    uchar at(int x, int y) const { return m_levels[y * Width + x]; }
    uchar at(const QPoint& p) const { return at(p.x(), p.y()); }
    const uchar* data() const { return m_levels.data(); }
    static QRect bounds() { return QRect(0, 0, Width, Height); }

private:
    std::array<uchar, Width * Height> m_levels{};
    bool m_valid = false;
};

#endif // FRAMELEVELS_H
