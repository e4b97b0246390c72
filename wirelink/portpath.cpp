#include "portpath.h"

#include <QRegularExpression>

QString PortPath::normalise(const QString& name)
{
    static const QRegularExpression comName(QStringLiteral("^COM(\\d+)"));
    QString path = name;
    if (comName.match(path).hasMatch())
        path.prepend(QStringLiteral("\\\\.\\"));
    return path;
}
