#ifndef VIDEOEXTINF_H
#define VIDEOEXTINF_H

#include <devicebase/km420frame.h>

// One reply frame as received, byte 0 being the head marker; see km420frame.h for the layout.
struct Video_ExtInf {
    char bytes[Km420Frame::Size];
};

static_assert(sizeof(Video_ExtInf) == Km420Frame::Size, "the frame record has no padding");

#endif // VIDEOEXTINF_H
