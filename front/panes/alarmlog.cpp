#include "alarmlog.h"

#include "alarmrule.h"
#include "paneslogging.h"

#include <QDir>
#include <QFile>

QString AlarmLog::fileName(const QDate& date)
{
    return QStringLiteral("alarms_%1.csv").arg(date.toString(QStringLiteral("yyyyMMdd")));
}

bool AlarmLog::append(const QString& folder, const QDate& date, const QString& line)
{
    if (folder.isEmpty()) {
        qCWarning(lcPanesLive) << "no history folder set; alarm not logged";
        return false;
    }
    if (!QDir().mkpath(folder)) {
        qCWarning(lcPanesLive) << "cannot create history folder" << folder;
        return false;
    }
    QFile file(QDir(folder).filePath(fileName(date)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        qCWarning(lcPanesLive) << "cannot open alarm log" << file.fileName() << file.errorString();
        return false;
    }
    QByteArray text;
    if (file.size() == 0)
        text = AlarmRule::csvHeader().toUtf8() + '\n';
    text += line.toUtf8() + '\n';
    if (file.write(text) != text.size() || !file.flush()) {
        qCWarning(lcPanesLive) << "cannot write alarm log" << file.fileName() << file.errorString();
        return false;
    }
    return true;
}
