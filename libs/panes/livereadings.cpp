#include "livereadings.h"

#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>

#include <cmath>
#include <limits>

LiveReadings LiveReadings::fromRecord(const char* record)
{
    LiveReadings r;
    if (!ExtInfoLayout::recognise(record, Km420Frame::Size))
        return r;
    using namespace Km420Frame;
    r.valid = true;
    r.alarmHigh = readInt16(record, ExtInfoLayout::AlarmHighOffset);
    r.alarmLow = readInt16(record, ExtInfoLayout::AlarmLowOffset);
    r.emissivity = static_cast<quint8>(record[ExtInfoLayout::EmissivityOffset]);
    r.minTemp = readInt16(record, ExtInfoLayout::MinTempOffset);
    r.maxTemp = readInt16(record, ExtInfoLayout::MaxTempOffset);
    r.centreTemp = readInt16(record, ExtInfoLayout::CentreTempOffset);
    r.scaleLow = readInt16(record, ExtInfoLayout::ScaleLowOffset);
    r.scaleHigh = readInt16(record, ExtInfoLayout::ScaleHighOffset);
    r.sequence = readUInt32(record, ExtInfoLayout::SequenceOffset);
    return r;
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
