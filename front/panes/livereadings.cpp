#include "livereadings.h"

#include <devicebase/km420frame.h>
#include <layouts/layoutcatalog.h>

#include <QCoreApplication>

#include <cmath>
#include <limits>

LiveReadings LiveReadings::fromRecord(const char* record, const QString& pickedLayout)
{
    using Field = LayoutProfile::Field;
    LiveReadings r;
    if (!record)
        return r;
    const LayoutReading reading = LayoutCatalog::shared().read(record, pickedLayout);
    if (reading.state == LayoutReading::State::NoLayout)
        return r;
    r.layout = reading.profile;
    if (reading.state == LayoutReading::State::OutOfRange) {
        r.outOfRange = true;
        return r;
    }
    r.valid = true;
    r.verified = reading.verified;
    const auto tenths = [&reading](Field field) { return toTenths(reading.value(field)); };
    r.hasMax = reading.has(Field::Max);
    r.hasMin = reading.has(Field::Min);
    r.hasCentre = reading.has(Field::Centre);
    r.hasScale = reading.has(Field::ScaleLow) && reading.has(Field::ScaleHigh);
    r.hasCameraParams = reading.has(Field::AlarmHigh) && reading.has(Field::AlarmLow) && reading.has(Field::Emissivity);
    r.hasSequence = reading.has(Field::Sequence);
    r.maxTemp = r.hasMax ? tenths(Field::Max) : 0;
    r.minTemp = r.hasMin ? tenths(Field::Min) : 0;
    r.centreTemp = r.hasCentre ? tenths(Field::Centre) : 0;
    r.scaleLow = r.hasScale ? tenths(Field::ScaleLow) : 0;
    r.scaleHigh = r.hasScale ? tenths(Field::ScaleHigh) : 0;
    if (r.hasCameraParams) {
        r.alarmHigh = tenths(Field::AlarmHigh);
        r.alarmLow = tenths(Field::AlarmLow);
        // The echo as the camera gave it, even outside what the boxes offer.
        r.emissivity = static_cast<quint8>(qBound(0.0, std::round(reading.value(Field::Emissivity) * 100.0), 255.0));
    }
    if (r.hasSequence)
        r.sequence = static_cast<quint32>(qBound(0.0, reading.value(Field::Sequence), 4294967295.0));
    return r;
}

QString LiveReadings::layoutText() const
{
    if (outOfRange)
        return outOfRangeText(layout);
    if (!valid)
        return QStringLiteral("\u2014");
    return verified ? layout : QCoreApplication::translate("LiveReadings", "%1 (unverified)").arg(layout);
}

QString LiveReadings::layoutLabel() const
{
    return verified || layout.isEmpty() ? layout : layout + QStringLiteral(" (unverified)");
}

QString LiveReadings::outOfRangeText(const QString& layout)
{
    return QCoreApplication::translate("LiveReadings", "values out of range for %1").arg(layout);
}

double LiveReadings::temperatureOfIndex(int index) const
{
    return scaleLow + (scaleHigh - scaleLow) * qBound(0, index, 255) / 255.0;
}

void LiveReadings::writeCameraParams(char* buffer, qint16 alarmHigh, qint16 alarmLow, quint8 emissivity)
{
    using namespace Km420Frame;
    writeInt16(buffer, AlarmHighOffset, alarmHigh);
    writeInt16(buffer, AlarmLowOffset, alarmLow);
    buffer[EmissivityOffset] = static_cast<char>(emissivity);
}

qint16 LiveReadings::toTenths(double celsius)
{
    if (std::isnan(celsius))
        return 0;
    const double t = std::round(celsius * 10.0);
    if (t <= std::numeric_limits<qint16>::min())
        return std::numeric_limits<qint16>::min();
    if (t >= std::numeric_limits<qint16>::max())
        return std::numeric_limits<qint16>::max();
    return static_cast<qint16>(t);
}

quint8 LiveReadings::toHundredths(double emissivity)
{
    if (std::isnan(emissivity))
        return 100;
    const double h = std::round(emissivity * 100.0);
    if (h < 1.0)
        return 1;
    if (h > 100.0)
        return 100;
    return static_cast<quint8>(h);
}
