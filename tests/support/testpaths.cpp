#include "testpaths.h"

#include <QCoreApplication>
#include <QDir>

QString TestPaths::artifactPath(const QString& name)
{
    const QString dir = qEnvironmentVariable("CAMDESK_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}

QString TestPaths::optionsFilePath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/options.xml");
}
