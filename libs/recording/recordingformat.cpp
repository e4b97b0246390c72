#include "recordingformat.h"

bool RecordedParameters::operator==(const RecordedParameters& other) const
{
    if (known != other.known)
        return false;
    return !known || (alarmHighTenths == other.alarmHighTenths && alarmLowTenths == other.alarmLowTenths &&
                      emissivityHundredths == other.emissivityHundredths);
}
