#ifndef FRAMECOMPLETION_H
#define FRAMECOMPLETION_H

#include "serialstreamcut.h"
#include <frames/framecheck.h>

#include <QByteArray>

struct Video_ExtInf;

// What one reply, as the stream cutter ended it, means for the command cycle, and how many replies in a
// row have failed. Any reply but a whole frame is a failure (the camera's frame pointer is then reset);
// after FailureLimit failures in a row the stream is given up at the next command.
class FrameCompletion {
public:
    enum Outcome { Nothing, Frame, NoReply, WrongSize, BadMarkers };
    static constexpr int FailureLimit = 3;

    // The cutter's state and buffer at its timeout. A frame-sized reply is copied into *frame (see
    // FrameCheck); on Frame, *frame holds the frame to decode.
    Outcome complete(SerialStreamCut::State state, const QByteArray& reply, Video_ExtInf* frame);

    int failures() const { return m_failures; }
    bool givenUp() const { return m_failures >= FailureLimit; }
    void reset() { m_failures = 0; }

private:
    int m_failures = 0;
};

#endif // FRAMECOMPLETION_H
