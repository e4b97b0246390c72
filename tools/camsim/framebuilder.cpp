#include "framebuilder.h"

#include <km420frame.h>

#include <vector>

quint8 FrameBuilder::indexFor(qint16 tenths, qint16 low, qint16 high) {
    if (high <= low || tenths <= low)
        return 0;
    if (tenths >= high)
        return 255;
    const int span = high - low;
    return static_cast<quint8>(((tenths - low) * 255 + span / 2) / span);
}

QByteArray FrameBuilder::build(const ThermalImage& image, quint16 replyCode, const CameraParameters& parameters,
                               quint32 sequence, quint8 paletteNumber) {
    using namespace Km420Frame;
    // Built in a plain buffer: GCC 12 at -O2 takes QByteArray::data() for its shared empty
    // header and reports writes past it that cannot happen.
    std::vector<char> buffer(Size, '\0');
    char* d = buffer.data();
    writeUInt32(d, HeadOffset, HeadMarker);
    writeInt16(d, ReplyCodeOffset, static_cast<qint16>(replyCode));
    writeInt16(d, AlarmLowOffset, parameters.alarmLowTenths);
    writeInt16(d, AlarmHighOffset, parameters.alarmHighTenths);
    d[EmissivityOffset] = static_cast<char>(parameters.emissivityHundredths);
    writeInt16(d, MinTempOffset, image.minimum);
    writeInt16(d, MaxTempOffset, image.maximum);
    writeInt16(d, CentreTempOffset, image.centre);
    writeUInt32(d, SequenceOffset, sequence);
    writeInt16(d, ScaleLowOffset, image.minimum);
    writeInt16(d, ScaleHighOffset, image.maximum);

    const bool complete = image.tenths.size() == Width * Height;
    for (int row = 0; row < Height; ++row) {
        char* line = d + PixelOffset + row * RowStride;
        for (int column = 0; complete && column < Width; ++column)
            line[column] = static_cast<char>(indexFor(image.at(column, row), image.minimum, image.maximum));
        line[Width] = static_cast<char>(PadByte);
    }
    d[PaletteOffset] = static_cast<char>(paletteNumber);
    writeUInt32(d, TailOffset, TailMarker);
    return QByteArray(d, Size);
}

bool FrameBuilder::hasValidMarkers(const QByteArray& frame) {
    using namespace Km420Frame;
    return frame.size() == Size && readUInt32(frame.constData(), HeadOffset) == HeadMarker &&
           readUInt32(frame.constData(), TailOffset) == TailMarker;
}
