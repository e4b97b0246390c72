#ifndef FRAMECSV_H
#define FRAMECSV_H

#include <frames/frames_export.h>

#include <frames/levelmapping.h>
#include <frames/orientation.h>

#include <QByteArray>
#include <QString>

class FrameLevels;

// One frame as CSV: '#' lines naming the time, the palette, the layout (or "no temperatures") and the
// turn; the levels, one line per picture row as shown; then, only for a frame that gives temperatures,
// the same table in degrees Celsius. Numbers always with a '.' and separated by ','.
class FRAMES_EXPORT FrameCsv {
public:
    struct Header {
        QString time; // as the frame's time is known: a wall-clock time or a place in a recording
        int palette = 0;
        LevelTemperatures temperatures;
        Orientation orientation;
    };

    static QByteArray text(const FrameLevels& levels, const Header& header);
};

#endif // FRAMECSV_H
