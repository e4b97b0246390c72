#include "picturespots.h"

#include <devicebase/km420frame.h>

PictureSpots PictureSpots::fromRecord(const char* record)
{
    PictureSpots spots;
    if (!record)
        return spots;
    using namespace Km420Frame;
    int hot = -1, cold = 256;
    for (int row = 0; row < Height; ++row) {
        const auto* line = reinterpret_cast<const uchar*>(record + PixelOffset + row * RowStride);
        for (int column = 0; column < Width; ++column) {
            const int v = line[column];
            if (v > hot) {
                hot = v;
                spots.hottest = QPoint(column, row);
            }
            if (v < cold) {
                cold = v;
                spots.coldest = QPoint(column, row);
            }
        }
    }
    spots.hotIndex = static_cast<quint8>(hot);
    spots.coldIndex = static_cast<quint8>(cold);
    spots.valid = hot > cold;
    return spots;
}
