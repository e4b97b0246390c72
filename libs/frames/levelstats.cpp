#include "levelstats.h"

#include "framelevels.h"

#include <cstdlib>

int LevelStats::spot(const FrameLevels& levels, const QPoint& pixel)
{
    if (!levels.isValid() || !FrameLevels::bounds().contains(pixel))
        return -1;
    return levels.at(pixel);
}

LevelStats::Box LevelStats::box(const FrameLevels& levels, const QRect& area)
{
    Box out;
    const QRect r = area.normalized() & FrameLevels::bounds();
    if (!levels.isValid() || r.isEmpty())
        return out;
    int lo = 256, hi = -1;
    qint64 sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const int v = levels.at(x, y);
            sum += v;
            if (v < lo) {
                lo = v;
                out.coldest = QPoint(x, y);
            }
            if (v > hi) {
                hi = v;
                out.hottest = QPoint(x, y);
            }
        }
    }
    out.valid = true;
    out.minimum = lo;
    out.maximum = hi;
    out.mean = double(sum) / (qint64(r.width()) * r.height());
    return out;
}

LevelStats::Profile LevelStats::profile(const FrameLevels& levels, const QLine& line)
{
    Profile out;
    const bool valid = levels.isValid();
    int x = line.x1(), y = line.y1();
    const int dx = std::abs(line.x2() - x), dy = -std::abs(line.y2() - y);
    const int sx = x < line.x2() ? 1 : -1, sy = y < line.y2() ? 1 : -1;
    int err = dx + dy;
    const QRect bounds = FrameLevels::bounds();
    for (;;) {
        if (bounds.contains(x, y)) {
            out.pixels.append(QPoint(x, y));
            if (valid)
                out.levels.append(levels.at(x, y));
        }
        if (x == line.x2() && y == line.y2())
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return out;
}

std::array<int, 256> LevelStats::histogram(const FrameLevels& levels)
{
    std::array<int, 256> counts{};
    if (!levels.isValid())
        return counts;
    const uchar* p = levels.data();
    for (int i = 0; i < FrameLevels::Width * FrameLevels::Height; ++i)
        ++counts[p[i]];
    return counts;
}
