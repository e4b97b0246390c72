#ifndef WHOLEFILE_H
#define WHOLEFILE_H

#include <frames/frames_export.h>

#include <QByteArray>
#include <QString>

// A file written whole or not at all: a failed write (no such folder, no right to it, a full disk)
// leaves what was there before and says why.
class FRAMES_EXPORT WholeFile {
public:
    static bool write(const QString& fileName, const QByteArray& data, QString* error = nullptr);
};

#endif // WHOLEFILE_H
