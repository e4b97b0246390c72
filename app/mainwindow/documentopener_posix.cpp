#include "documentopener.h"

#include <QDesktopServices>
#include <QUrl>

void openDocument(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
