// Figures of the camera library, each against a baseline measured in the same run.
#include "benchrow.h"

#include <camsim/camerasimulator.h>
#include <frames/framedecoder.h>
#include <frames/framelevels.h>
#include <frames/levelmapping.h>
#include <frames/levelrender.h>
#include <frames/palettes.h>
#include <frames/videoextinf.h>
#include <lensfeed/lensfeed.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPixmap>
#include <QSerialPort>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

template <typename F> double nsPerCall(F&& f)
{
    int n = 1;
    for (;;) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < n; ++i)
            f();
        const qint64 ns = t.nsecsElapsed();
        if (ns > 200'000'000)
            return double(ns) / n;
        n *= 2;
    }
}

std::unique_ptr<Video_ExtInf> sampleFrame()
{
    auto f = std::make_unique<Video_ExtInf>();
    for (int i = 0; i < Km420Frame::Size; ++i)
        f->bytes[i] = char((i * 7) & 0xFF);
    f->bytes[Km420Frame::PaletteOffset] = 1;
    return f;
}

void decoding()
{
    auto frame = sampleFrame();
    std::array<ushort, FrameDecoder::PixelCount> pixels{};
    std::array<ushort, FrameDecoder::PixelCount> copy{};
    volatile ushort sink = 0;
    const double copyNs = nsPerCall([&] {
        std::memcpy(copy.data(), pixels.data(), sizeof pixels);
        sink = copy[size_t(sink) % copy.size()];
    });
    const double decodeNs = nsPerCall([&] {
        FrameDecoder::decodePixels(*frame, Palettes::table(FrameDecoder::paletteNumber(*frame)), pixels.data());
        sink = pixels[size_t(sink) % pixels.size()];
    });
    const double pixmapNs = nsPerCall([&] {
        FrameDecoder::decodePixels(*frame, Palettes::table(1), pixels.data());
        const QImage image(reinterpret_cast<const uchar*>(pixels.data()), 80, 108, 160, QImage::Format_RGB16);
        const QPixmap pixmap = QPixmap::fromImage(image);
        sink = ushort(pixmap.width());
    });
    struct PathRow {
        FrameDecoder::Path path;
        const char* name;
        const char* goal;
    };
    const QList<PathRow> paths{{FrameDecoder::Path::Vbmi, "AVX-512 VBMI", nullptr},
                               {FrameDecoder::Path::Avx2, "AVX2", "<= 5"},
                               {FrameDecoder::Path::Sse2, "SSE2", nullptr},
                               {FrameDecoder::Path::Portable, "portable", nullptr}};
    for (const auto& path : paths) {
        if (path.path == FrameDecoder::fastest()) {
            const QByteArray figure = QByteArray("decode one frame (palette look-ups, ") + path.name + ")";
            benchRow(figure.constData(), decodeNs, "copy its 17,280-byte picture", copyNs, "ns", "<= 10");
        }
    }
    // What a processor without the fastest path gets.
    for (const auto& path : paths) {
        if (path.path == FrameDecoder::fastest() || !FrameDecoder::hasPath(path.path))
            continue;
        const double ns = nsPerCall([&] {
            FrameDecoder::decodePixels(path.path, *frame, Palettes::table(1), pixels.data());
            sink = pixels[size_t(sink) % pixels.size()];
        });
        const QByteArray figure = QByteArray("decode one frame on the ") + path.name + " path";
        benchRow(figure.constData(), ns, "copy its 17,280-byte picture", copyNs, "ns", path.goal);
    }
    benchRow("decode one frame into a QPixmap", pixmapNs, "copy its 17,280-byte picture", copyNs, "ns");

    // What the frame view pays per frame for smooth enlargement at the size a large window shows, against
    // the decoding every frame needs anyway.
    const FrameLevels levels = FrameLevels::fromRecord(frame->bytes);
    const std::array<quint32, 256> colours = LevelMapping::colours(LevelMapping::identity(), Palettes::table(1));
    const double smoothNs = nsPerCall([&] {
        const QImage image = LevelRender::render(levels, colours, Orientation(), 6, LevelRender::Enlargement::Smooth);
        sink = ushort(image.pixel(int(sink) % image.width(), 0));
    });
    benchRow("smooth 6x enlargement of one frame", smoothNs, "decode one frame (fastest path)", decodeNs, "ns");
}

// Time from writing a get-frame record to the last byte of its reply, read as fast as the port allows.
double transferMs(CameraSimulator& sim)
{
    QSerialPort port(sim.portPath());
    if (!port.open(QIODevice::ReadWrite))
        return 0;
    QByteArray record(55, '\0');
    Km420Frame::writeUInt32(record.data(), 0, Km420Frame::HeadMarker);
    Km420Frame::writeUInt32(record.data(), 51, Km420Frame::TailMarker);
    double total = 0;
    const int rounds = 20;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        port.write(record);
        qint64 got = 0;
        while (got < Km420Frame::Size && t.elapsed() < 3000) {
            port.waitForReadyRead(100);
            got += port.readAll().size();
        }
        total += t.nsecsElapsed() / 1e6;
    }
    port.close();
    sim.flushPort();
    return total / rounds;
}

void streaming()
{
    CameraSimulator sim;
    if (!sim.start()) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.errorString()));
        return;
    }
    const double transfer = transferMs(sim);
    const double limitFps = 1000.0 / (transfer + 10 * 10.0);

    LensFeed feed;
    int frames = 0;
    QObject::connect(&feed, &LensFeed::imageRead, [&] { ++frames; });
    if (!feed.open(sim.portPath()))
        return;
    runFor(500); // settle: the first reset and a frame or two
    const int startFrames = frames;
    const double cpuStart = threadCpuMs();
    QElapsedTimer wall;
    wall.start();
    runFor(5000);
    const double wallMs = wall.nsecsElapsed() / 1e6;
    const double cpuMs = threadCpuMs() - cpuStart;
    const int streamed = frames - startFrames;
    feed.close();
    if (streamed <= 0)
        return;
    benchRow("frames per second from the simulator", streamed * 1000.0 / wallMs,
             "framing limit: transfer + 10 quiet ticks", limitFps, "fps");
    benchRow("GUI-thread CPU per streamed frame", cpuMs / streamed, "wall time per streamed frame", wallMs / streamed,
             "ms");
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    decoding();
    streaming();
    return 0;
}
