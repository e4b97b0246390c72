// Figures of km420-export, each against decoding the same frames without writing them.
#include "benchrow.h"

#include <camsim/framebuilder.h>
#include <camsim/thermalscene.h>
#include <exportoptions.h>
#include <frameimage.h>
#include <frames/videoextinf.h>
#include <recording/recordingreader.h>
#include <recording/recordingwriter.h>
#include <recordingexport.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int Frames = 200;

// A recording at the camera's usual pace of about nine frames a second, palettes taking turns.
bool writeRecording(const QString& path)
{
    RecordingWriter writer;
    if (!writer.open(path, "bench"))
        return false;
    const ThermalScene scene(11);
    for (int k = 0; k < Frames; ++k) {
        const QByteArray record = FrameBuilder::build(scene.render(quint32(k)), 0, {}, quint32(k), quint8(k / 40));
        if (!writer.append(record.constData(), RecordedParameters(), k * 111'111LL))
            return false;
    }
    writer.close();
    return true;
}

// Reads and paints every frame as the export would, and throws the pictures away.
double decodeFps(const QString& path, const FrameImage& painter)
{
    QElapsedTimer t;
    t.start();
    RecordingReader reader;
    if (!reader.open(path))
        return 0;
    auto frame = std::make_unique<Video_ExtInf>();
    RecordedFrame recorded;
    volatile QRgb sink = 0;
    for (int i = 0; i < reader.frames(); ++i) {
        if (!reader.frame(i, &recorded))
            return 0;
        std::memcpy(frame->bytes, recorded.record.constData(), sizeof frame->bytes);
        sink = sink ^ painter.render(*frame).pixel(0, 0);
    }
    const double seconds = t.nsecsElapsed() / 1e9;
    return reader.frames() / seconds;
}

double exportFps(const ExportOptions& options)
{
    QElapsedTimer t;
    t.start();
    RecordingExport exporter(options);
    if (!exporter.run()) {
        std::fprintf(stderr, "export: %s\n", qPrintable(exporter.errorString()));
        return 0;
    }
    return exporter.framesWritten() / (t.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString recording = dir.filePath("bench.km420rec");
    if (!dir.isValid() || !writeRecording(recording)) {
        std::fprintf(stderr, "cannot write a recording in %s\n", qPrintable(dir.path()));
        return 1;
    }

    ExportOptions png;
    png.input = recording;
    png.target = ExportOptions::Png;
    png.output = dir.filePath("png");
    png.scale = ExportOptions::DefaultPngScale;
    benchRow("export to PNG, frames/s", exportFps(png), "decode alone, frames/s",
             decodeFps(recording, FrameImage(-1, png.scale)), "frames/s");

    ExportOptions video = png;
    video.target = ExportOptions::Video;
    video.output = dir.filePath("bench.mp4");
    video.scale = ExportOptions::DefaultVideoScale;
    benchRow("export to MP4, frames/s", exportFps(video), "decode alone at video size, frames/s",
             decodeFps(recording, FrameImage(-1, video.scale, true)), "frames/s");
    return 0;
}
