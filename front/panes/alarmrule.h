#ifndef ALARMRULE_H
#define ALARMRULE_H

#include "livereadings.h"
#include "optionparam.h"
#include <panes/panes_export.h>

#include <QDateTime>
#include <QFlags>
#include <QString>

// When the live picture is in alarm, and how an alarm is written to the log. No I/O.
class PANES_EXPORT AlarmRule {
public:
    enum Cause {
        NoAlarm = 0,
        AboveHigh = 1, // hottest point above the high limit
        BelowLow = 2,  // coldest point below the low limit
    };
    Q_DECLARE_FLAGS(Causes, Cause)

    static Causes evaluate(const OptionParam& options, const LiveReadings& readings);
    // The causes that were not present before: a log line is written when this is not empty.
    static Causes onset(Causes previous, Causes current) { return current & ~previous; }

    static QString csvHeader();
    // One log line (no line end); numbers always with a full stop as decimal point.
    static QString csvLine(const QDateTime& time, Causes causes, const LiveReadings& readings);
};

Q_DECLARE_OPERATORS_FOR_FLAGS(AlarmRule::Causes)

#endif // ALARMRULE_H
