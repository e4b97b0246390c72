#ifndef PICTURESPOTS_H
#define PICTURESPOTS_H

#include <panes/panes_export.h>

#include <QPoint>
#include <QtGlobal>

// The hottest and the coldest pixel of a frame's picture, by palette index: every palette runs from
// cold (index 0) to hot (index 255), so this holds for any camera, whatever its extended information.
struct PANES_EXPORT PictureSpots {
    bool valid = false; // false for a missing record or a flat picture, which has no spot to show
    QPoint hottest;     // first in row order among the pixels of the highest index
    QPoint coldest;     // first in row order among the pixels of the lowest index
    quint8 hotIndex = 0;
    quint8 coldIndex = 0;

    // Reads the pixel block of a whole frame record.
    static PictureSpots fromRecord(const char* record);
};

#endif // PICTURESPOTS_H
