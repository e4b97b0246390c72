#ifndef KM420FRAME_H
#define KM420FRAME_H

#include <QtGlobal>

#include <cstring>

// The KM420 frame record (14,935 bytes) as the camera sends it: envelope, picture and palette.
// What the extended information means is the camera's; see extinfolayout.h. Integers little-endian.
namespace Km420Frame {

constexpr int Size = 14935;
constexpr quint32 HeadMarker = 0x01234567; // bytes 67 45 23 01
constexpr quint32 TailMarker = 0x89ABCDEF; // bytes EF CD AB 89

constexpr int Width = 80;
constexpr int Height = 108;
constexpr int RowStride = 81; // the 81st byte of each row is not a pixel

constexpr int HeadOffset = 0;
constexpr int ExtInfoOffset = 4; // 6,144 bytes of extended information
constexpr int ExtInfoSize = 6144;
constexpr int PixelOffset = 6148; // 108 rows of 81 bytes
constexpr int PaletteOffset = 14896;
constexpr int TailOffset = 14931;

// The command record's code, and the three camera parameters a parameter buffer carries (the
// same places in a command record; how a frame echoes them is ExtInfoLayout's).
constexpr int ReplyCodeOffset = 4;   // uint16: command code
constexpr int AlarmLowOffset = 6;    // int16, tenths (second parameter)
constexpr int AlarmHighOffset = 8;   // int16, tenths (first parameter)
constexpr int EmissivityOffset = 10; // uint8, hundredths (third parameter)
constexpr int ParamBlockSize = 11;   // a parameter buffer holds at least bytes 0 to 10

inline qint16 readInt16(const char* record, int offset)
{
    const auto* p = reinterpret_cast<const uchar*>(record + offset);
    return static_cast<qint16>(static_cast<quint16>(p[0] | (p[1] << 8)));
}

inline quint32 readUInt32(const char* record, int offset)
{
    const auto* p = reinterpret_cast<const uchar*>(record + offset);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

inline void writeInt16(char* record, int offset, qint16 value)
{
    const auto v = static_cast<quint16>(value);
    record[offset] = static_cast<char>(v & 0xFF);
    record[offset + 1] = static_cast<char>(v >> 8);
}

inline void writeUInt32(char* record, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        record[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

} // namespace Km420Frame

#endif // KM420FRAME_H
