#include "framecompletion.h"

FrameCompletion::Outcome FrameCompletion::complete(SerialStreamCut::State state, const QByteArray& reply,
                                                   Video_ExtInf* frame)
{
    Outcome outcome = Nothing;
    switch (state) {
    case SerialStreamCut::Idle:
        break;
    case SerialStreamCut::Waiting:
        outcome = NoReply;
        break;
    case SerialStreamCut::Receiving:
        switch (FrameCheck::check(reply, frame)) {
        case FrameCheck::FrameOk:
            outcome = Frame;
            break;
        case FrameCheck::FrameSizeWrong:
            outcome = WrongSize;
            break;
        case FrameCheck::FrameFormatWrong:
            outcome = BadMarkers;
            break;
        }
        break;
    }
    if (outcome == Frame)
        m_failures = 0;
    else if (outcome != Nothing)
        ++m_failures;
    return outcome;
}
