#include "picturefile.h"

#include "paneslogging.h"

#include <QBuffer>
#include <QImage>
#include <QPixmap>
#include <QSaveFile>

bool PictureFile::savePng(const QPixmap& picture, const QString& fileName)
{
    if (fileName.isEmpty() || picture.isNull())
        return false;
    // Encoded in memory first: the PNG encoder loses memory when its output fails mid-way (a full
    // disk), and the file then gets one write whose failure is seen.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.toImage().save(&buffer, "PNG")) {
        qCWarning(lcPanesPicture) << "cannot encode picture for" << fileName;
        return false;
    }
    QSaveFile file(fileName);
    // Unbuffered: a buffered flush that writes only part of the data (disk full) is not reported, and
    // commit() would then replace a good picture with a cut one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCWarning(lcPanesPicture) << "cannot open" << fileName << file.errorString();
        return false;
    }
    if (file.write(png) != png.size()) {
        qCWarning(lcPanesPicture) << "cannot write" << fileName << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcPanesPicture) << "cannot write" << fileName << file.errorString();
        return false;
    }
    return true;
}
