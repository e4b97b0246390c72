#ifndef LIVEREADINGS_H
#define LIVEREADINGS_H

#include <panes/panes_export.h>

#include <QtGlobal>

// The camera's readings and parameters taken from one frame record. Temperatures in tenths of a
// degree Celsius, emissivity in hundredths. Only a record that proves it carries camdesk's layout of
// the extended information gives a valid reading; every other record gives none of these values.
struct PANES_EXPORT LiveReadings {
    bool valid = false;
    qint16 alarmHigh = 0;
    qint16 alarmLow = 0;
    quint8 emissivity = 0;
    qint16 minTemp = 0;
    qint16 maxTemp = 0;
    qint16 centreTemp = 0;
    qint16 scaleLow = 0;
    qint16 scaleHigh = 0;
    quint32 sequence = 0;

    // Reads a whole frame record; a null record, or one without the known layout, gives an invalid reading.
    static LiveReadings fromRecord(const char* record);

    // The temperature of a palette index, in tenths, on the camera's scale (index 0 at scaleLow,
    // 255 at scaleHigh, linear between); only for a valid reading.
    double temperatureOfIndex(int index) const;

    // Writes the three camera parameters at their record offsets (buffer of at least 11 bytes).
    static void writeCameraParams(char* buffer, qint16 alarmHigh, qint16 alarmLow, quint8 emissivity);

    // Degrees Celsius to tenths, rounded and clamped to the 16-bit range.
    static qint16 toTenths(double celsius);
    // Emissivity (0.01 to 1.00) to hundredths, rounded and clamped to 1..100.
    static quint8 toHundredths(double emissivity);
};

#endif // LIVEREADINGS_H
