#ifndef LIVEREADINGS_H
#define LIVEREADINGS_H

#include <panes/panes_export.h>

#include <QString>
#include <QtGlobal>

// The camera's readings and parameters taken from one frame record, through the first layout profile
// that proves the record. Temperatures in tenths of a degree Celsius, emissivity in hundredths. A record
// no profile proves, or whose values cannot be temperatures, gives none of these values.
struct PANES_EXPORT LiveReadings {
    bool valid = false;
    // A profile proves the record but a value is out of range; nothing of it may be shown.
    bool outOfRange = false;
    // The proving profile's name: it goes with every value shown.
    QString layout;
    // False when the profile was picked for the camera rather than proven by the record.
    bool verified = false;
    // Which of the values the profile gives; a value it does not give is not shown.
    bool hasMax = false;
    bool hasMin = false;
    bool hasCentre = false;
    bool hasScale = false;        // both ends
    bool hasCameraParams = false; // all three
    bool hasSequence = false;
    qint16 alarmHigh = 0;
    qint16 alarmLow = 0;
    quint8 emissivity = 0;
    qint16 minTemp = 0;
    qint16 maxTemp = 0;
    qint16 centreTemp = 0;
    qint16 scaleLow = 0;
    qint16 scaleHigh = 0;
    quint32 sequence = 0;

    // Reads a whole frame record through camdesk's layout catalog; a null record, or one no profile
    // proves, gives an invalid reading.
    static LiveReadings fromRecord(const char* record, const QString& pickedLayout = QString());

    // What a readings box says of the layout: the profile's name, that its values are out of range, or "—".
    QString layoutText() const;
    // The profile's name as files carry it, with "(unverified)" for a picked one.
    QString layoutLabel() const;
    static QString outOfRangeText(const QString& layout);

    // The temperature of a palette index, in tenths, on the camera's scale (index 0 at scaleLow,
    // 255 at scaleHigh, linear between); only for a valid reading with a scale.
    double temperatureOfIndex(int index) const;

    // Writes the three camera parameters at their record offsets (buffer of at least 11 bytes).
    static void writeCameraParams(char* buffer, qint16 alarmHigh, qint16 alarmLow, quint8 emissivity);

    // Degrees Celsius to tenths, rounded and clamped to the 16-bit range.
    static qint16 toTenths(double celsius);
    // Emissivity (0.01 to 1.00) to hundredths, rounded and clamped to 1..100.
    static quint8 toHundredths(double emissivity);
};

#endif // LIVEREADINGS_H
