#ifndef RECORDINGFORMAT_H
#define RECORDINGFORMAT_H

#include <devicebase/km420frame.h>
#include <recording/recording_export.h>

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The recording file (doc/recording-format.md): a header, then fixed-size entries, each holding
// one frame record exactly as the camera sent it. Integers little-endian.
namespace RecordingFormat {

constexpr char Magic[8] = {'K', 'M', '4', '2', '0', 'R', 'E', 'C'};
constexpr quint16 Version = 1;

// The header: magic, version, sizes, start time, camera name, CRC-32 of bytes 0 to 123.
constexpr int HeaderSize = 128;
constexpr int HeaderVersionOffset = 8;       // uint16
constexpr int HeaderSizeOffset = 10;         // uint16: HeaderSize
constexpr int HeaderEntrySizeOffset = 12;    // uint32: EntrySize
constexpr int HeaderFrameSizeOffset = 16;    // uint32: Km420Frame::Size
constexpr int HeaderStartOffset = 20;        // int64: start, microseconds since 1970-01-01 UTC
constexpr int HeaderCameraLengthOffset = 28; // uint16: bytes of the camera name
constexpr int HeaderCameraOffset = 30;       // UTF-8, zero-padded
constexpr int CameraNameMax = 94;
constexpr int HeaderCheckOffset = 124;

// An entry: its head, then the frame's 14,935 bytes.
constexpr char EntryMagic[4] = {'K', 'M', 'F', 'R'};
constexpr int EntryHeadSize = 32;
constexpr int EntryIndexOffset = 4;       // uint32: place of the frame in the recording
constexpr int EntryArrivalOffset = 8;     // int64: microseconds since the recording started (monotonic)
constexpr int EntryAlarmHighOffset = 16;  // int16, tenths (first camera parameter)
constexpr int EntryAlarmLowOffset = 18;   // int16, tenths (second camera parameter)
constexpr int EntryEmissivityOffset = 20; // uint8, hundredths (third camera parameter)
constexpr int EntryFlagsOffset = 21;      // uint8
constexpr int EntryFrameSizeOffset = 24;  // uint32: Km420Frame::Size
constexpr int EntryCheckOffset = 28;      // uint32: CRC-32 of head bytes 0 to 27 and the frame
constexpr int EntrySize = EntryHeadSize + Km420Frame::Size;

constexpr quint8 FlagParametersKnown = 0x01; // the parameters were sent to the camera by the recorder

} // namespace RecordingFormat

// The three camera parameters in force when a frame arrived, as the recorder last sent them;
// `known` is false when the recorder never sent any (the camera's own values are unknown to it).
struct RECORDING_EXPORT RecordedParameters {
    bool known = false;
    qint16 alarmHighTenths = 0;
    qint16 alarmLowTenths = 0;
    quint8 emissivityHundredths = 0;
};

struct RECORDING_EXPORT RecordedFrame {
    int index = -1;       // place in the recording, counted by the writer
    qint64 arrivalUs = 0; // microseconds since the recording started
    RecordedParameters parameters;
    QByteArray record; // Km420Frame::Size bytes, as received
};

struct RECORDING_EXPORT RecordingHeader {
    quint16 version = 0;
    QDateTime startUtc;
    QString camera;
};

#endif // RECORDINGFORMAT_H
