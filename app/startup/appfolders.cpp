#include "appfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace AppFolders {

QString dataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" CAMDESK_DATA_FROM_PROGRAM));
}

QString firstExisting(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return paths.value(0);
}

} // namespace AppFolders
