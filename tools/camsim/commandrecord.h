#ifndef CAMSIM_COMMANDRECORD_H
#define CAMSIM_COMMANDRECORD_H

#include <camsim/camsim_export.h>

#include <QByteArray>
#include <QtGlobal>

// One 55-byte command record as the client sends it: head marker, code, three parameter values, zero fill,
// tail marker. All integers little-endian.
struct CAMSIM_EXPORT CommandRecord {
    static constexpr int Size = 55;
    static constexpr int CodeOffset = 4;
    static constexpr int SecondValueOffset = 6; // int16, tenths
    static constexpr int FirstValueOffset = 8;  // int16, tenths
    static constexpr int ThirdValueOffset = 10; // uint8, hundredths
    static constexpr int TailOffset = 51;

    enum Code : quint16 { GetVideoFrame = 0, SetParameters = 1, ResetFrame = 2 };

    quint16 code = GetVideoFrame;
    qint16 secondValue = 0;
    qint16 firstValue = 0;
    quint8 thirdValue = 0;

    // The record as the client would write it; handy for tests that play the client.
    QByteArray toBytes() const;
    // Reads a record from exactly Size bytes; false when a marker is wrong.
    static bool fromBytes(const char* data, CommandRecord* record);
};

#endif // CAMSIM_COMMANDRECORD_H
