#include "commandrecord.h"

#include <devicebase/km420frame.h>

QByteArray CommandRecord::toBytes() const
{
    QByteArray bytes(Size, '\0');
    char* d = bytes.data();
    Km420Frame::writeUInt32(d, 0, Km420Frame::HeadMarker);
    Km420Frame::writeInt16(d, CodeOffset, static_cast<qint16>(code));
    Km420Frame::writeInt16(d, SecondValueOffset, secondValue);
    Km420Frame::writeInt16(d, FirstValueOffset, firstValue);
    d[ThirdValueOffset] = static_cast<char>(thirdValue);
    Km420Frame::writeUInt32(d, TailOffset, Km420Frame::TailMarker);
    return bytes;
}

bool CommandRecord::fromBytes(const char* data, CommandRecord* record)
{
    if (Km420Frame::readUInt32(data, 0) != Km420Frame::HeadMarker ||
        Km420Frame::readUInt32(data, TailOffset) != Km420Frame::TailMarker)
        return false;
    record->code = static_cast<quint16>(Km420Frame::readInt16(data, CodeOffset));
    record->secondValue = Km420Frame::readInt16(data, SecondValueOffset);
    record->firstValue = Km420Frame::readInt16(data, FirstValueOffset);
    record->thirdValue = static_cast<quint8>(data[ThirdValueOffset]);
    return true;
}
