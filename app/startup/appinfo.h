#ifndef APPINFO_H
#define APPINFO_H

#include <QString>

// Product name and version, shown in the window title and message boxes.
extern const QString appName;
extern const QString appVersion;

#endif // APPINFO_H
