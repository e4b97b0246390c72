#include "framebuilder.h"

#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>

#include <cstring>
#include <vector>

quint8 FrameBuilder::indexFor(qint16 tenths, qint16 low, qint16 high)
{
    if (high <= low || tenths <= low)
        return 0;
    if (tenths >= high)
        return 255;
    const int span = high - low;
    return static_cast<quint8>(((tenths - low) * 255 + span / 2) / span);
}

QByteArray FrameBuilder::build(const ThermalImage& image, quint16 replyCode, const CameraParameters& parameters,
                               quint32 sequence, quint8 paletteNumber, ExtBlock block)
{
    using namespace Km420Frame;
    // Built in a plain buffer: GCC 12 at -O2 takes QByteArray::data() for its shared empty
    // header and reports writes past it that cannot happen.
    std::vector<char> buffer(Size, '\0');
    char* d = buffer.data();
    writeUInt32(d, HeadOffset, HeadMarker);
    if (block == ExtBlock::Known) {
        writeInt16(d, ReplyCodeOffset, static_cast<qint16>(replyCode));
        writeInt16(d, ExtInfoLayout::AlarmLowOffset, parameters.alarmLowTenths);
        writeInt16(d, ExtInfoLayout::AlarmHighOffset, parameters.alarmHighTenths);
        d[ExtInfoLayout::EmissivityOffset] = static_cast<char>(parameters.emissivityHundredths);
        writeInt16(d, ExtInfoLayout::MinTempOffset, image.minimum);
        writeInt16(d, ExtInfoLayout::MaxTempOffset, image.maximum);
        writeInt16(d, ExtInfoLayout::CentreTempOffset, image.centre);
        writeUInt32(d, ExtInfoLayout::SequenceOffset, sequence);
        writeInt16(d, ExtInfoLayout::ScaleLowOffset, image.minimum);
        writeInt16(d, ExtInfoLayout::ScaleHighOffset, image.maximum);
        ExtInfoLayout::seal(d);
    } else {
        // Another camera's block: every byte, the places camdesk's layout uses included, varies.
        quint64 x = (quint64(sequence) << 32) ^ 0x9E3779B97F4A7C15ull;
        for (int i = ExtInfoOffset; i < ExtInfoOffset + ExtInfoSize; ++i) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            d[i] = static_cast<char>(x >> 24);
        }
    }
    if (block == ExtBlock::Kelvin) {
        using K = KelvinLayout;
        const auto kelvin = [](qint16 tenths) { return quint16(qBound(0, tenths * 10 + 27315, 65535)); };
        const auto putBig16 = [d](int at, quint16 v) {
            d[at] = static_cast<char>(v >> 8);
            d[at + 1] = static_cast<char>(v);
        };
        std::memcpy(d + K::SignatureOffset, "TCAM", 4);
        d[K::VersionOffset] = 2;
        putBig16(K::MaxOffset, kelvin(image.maximum));
        putBig16(K::MinOffset, kelvin(image.minimum));
        putBig16(K::CentreOffset, kelvin(image.centre));
        putBig16(K::ScaleLowOffset, kelvin(K::RangeLowTenths));
        putBig16(K::ScaleHighOffset, kelvin(K::RangeHighTenths));
        putBig16(K::SequenceOffset, quint16(sequence >> 16));
        putBig16(K::SequenceOffset + 2, quint16(sequence));
        writeUInt32(d, K::CheckOffset, ExtInfoLayout::crc32(d + K::CheckedBegin, K::CheckOffset - K::CheckedBegin));
    }

    const bool complete = image.tenths.size() == Width * Height;
    const bool fixed = block == ExtBlock::Kelvin;
    const qint16 low = fixed ? KelvinLayout::RangeLowTenths : image.minimum;
    const qint16 high = fixed ? KelvinLayout::RangeHighTenths : image.maximum;
    for (int row = 0; row < Height; ++row) {
        char* line = d + PixelOffset + row * RowStride;
        for (int column = 0; complete && column < Width; ++column)
            line[column] = static_cast<char>(indexFor(image.at(column, row), low, high));
        line[Width] = static_cast<char>(PadByte);
    }
    d[PaletteOffset] = static_cast<char>(paletteNumber);
    writeUInt32(d, TailOffset, TailMarker);
    return QByteArray(d, Size);
}

bool FrameBuilder::hasValidMarkers(const QByteArray& frame)
{
    using namespace Km420Frame;
    return frame.size() == Size && readUInt32(frame.constData(), HeadOffset) == HeadMarker &&
           readUInt32(frame.constData(), TailOffset) == TailMarker;
}
