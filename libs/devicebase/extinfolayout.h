#ifndef EXTINFOLAYOUT_H
#define EXTINFOLAYOUT_H

#include "km420frame.h"
#include <devicebase/devicebase_export.h>

#include <QtGlobal>

// camdesk's own layout of the extended information of a frame record (doc/layout-profiles.md).
// The 6,144 bytes belong to the camera; a frame carries this layout only when its signature,
// version and check value say so, and no value of an unproven block may be shown or used.
// Offsets are from byte 0 of the frame record; integers little-endian.
namespace ExtInfoLayout {

// The three camera parameters, echoed from the last set-parameters command (the same places as
// in a command record and in a parameter buffer handed to the camera library).
constexpr int AlarmLowOffset = Km420Frame::AlarmLowOffset;     // int16, tenths of a degree Celsius
constexpr int AlarmHighOffset = Km420Frame::AlarmHighOffset;   // int16, tenths of a degree Celsius
constexpr int EmissivityOffset = Km420Frame::EmissivityOffset; // uint8, hundredths
// Readings of the scene.
constexpr int MinTempOffset = 12;    // int16, tenths: coldest point
constexpr int MaxTempOffset = 14;    // int16, tenths: hottest point
constexpr int CentreTempOffset = 16; // int16, tenths: picture centre, pixel (40, 54)
constexpr int SequenceOffset = 18;   // uint32: frame counter of the camera
constexpr int ScaleLowOffset = 22;   // int16, tenths: temperature of palette index 0
constexpr int ScaleHighOffset = 24;  // int16, tenths: temperature of palette index 255
// The proof: signature, version, and a CRC-32 over bytes CheckedBegin to CheckedEnd - 1.
constexpr int SignatureOffset = 26; // 4 bytes "KMXI"
constexpr int VersionOffset = 30;   // uint16
constexpr int CheckOffset = 32;     // uint32
constexpr int CheckedBegin = 4;
constexpr int CheckedEnd = CheckOffset;
constexpr int End = 36; // bytes of the record the layout covers

constexpr quint16 Version = 1;

// CRC-32 (IEEE 802.3, as zlib computes it) of `size` bytes; pass the CRC of what came before to
// continue over data in pieces.
DEVICEBASE_EXPORT quint32 crc32(const char* data, int size, quint32 before = 0);
// True when the record of `size` bytes carries this layout: signature, version and check value.
DEVICEBASE_EXPORT bool recognise(const char* record, int size);
// Writes signature, version and check value over the fields already in place.
DEVICEBASE_EXPORT void seal(char* record);

} // namespace ExtInfoLayout

#endif // EXTINFOLAYOUT_H
