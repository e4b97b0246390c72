#include "picturefile.h"

#include "paneslogging.h"

#include <frames/wholefile.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPixmap>

bool PictureFile::savePng(const QPixmap& picture, const QString& fileName, QString* error)
{
    if (fileName.isEmpty() || picture.isNull()) {
        if (error)
            *error = QCoreApplication::translate("PictureFile", "There is no picture to save.");
        return false;
    }
    // Encoded in memory first: the PNG encoder loses memory when its output fails mid-way (a full
    // disk), and the file then gets one write whose failure is seen.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.toImage().save(&buffer, "PNG")) {
        qCWarning(lcPanesPicture) << "cannot encode picture for" << fileName;
        if (error)
            *error = QCoreApplication::translate("PictureFile", "The picture cannot be encoded as PNG.");
        return false;
    }
    QString why;
    if (!WholeFile::write(fileName, png, &why)) {
        qCWarning(lcPanesPicture) << "cannot write" << fileName << why;
        if (error)
            *error = why;
        return false;
    }
    return true;
}
