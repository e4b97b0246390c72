#ifndef CAMSIM_CAMERAPARAMETERS_H
#define CAMSIM_CAMERAPARAMETERS_H

#include <QtGlobal>

// The three values a set-parameters record carries, as the camera keeps and echoes them.
struct CameraParameters {
    qint16 alarmHighTenths = 500;     // first value, record bytes 8-9
    qint16 alarmLowTenths = 0;        // second value, record bytes 6-7
    quint8 emissivityHundredths = 95; // third value, record byte 10

    bool operator==(const CameraParameters& o) const
    {
        return alarmHighTenths == o.alarmHighTenths && alarmLowTenths == o.alarmLowTenths &&
               emissivityHundredths == o.emissivityHundredths;
    }
    bool operator!=(const CameraParameters& o) const { return !(*this == o); }
};

#endif // CAMSIM_CAMERAPARAMETERS_H
