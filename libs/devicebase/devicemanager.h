#ifndef DEVICEMANAGER_H
#define DEVICEMANAGER_H

#include <devicebase/devicebase_export.h>

#include <QObject>

// The device modes, one bit each, and the masks that group them.
class DEVICEBASE_EXPORT DeviceManager {
    Q_GADGET
public:
    // A fixed type: a mode value the outside libraries send without a name here stays a valid Mode.
    enum Mode : int {
        WifiFile = 1,
        WifiVideo = 2,
        UsbFile = 4,
        UsbVideo = 8,
    };
    Q_ENUM(Mode)

    enum Mask {
        FileModes = 5,
        VideoModes = 10,
        WifiModes = 3,
        UsbModes = 12,
    };

    static constexpr bool inMask(int mode, Mask mask) { return (mode & mask) != 0; }
};

#endif // DEVICEMANAGER_H
