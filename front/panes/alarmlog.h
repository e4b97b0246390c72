#ifndef ALARMLOG_H
#define ALARMLOG_H

#include <panes/panes_export.h>

#include <QDate>
#include <QString>

// The alarm log: one CSV file per day in the history folder.
class PANES_EXPORT AlarmLog {
public:
    static QString fileName(const QDate& date);
    // Appends one line (a header first when the file is new), creating the folder if missing.
    // Failures are logged, never shown.
    static bool append(const QString& folder, const QDate& date, const QString& line);
};

#endif // ALARMLOG_H
