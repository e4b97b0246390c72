#include "commandrecordbuilder.h"

#include <devicebase/km420frame.h>

#include <cmath>
#include <cstring>

namespace {

// Truncated toward zero, clamped; NaN becomes 0.
int scaled(double value, double scale, int low, int high)
{
    const double v = std::trunc(value * scale);
    if (std::isnan(v))
        return 0;
    if (v < low)
        return low;
    if (v > high)
        return high;
    return int(v);
}

} // namespace

CommandRecordBuilder::CommandRecordBuilder() = default;

QByteArray CommandRecordBuilder::build(uchar code)
{
    Km420Frame::writeUInt32(m_record.data(), 0, Km420Frame::HeadMarker);
    Km420Frame::writeInt16(m_record.data(), CodeOffset, qint16(code));
    Km420Frame::writeUInt32(m_record.data(), TailOffset, Km420Frame::TailMarker);
    return bytes();
}

void CommandRecordBuilder::setParameters(double first, double second, double third)
{
    Km420Frame::writeInt16(m_record.data(), FirstValueOffset, qint16(scaled(first, 10, -32768, 32767)));
    Km420Frame::writeInt16(m_record.data(), SecondValueOffset, qint16(scaled(second, 10, -32768, 32767)));
    m_record[ThirdValueOffset] = char(scaled(third, 100, 0, 255));
}

void CommandRecordBuilder::copyParameters(const char* param)
{
    std::memcpy(m_record.data() + SecondValueOffset, param + SecondValueOffset, 2);
    std::memcpy(m_record.data() + FirstValueOffset, param + FirstValueOffset, 2);
    m_record[ThirdValueOffset] = param[ThirdValueOffset];
}

QByteArray CommandRecordBuilder::bytes() const
{
    return QByteArray(m_record.data(), Size);
}

QByteArray CommandRecordBuilder::refreshed(const QByteArray& record) const
{
    if (record.size() != Size)
        return record;
    QByteArray out = record;
    out.replace(SecondValueOffset, ThirdValueOffset + 1 - SecondValueOffset, m_record.data() + SecondValueOffset,
                ThirdValueOffset + 1 - SecondValueOffset);
    return out;
}
