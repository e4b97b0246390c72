#include "portpath.h"

#include <QRegularExpression>

QString PortPath::normalise(const QString& name)
{
    static const QRegularExpression comName(QStringLiteral("^COM(\\d+)"));
    QString path = name;
    // The first four characters decide. Matching on them alone keeps anything after them that is not valid
    // UTF-16 (a lone surrogate) from failing the match: the regular-expression engine refuses such a subject.
    if (comName.match(path.left(4)).hasMatch())
        path.prepend(QStringLiteral("\\\\.\\"));
    return path;
}
