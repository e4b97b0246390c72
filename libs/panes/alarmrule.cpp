#include "alarmrule.h"

#include <QStringList>

namespace {

QString tenths(qint16 value)
{
    return QString::number(value / 10.0, 'f', 1);
}

} // namespace

AlarmRule::Causes AlarmRule::evaluate(const OptionParam& options, const LiveReadings& readings)
{
    Causes causes;
    if (!options.allowAlarm || !readings.valid)
        return causes;
    if (options.allowMaxAlarm && readings.maxTemp > readings.alarmHigh)
        causes |= AboveHigh;
    if (options.allowMinAlarm && readings.minTemp < readings.alarmLow)
        causes |= BelowLow;
    return causes;
}

QString AlarmRule::csvHeader()
{
    return QStringLiteral("Time,Alarm,Min (C),Max (C),Centre (C),Low limit (C),High limit (C),Emissivity");
}

QString AlarmRule::csvLine(const QDateTime& time, Causes causes, const LiveReadings& readings)
{
    QStringList what;
    if (causes.testFlag(AboveHigh))
        what << QStringLiteral("high");
    if (causes.testFlag(BelowLow))
        what << QStringLiteral("low");
    return QStringList{time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                       what.join(QLatin1Char('+')),
                       tenths(readings.minTemp),
                       tenths(readings.maxTemp),
                       tenths(readings.centreTemp),
                       tenths(readings.alarmLow),
                       tenths(readings.alarmHigh),
                       QString::number(readings.emissivity / 100.0, 'f', 2)}
        .join(QLatin1Char(','));
}
