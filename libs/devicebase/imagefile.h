#ifndef IMAGEFILE_H
#define IMAGEFILE_H

#include <devicebase/devicebase_export.h>

#include <QByteArray>
#include <QDateTime>
#include <QString>

// A picture file read from a device: where it came from and its undecoded bytes.
struct DEVICEBASE_EXPORT ImageFile {
    QString path; // full path on the device, '/' separated
    QString name; // file name only
    QDateTime modified;
    QByteArray data; // the file's content as stored (PNG, JPEG or BMP)

    // Why a file asked for was not read.
    enum class Refusal {
        Gone,       // no longer on the disk
        OffDisk,    // not on a disk the device offers (a link or path leading elsewhere)
        TooLarge,   // above the size a device reads
        NotPicture, // neither named nor made as a PNG, JPEG or BMP picture, or unreadable
    };
};

#endif // IMAGEFILE_H
