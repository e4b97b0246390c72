#ifndef MODEENTRY_H
#define MODEENTRY_H

#include <devicebase/devicemanager.h>

#include <QString>

class ChildPane;

// One device mode as the main window tracks it.
struct ModeEntry {
    DeviceManager::Mode mode;
    QString group;               // connection group key, untranslated ("Wi-Fi", "USB")
    QString kind;                // content kind key, untranslated ("File", "Video")
    ChildPane* window = nullptr; // the sub-window shown for this mode, if any
};

#endif // MODEENTRY_H
