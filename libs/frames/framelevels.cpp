#include "framelevels.h"

#include <cstring>

FrameLevels FrameLevels::fromRecord(const char* record)
{
    FrameLevels levels;
    if (!record)
        return levels;
    for (int row = 0; row < Height; ++row)
        std::memcpy(levels.m_levels.data() + row * Width,
                    record + Km420Frame::PixelOffset + row * Km420Frame::RowStride, Width);
    levels.m_valid = true;
    return levels;
}

FrameLevels FrameLevels::fromLevels(const uchar* data)
{
    FrameLevels levels;
    std::memcpy(levels.m_levels.data(), data, levels.m_levels.size());
    levels.m_valid = true;
    return levels;
}
