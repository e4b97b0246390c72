#ifndef CAMSIM_FAULTPLAN_H
#define CAMSIM_FAULTPLAN_H

#include <camsim/camsim_export.h>

#include <QString>
#include <QStringList>

// A misbehaviour of the simulated camera, with its parameters. Faults that act on replies act on the
// next `times` well-formed records (-1: until cleared); HangUp and Flood act once set. A hang-up discards
// what the client has not read, so HangUp waits (up to 2 s) for the client to take the bytes before it.
struct CAMSIM_EXPORT FaultPlan {
    enum Kind {
        None,
        Silence,      // the record gets no reply
        ShortReply,   // the reply is cut to `length` bytes
        LongReply,    // `extraBytes` follow the frame within the same reply
        BadHead,      // right size, head marker wrong
        BadTail,      // right size, tail marker wrong
        PauseInReply, // `pauseMs` of silence after `pauseAt` bytes of the reply
        DoubleReply,  // two frames back to back for one record
        Garbage,      // `garbageBytes` random bytes instead of the reply
        Chunked,      // the reply written in pieces of `chunkSize` bytes, `chunkGapUs` apart
        HangUp,       // after `hangUpAfterFrames` more frames and `hangUpMidBytes` of the next, the line drops
        Flood         // frames back to back without end, whatever the client sends
    };

    Kind kind = None;
    int times = -1;
    int length = 10000;
    int extraBytes = 100;
    int pauseMs = 250;
    int pauseAt = 7467;
    int garbageBytes = 64;
    int chunkSize = 1;
    int chunkGapUs = 0;
    int hangUpAfterFrames = 0;
    int hangUpMidBytes = 0;

    static FaultPlan none() { return {}; }
    static FaultPlan make(Kind kind, int times = -1);
    static FaultPlan silence(int times = -1) { return make(Silence, times); }
    static FaultPlan shortReply(int length, int times = -1);
    static FaultPlan longReply(int extraBytes, int times = -1);
    static FaultPlan pauseInReply(int pauseMs, int pauseAt = 7467, int times = -1);
    static FaultPlan garbage(int bytes, int times = -1);
    static FaultPlan chunked(int chunkSize, int chunkGapUs = 0, int times = -1);
    static FaultPlan hangUp(int afterFrames, int midBytes = 0);

    // Text form: NAME[:A[,B]][@TIMES], e.g. "short:9000", "pause:300,100@2", "hangup:5,7000", "flood".
    // Names: none silence short long bad-head bad-tail pause double garbage chunked hangup flood.
    static bool parse(const QString& text, FaultPlan* plan, QString* error = nullptr);
    QString toString() const;
    static QString name(Kind kind);
    static QStringList names();
};

#endif // CAMSIM_FAULTPLAN_H
