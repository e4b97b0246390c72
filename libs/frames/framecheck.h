#ifndef FRAMECHECK_H
#define FRAMECHECK_H

#include <frames/frames_export.h>

#include <QByteArray>

struct Video_ExtInf;

// The envelope check of one collected reply.
class FRAMES_EXPORT FrameCheck {
public:
    enum Result { FrameOk, FrameSizeWrong, FrameFormatWrong };

    // A reply of frame size is copied into *frame before its markers are tested, so on
    // FrameFormatWrong *frame holds the bad reply too; on FrameSizeWrong it is left alone.
    static Result check(const QByteArray& reply, Video_ExtInf* frame);
};

#endif // FRAMECHECK_H
