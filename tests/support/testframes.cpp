#include "testframes.h"

#include <devicebase/km420frame.h>

QByteArray TestFrames::marked(quint8 palette)
{
    QByteArray f(Km420Frame::Size, '\0');
    Km420Frame::writeUInt32(f.data(), Km420Frame::HeadOffset, Km420Frame::HeadMarker);
    f[Km420Frame::PaletteOffset] = char(palette);
    Km420Frame::writeUInt32(f.data(), Km420Frame::TailOffset, Km420Frame::TailMarker);
    return f;
}
