#include "wholefile.h"

#include <QSaveFile>

bool WholeFile::write(const QString& fileName, const QByteArray& data, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (fileName.isEmpty())
        return fail(QStringLiteral("no file name"));
    QSaveFile file(fileName);
    // Unbuffered: a buffered flush that writes only part of the data (disk full) is not reported, and
    // commit() would then replace a good file with a cut one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (file.write(data) != data.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
