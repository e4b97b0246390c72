#include "alarmrule.h"

#include <QStringList>

namespace {

QString tenths(qint16 value, bool given = true)
{
    return given ? QString::number(value / 10.0, 'f', 1) : QString();
}

// A field as CSV reads it: quoted when it holds a separator or a quote.
QString csvField(QString text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

AlarmRule::Causes AlarmRule::evaluate(const OptionParam& options, const LiveReadings& readings)
{
    Causes causes;
    if (!options.allowAlarm || !readings.valid)
        return causes;
    if (options.allowMaxAlarm && readings.hasMax && readings.maxTemp > readings.alarmHigh)
        causes |= AboveHigh;
    if (options.allowMinAlarm && readings.hasMin && readings.minTemp < readings.alarmLow)
        causes |= BelowLow;
    return causes;
}

QString AlarmRule::csvHeader()
{
    return QStringLiteral("Time,Alarm,Min (C),Max (C),Centre (C),Low limit (C),High limit (C),Emissivity,Layout");
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
                       tenths(readings.minTemp, readings.hasMin),
                       tenths(readings.maxTemp, readings.hasMax),
                       tenths(readings.centreTemp, readings.hasCentre),
                       tenths(readings.alarmLow),
                       tenths(readings.alarmHigh),
                       readings.hasCameraParams ? QString::number(readings.emissivity / 100.0, 'f', 2) : QString(),
                       csvField(readings.layoutLabel())}
        .join(QLatin1Char(','));
}
