#include "devicenotice.h"

#include <windows.h>

bool isDeviceChangeNotice(const QByteArray& eventType, void* message)
{
    if (eventType != "windows_generic_MSG" || !message)
        return false;
    // Top-level windows get WM_DEVICECHANGE with DBT_DEVNODES_CHANGED for any device without
    // registering; a USB serial port coming or going is one of them.
    return static_cast<const MSG*>(message)->message == WM_DEVICECHANGE;
}
