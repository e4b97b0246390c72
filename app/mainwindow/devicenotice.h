#ifndef DEVICENOTICE_H
#define DEVICENOTICE_H

#include <QByteArray>

// Whether a native window message says that a device came or went (WM_DEVICECHANGE on Windows;
// elsewhere the camera watch hears the system itself).
bool isDeviceChangeNotice(const QByteArray& eventType, void* message);

#endif // DEVICENOTICE_H
