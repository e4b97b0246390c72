// Figures of recording, each against a baseline measured in the same run.
#include "benchrow.h"

#include <camsim/camerasimulator.h>
#include <lensfeed/lensfeed.h>
#include <recording/recordingwriter.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Streamed {
    qint64 intervals = 0; // between frames after the settling ones
    qint64 ns = 0;
};

// LensFeed streaming from the simulator for `ms`; with a writer, every frame is appended in the slot of
// updateExtendParam, as the live pane does. Counted from the first frame after settling to the last, so
// the open and the close do not weigh in.
void stream(CameraSimulator& sim, RecordingWriter* writer, int ms, Streamed* total)
{
    constexpr int SettleFrames = 3;
    LensFeed feed;
    QElapsedTimer clock;
    clock.start();
    int frames = 0;
    qint64 firstNs = 0;
    qint64 lastNs = 0;
    QObject::connect(&feed, &LensFeed::updateExtendParam, [writer](char* record) {
        if (writer)
            writer->append(record, RecordedParameters());
    });
    QObject::connect(&feed, &LensFeed::imageRead, [&] {
        if (++frames == SettleFrames)
            firstNs = clock.nsecsElapsed();
        lastNs = clock.nsecsElapsed();
    });
    if (!feed.open(sim.portPath()))
        return;
    runFor(ms);
    feed.close();
    sim.flushPort();
    runFor(100);
    if (frames > SettleFrames) {
        total->intervals += frames - SettleFrames;
        total->ns += lastNs - firstNs;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    CameraSimulator sim;
    if (!dir.isValid() || !sim.start()) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    RecordingWriter writer;
    if (!writer.open(dir.filePath(QStringLiteral("bench.km4")), QStringLiteral("KM420 bench"))) {
        std::fprintf(stderr, "recording: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    // Rounds alternate, so a slow spell of the machine falls on both sides.
    Streamed plain;
    Streamed recorded;
    for (int round = 0; round < 4; ++round) {
        stream(sim, nullptr, 3000, &plain);
        stream(sim, &writer, 3000, &recorded);
    }
    const qint64 frames = writer.framesWritten();
    const qint64 bytes = writer.bytesWritten() - RecordingFormat::HeaderSize;
    const bool stopped = !writer.isRecording();
    writer.close();
    if (stopped || frames == 0 || plain.ns == 0 || recorded.ns == 0) {
        std::fprintf(stderr, "recording failed: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    benchRow("frames/s while recording", recorded.intervals * 1e9 / recorded.ns, "frames/s without recording",
             plain.intervals * 1e9 / plain.ns, "fps", ">= 0.99");
    benchRow("bytes written per frame", double(bytes) / frames, "raw frame size (14,935)", Km420Frame::Size, "bytes");
    return 0;
}
