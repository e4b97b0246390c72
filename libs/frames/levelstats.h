#ifndef LEVELSTATS_H
#define LEVELSTATS_H

#include <frames/frames_export.h>

#include <QLine>
#include <QPoint>
#include <QRect>
#include <QVector>

#include <array>

class FrameLevels;

// What the measuring tools read off a picture's levels, in camera pixels. An empty picture, or a marker
// wholly outside it, gives an invalid result: nothing to show.
class FRAMES_EXPORT LevelStats {
public:
    struct Box {
        bool valid = false;
        int minimum = 0;
        int maximum = 0;
        double mean = 0;
        QPoint coldest; // first in row order among the pixels of the lowest level
        QPoint hottest;
    };
    struct Profile {
        QVector<QPoint> pixels; // from the line's start to its end, each pixel once
        QVector<int> levels;    // empty for an empty picture
    };

    // The level at a pixel, or -1 outside the picture.
    static int spot(const FrameLevels& levels, const QPoint& pixel);
    // Over the box's pixels inside the picture.
    static Box box(const FrameLevels& levels, const QRect& box);
    // The pixels a line crosses (Bresenham), clipped to the picture, and their levels.
    static Profile profile(const FrameLevels& levels, const QLine& line);
    static std::array<int, 256> histogram(const FrameLevels& levels);
};

#endif // LEVELSTATS_H
