#include "framecheck.h"

#include "videoextinf.h"

#include <cstring>

FrameCheck::Result FrameCheck::check(const QByteArray& reply, Video_ExtInf* frame)
{
    if (reply.size() != Km420Frame::Size)
        return FrameSizeWrong;
    std::memcpy(frame->bytes, reply.constData(), Km420Frame::Size);
    if (Km420Frame::readUInt32(frame->bytes, Km420Frame::HeadOffset) != Km420Frame::HeadMarker ||
        Km420Frame::readUInt32(frame->bytes, Km420Frame::TailOffset) != Km420Frame::TailMarker)
        return FrameFormatWrong;
    return FrameOk;
}
