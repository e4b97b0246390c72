#include "extinfolayout.h"
#include "km420frame.h"

#include <array>
#include <cstring>

namespace {

constexpr char signature[4] = {'K', 'M', 'X', 'I'};

constexpr std::array<quint32, 256> crcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<quint32, 256> table = crcTable();

} // namespace

quint32 ExtInfoLayout::crc32(const char* data, int size, quint32 before)
{
    quint32 c = before ^ 0xFFFFFFFFu;
    for (int i = 0; i < size; ++i)
        c = table[(c ^ static_cast<uchar>(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

bool ExtInfoLayout::recognise(const char* record, int size)
{
    if (!record || size < End)
        return false;
    if (std::memcmp(record + SignatureOffset, signature, sizeof signature) != 0)
        return false;
    if (static_cast<quint16>(Km420Frame::readInt16(record, VersionOffset)) != Version)
        return false;
    return Km420Frame::readUInt32(record, CheckOffset) == crc32(record + CheckedBegin, CheckedEnd - CheckedBegin);
}

void ExtInfoLayout::seal(char* record)
{
    std::memcpy(record + SignatureOffset, signature, sizeof signature);
    Km420Frame::writeInt16(record, VersionOffset, static_cast<qint16>(Version));
    Km420Frame::writeUInt32(record, CheckOffset, crc32(record + CheckedBegin, CheckedEnd - CheckedBegin));
}
