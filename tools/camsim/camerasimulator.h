#ifndef CAMSIM_CAMERASIMULATOR_H
#define CAMSIM_CAMERASIMULATOR_H

#include "cameraparameters.h"
#include "faultplan.h"
#include "framebuilder.h"
#include <camsim/camsim_export.h>

#include <QString>

#include <array>
#include <memory>

// What the simulator has seen and sent since it was constructed (or since resetStats()).
struct SimulatorStats {
    std::array<qint64, 3> recordsByCode{}; // well-formed records with code 0, 1, 2
    qint64 recordsOtherCode = 0;           // well-formed records with any other code (answered too)
    qint64 malformedRecords = 0;           // head marker without a tail marker 51 bytes on
    qint64 bytesReceived = 0;
    qint64 recordsAnswered = 0;   // records whose reply (faulty or not) was written completely
    qint64 recordsUnanswered = 0; // records that Silence, Flood or a hang-up left without a reply
    // Complete, well-formed 14,935-byte frames written, paused and chunked ones included. A pty holds less than
    // a frame, so a frame counts only once the client has read most of it.
    qint64 framesSent = 0;
    // When the last byte of the last of those frames was written: std::chrono::steady_clock, in nanoseconds since
    // its epoch (CLOCK_MONOTONIC on Linux), so a client can time the frame's road.
    qint64 lastFrameDoneNs = 0;
    qint64 faultyReplies = 0; // replies altered by a fault (short, long, bad marker, pause, garbage, chunked)
    qint64 garbageBytesSent = 0;
    qint64 bytesSent = 0;
    qint64 hangUps = 0;
    bool replayFinished = false; // the last recorded frame was served without --loop, and the line dropped
    quint32 lastSequence = 0;    // sequence number of the last frame built
    CameraParameters parameters; // the values last set (camera defaults until then)

    qint64 records() const { return recordsByCode[0] + recordsByCode[1] + recordsByCode[2] + recordsOtherCode; }
};

// The KM420 camera on a pseudo-terminal (or on a serial device, Options::devicePath). start() opens a pty pair
// in raw mode and serves it from a thread of its own, so a client on the calling thread may block or run nested event
// loops. Every well-formed command record gets one 14,935-byte frame unless a fault says otherwise. All operations are
// thread-safe.
//
// The simulator keeps a slave descriptor open, so a client may close and reopen the port; bytes a client
// left unread stay in the port for the next one, as on a real line (flushPort() drops them).
class CAMSIM_EXPORT CameraSimulator {
public:
    struct Options {
        quint32 seed = 1;
        quint8 paletteNumber = 0;
        int minFrameIntervalMs = 0; // 0: answer as fast as possible
        QString linkPath;           // when set, a symbolic link to the slave is kept there while running
        // When set, this existing serial device is served instead of a pty (a USB gadget's end of the
        // cable). When the cable goes out the device is opened again until it is back; no link is made.
        QString devicePath;
        CameraParameters parameters;
        FrameBuilder::ExtBlock extBlock = FrameBuilder::ExtBlock::Known;
        // When set, replies are the frames of this recording, in order and byte for byte, none sent before
        // its recorded gap after the previous one has passed; after the last the line drops, or with
        // replayLoop the recording starts again (the first gap across the wrap). Faults still apply.
        QString replayPath;
        bool replayLoop = false;
    };

    CameraSimulator();
    explicit CameraSimulator(const Options& options);
    ~CameraSimulator();
    CameraSimulator(const CameraSimulator&) = delete;
    CameraSimulator& operator=(const CameraSimulator&) = delete;

    // Opens the pty pair (and the link) and starts serving, a replay from its first frame. False, with
    // errorString(), on failure (a replay file that cannot be read or holds no frame included).
    bool start();
    // Closes the master, the own slave descriptor and the link: the client sees a hang-up.
    void stop();
    // stop() then start(): a camera that goes away and comes back. The slave path usually changes;
    // the link path does not.
    bool restart();
    // False after stop() and after a hang-up.
    bool isRunning() const;

    // The path a client opens: the link when one was asked for, else the slave.
    QString portPath() const;
    QString slavePath() const;
    QString linkPath() const;
    QString errorString() const;

    void setPaletteNumber(quint8 number);
    quint8 paletteNumber() const;
    void setMinFrameInterval(int ms);
    // Replaces the current fault; FaultPlan::none() clears it. A HangUp with no frames and no bytes to go
    // drops the line at once.
    void setFault(const FaultPlan& fault);
    void clearFault() { setFault(FaultPlan::none()); }
    // The fault in force, with `times` counting down; None once it has been used up.
    FaultPlan fault() const;
    // Writes `bytes` random bytes now, outside any reply.
    void injectGarbage(int bytes);
    // Drops the line now (as stop(), but reported as a hang-up in the stats); bytes the client has not read
    // are lost, as on an unplug. Returns once the line is down, without processing the caller's events.
    void hangUp();
    // Discards bytes written to the client that it has not read.
    void flushPort();

    SimulatorStats stats() const;
    void resetStats();

    // Wait until the total of well-formed records (stats().records()) or of complete frames reaches `count`.
    // They keep the calling thread's events flowing, so a client living there goes on working.
    bool waitForRecords(qint64 count, int timeoutMs = 5000);
    bool waitForFrames(qint64 count, int timeoutMs = 5000);

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif // CAMSIM_CAMERASIMULATOR_H
