#pragma once

#include <QString>

// The name handed to the system when a port is opened.
class PortPath {
public:
    // Names starting with COM and a number get the device prefix \\.\, without which the system opens only
    // COM1 to COM9; every other name, lower-case com3 included, passes unchanged.
    static QString normalise(const QString& name);
};
