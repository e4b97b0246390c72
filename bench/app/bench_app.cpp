// Program-level figures of camdesk, each against a baseline measured in the same run.
//
// Start-up: from starting a fresh process to the first painted main window, camdesk's start (its name, the
// options file, translators, MainWindow, show, as main() does) against a bare QMainWindow of the same size.
// The benchmark starts itself again with a mode argument for each measurement, alternating the two, and takes
// the median. A second row gives the CPU time each process had used by then, which other work on the machine
// hardly moves: when the first row misses its goal on a busy machine, the second tells a slower start from a
// busier machine.
//
// Live video: camdesk's CPU share (process CPU time / wall time) while it shows the simulated camera's frames
// as fast as the camera answers, against a bare QSerialPort client that requests and reads the same frames at
// the same rate and does nothing else. Both run in processes of their own; the simulator runs in this one.
// camdesk runs twice: with its view's tools off, and with all of them on (every spot and box, the line and its
// profile, the histogram, smooth enlargement) in a window large enough that the picture is ToolsScale times
// the camera's.
//
// Latency: from the simulator writing a frame's last byte to the first paint of camdesk's picture view after
// the live pane took that frame, against the quiet gap after which LensFeed cuts a reply, the floor the
// protocol sets. camdesk and the simulator share one fresh process, so both read the same clock. The simulator
// answers at once, as the camera does; the cut's 10 ms tick starts with the request, so a reply that follows
// at once ends its quiet wait about 99 ms after its last byte (a later reply: 90 to 100 ms, by the tick's phase).
// The same latency with all tools on is then set against the plain view's.
//
// Memory: camdesk's resident set after showing MemoryPictures pictures of the simulated camera, against a bare
// QMainWindow of the same size that has painted itself; each in a fresh process, the median of a few.
//
// Instructions: under callgrind, the instructions camdesk's GUI thread runs per picture shown, tools off and
// all on, against the bare client's per frame. Each child runs for a number of pictures and for twice as many;
// the difference, over that number, leaves the start-up out. Skipped where valgrind is not installed.
//
// Every child gets a settings folder of its own (XDG_CONFIG_HOME), so neither the user's settings nor those a
// child before it left change what is measured, and the view's tools are set for each run, never inherited.
//
// With no argument every figure is measured; arguments ("startup", "latency", "memory", "live", "callgrind")
// name the ones to measure.
#include "benchrow.h"
#include "localisation.h"
#include "mainwindow.h"
#include "optionsfile.h"

#include <camsim/camerasimulator.h>
#include <devicebase/devicemanager.h>
#include <devicebase/km420frame.h>
#include <frames/orientation.h>
#include <junction/junction.h>
#include <lensfeed/serialstreamcut.h>
#include <panes/frameview.h>
#include <panes/livepane.h>
#include <panes/pictureview.h>
#include <residentmemory.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include <sys/resource.h>

namespace {

constexpr int StartupRuns = 31;
constexpr int LiveSeconds = 10;
constexpr int LatencyPictures = 60;
constexpr int MemoryPictures = 50;
constexpr int MemoryRuns = 3;
constexpr int ToolsScale = 6;
// Pictures of the shorter callgrind run; the longer one shows twice as many.
constexpr int CallgrindPictures = 20;
constexpr int PatienceMs = 10000;
constexpr int CallgrindPatienceMs = 300000; // valgrind runs a program some 50 times slower
const char ShownLine[] = "shown";

double processCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The kernel's count of this process's resident pages; 0 when it cannot be read.
double residentMiB()
{
    return double(residentKb()) / 1024.0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Says "shown <process CPU ms>" once the first paint of any widget of `window` has been flushed, then ends the
// process at once: what comes after is not part of the start-up.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!m_seen && event->type() == QEvent::Paint && widget && widget->window() == m_window) {
            m_seen = true;
            QTimer::singleShot(0, [] {
                std::printf("%s %.3f\n", ShownLine, processCpuMs());
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }

private:
    QWidget* m_window;
    bool m_seen = false;
};

int startupCamdesk(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("camdesk"));
    installTranslators(OptionsFile::location(), QStringLiteral("Language"));
    MainWindow window(nullptr);
    FirstPaint probe(&window);
    window.show();
    return app.exec();
}

int startupBare(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1024, 720); // camdesk's size on a first start
    FirstPaint probe(&window);
    window.show();
    return app.exec();
}

// camdesk's live pane once it has shown `pictures` pictures of the camera named by KM420_CAMERA_PORT; null
// when it does not get there.
LivePane* showPictures(MainWindow& window, int pictures, int patienceMs = PatienceMs)
{
    QElapsedTimer waited;
    waited.start();
    LivePane* pane = nullptr;
    while (!(pane = qobject_cast<LivePane*>(window.findModeWindow(DeviceManager::UsbVideo))) &&
           waited.elapsed() < patienceMs)
        runFor(20);
    if (!pane) {
        std::fprintf(stderr, "camdesk did not open the camera\n");
        return nullptr;
    }
    int shown = 0;
    const QMetaObject::Connection counting = QObject::connect(pane, &LivePane::pictureShown, [&] { ++shown; });
    while (shown < pictures && waited.elapsed() < patienceMs + pictures * 1000)
        runFor(20);
    QObject::disconnect(counting);
    if (shown < pictures) {
        std::fprintf(stderr, "camdesk showed %d of %d pictures\n", shown, pictures);
        return nullptr;
    }
    return pane;
}

// The live view with no tool at all, or with every one (all spots and boxes, the line, the histogram, smooth)
// in a window grown until the picture is enlarged ToolsScale times. Returns the enlargement reached.
int setTools(MainWindow& window, LivePane* pane, bool all, int patienceMs = PatienceMs)
{
    FrameView* view = pane->frameView();
    view->removeMarkers();
    view->setTool(FrameView::Tool::None);
    view->setHoldScale(false);
    view->setOrientation(Orientation(0, false));
    view->setSmooth(all);
    view->setHistogramShown(all);
    if (all) {
        for (int i = 0; i < FrameView::MaxSpots; ++i)
            view->addSpot(QPoint(6 + i * 9, 8 + i * 12));
        for (int i = 0; i < FrameView::MaxBoxes; ++i)
            view->addBox(QRect(4 + i * 18, 6 + i * 25, 16, 20));
        view->setLine(QLine(2, 3, 77, 104));
    }
    PictureView* picture = view->pictureView();
    QElapsedTimer waited;
    waited.start();
    while (all && picture->wantedScale() < ToolsScale && waited.elapsed() < patienceMs) {
        window.resize(window.width() + 40, window.height() + 80);
        runFor(50);
    }
    runFor(300); // the next pictures come in the new state
    std::fprintf(stderr, "view %s: window %dx%d, picture view %dx%d, enlarged %dx\n", all ? "with all tools" : "plain",
                 window.width(), window.height(), picture->width(), picture->height(), picture->wantedScale());
    return picture->wantedScale();
}

bool toolsWanted(int argc, char** argv, int at)
{
    return argc > at && std::strcmp(argv[at], "tools") == 0;
}

// As main() starts it.
std::unique_ptr<MainWindow> startCamdesk()
{
    installTranslators(QCoreApplication::applicationDirPath() + QStringLiteral("/options.xml"),
                       QStringLiteral("Language"));
    auto window = std::make_unique<MainWindow>(nullptr);
    window->show();
    return window;
}

// camdesk against the camera named by KM420_CAMERA_PORT: waits for moving pictures, sets the tools, then prints
// "LIVE <cpu ms> <wall ms> <pictures shown> <enlargement>" over LiveSeconds.
int live(int argc, char** argv, bool tools)
{
    QApplication app(argc, argv);
    const std::unique_ptr<MainWindow> window = startCamdesk();
    LivePane* pane = showPictures(*window, 3);
    if (!pane)
        return 1;
    const int scale = setTools(*window, pane, tools);
    int shown = 0;
    QObject::connect(pane, &LivePane::pictureShown, [&] { ++shown; });
    const double cpuStart = processCpuMs();
    QElapsedTimer wall;
    wall.start();
    runFor(LiveSeconds * 1000);
    const double wallMs = wall.nsecsElapsed() / 1e6;
    const double cpuMs = processCpuMs() - cpuStart;
    std::printf("LIVE %.3f %.3f %d %d\n", cpuMs, wallMs, shown, scale);
    std::fflush(stdout);
    std::_Exit(0); // the camera stays with the simulator; closing is not measured
}

// For callgrind: camdesk with its tools set shows `pictures` pictures more, then prints "PICTURES <n>".
int livePictures(int argc, char** argv, int pictures, bool tools)
{
    QApplication app(argc, argv);
    const std::unique_ptr<MainWindow> window = startCamdesk();
    LivePane* pane = showPictures(*window, 3, CallgrindPatienceMs);
    if (!pane || pictures <= 0)
        return 1;
    setTools(*window, pane, tools, CallgrindPatienceMs);
    if (!showPictures(*window, pictures, CallgrindPatienceMs))
        return 1;
    std::printf("PICTURES %d\n", pictures);
    std::fflush(stdout);
    std::_Exit(0);
}

// Times each picture's road: when the live pane has taken a frame, the next paint of its picture view is
// that frame's, and the simulator's stats at that moment name that frame's last byte, unless the next frame
// has ended too. A picture for which the simulator finished other than exactly one frame since the one
// before cannot be told apart and is left out, and counted: many left out would bias the median.
class PaintClock : public QObject {
public:
    PaintClock(LivePane* pane, PictureView* view, const CameraSimulator& sim) : m_sim(sim)
    {
        m_framesSent = sim.stats().framesSent;
        QObject::connect(pane, &LivePane::pictureShown, this, [this] {
            const SimulatorStats stats = m_sim.stats();
            m_armed = stats.framesSent == m_framesSent + 1;
            if (!m_armed)
                ++m_unpaired;
            m_framesSent = stats.framesSent;
            m_lastByteNs = stats.lastFrameDoneNs;
        });
        view->installEventFilter(this);
    }
    const std::vector<double>& latenciesMs() const { return m_latenciesMs; }
    int unpaired() const { return m_unpaired; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && m_armed) {
            m_armed = false;
            m_latenciesMs.push_back((steadyNs() - m_lastByteNs) / 1e6);
        }
        return false;
    }

private:
    const CameraSimulator& m_sim;
    qint64 m_framesSent = 0;
    qint64 m_lastByteNs = 0;
    bool m_armed = false;
    int m_unpaired = 0;
    std::vector<double> m_latenciesMs;
};

// camdesk with a simulator of its own in this process; prints
// "LATENCY <median ms> <90th percentile ms> <pictures timed> <left out> <enlargement>".
int latency(int argc, char** argv, bool tools)
{
    QApplication app(argc, argv);
    CameraSimulator sim;
    if (!sim.start()) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    qputenv("KM420_CAMERA_PORT", QFile::encodeName(sim.portPath()));
    const std::unique_ptr<MainWindow> window = startCamdesk();
    LivePane* pane = showPictures(*window, 3);
    if (!pane)
        return 1;
    const int scale = setTools(*window, pane, tools);
    PictureView* view = pane->frameView()->pictureView();
    PaintClock clock(pane, view, sim);
    QElapsedTimer waited;
    waited.start();
    while (clock.latenciesMs().size() < size_t(LatencyPictures) && waited.elapsed() < LatencyPictures * 500)
        runFor(50);
    if (clock.latenciesMs().empty()) {
        std::fprintf(stderr, "no picture could be timed\n");
        return 1;
    }
    std::vector<double> sorted = clock.latenciesMs();
    std::sort(sorted.begin(), sorted.end());
    std::printf("LATENCY %.3f %.3f %zu %d %d\n", median(sorted), sorted[sorted.size() * 9 / 10], sorted.size(),
                clock.unpaired(), scale);
    std::fflush(stdout);
    std::_Exit(0);
}

// Prints "RSS <MiB>" once camdesk has shown MemoryPictures pictures of the camera named by KM420_CAMERA_PORT.
int memoryCamdesk(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::unique_ptr<MainWindow> window = startCamdesk();
    if (!showPictures(*window, MemoryPictures))
        return 1;
    std::printf("RSS %.3f\n", residentMiB());
    std::fflush(stdout);
    std::_Exit(0);
}

// Prints "RSS <MiB>" for a bare main window of camdesk's size once it has painted and settled.
int memoryBare(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1024, 720);
    window.show();
    runFor(1000);
    std::printf("RSS %.3f\n", residentMiB());
    std::fflush(stdout);
    std::_Exit(0);
}

// A bare client of the same camera: one get-frame record every 1000/fps ms (when the previous reply is in),
// reading the replies and nothing else. Prints "RECV <cpu ms> <wall ms> <frames>" over LiveSeconds; or, given a
// number of frames (for callgrind), "PICTURES <n>" once it has read that many.
int receive(int argc, char** argv, double fps, int frameCount)
{
    QCoreApplication app(argc, argv);
    QSerialPort port(qEnvironmentVariable("KM420_CAMERA_PORT"));
    if (!port.open(QIODevice::ReadWrite)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(port.portName()));
        return 1;
    }
    port.setBaudRate(QSerialPort::Baud115200);
    QByteArray record(55, '\0');
    Km420Frame::writeUInt32(record.data(), 0, Km420Frame::HeadMarker);
    Km420Frame::writeUInt32(record.data(), 51, Km420Frame::TailMarker);

    bool waiting = false;
    qint64 got = 0;
    int frames = 0;
    QObject::connect(&port, &QSerialPort::readyRead, [&] {
        got += port.readAll().size();
        if (waiting && got >= Km420Frame::Size) {
            waiting = false;
            got = 0;
            if (++frames == frameCount) {
                std::printf("PICTURES %d\n", frameCount);
                std::fflush(stdout);
                std::_Exit(0);
            }
        }
    });
    QTimer pace;
    pace.setTimerType(Qt::PreciseTimer);
    pace.setInterval(std::max(1, int(std::lround(1000.0 / fps))));
    QObject::connect(&pace, &QTimer::timeout, [&] {
        if (waiting)
            return;
        waiting = true;
        port.write(record);
    });
    pace.start();
    if (frameCount > 0) {
        runFor(CallgrindPatienceMs);
        return 1;
    }
    runFor(500);
    const int framesBefore = frames;
    const double cpuStart = processCpuMs();
    QElapsedTimer wall;
    wall.start();
    runFor(LiveSeconds * 1000);
    const double wallMs = wall.nsecsElapsed() / 1e6;
    const double cpuMs = processCpuMs() - cpuStart;
    std::printf("RECV %.3f %.3f %d\n", cpuMs, wallMs, frames - framesBefore);
    std::fflush(stdout);
    std::_Exit(0);
}

// A settings folder no child has used yet.
QString freshConfigHome()
{
    static QTemporaryDir root;
    static int made = 0;
    const QString path = root.path() + QStringLiteral("/config-%1").arg(++made);
    QDir().mkpath(path);
    return path;
}

// This program with the given mode, run by `runner` (its program and options) when one is given.
QProcess* startSelf(const QStringList& arguments, QProcessEnvironment environment, const QStringList& runner = {})
{
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), freshConfigHome());
    auto* process = new QProcess;
    process->setProcessEnvironment(environment);
    process->setStandardErrorFile(QProcess::nullDevice()); // the program's log lines are not the bench's
    if (runner.isEmpty())
        process->start(QCoreApplication::applicationFilePath(), arguments);
    else
        process->start(runner.first(),
                       runner.mid(1) + QStringList{QCoreApplication::applicationFilePath()} + arguments);
    return process;
}

struct StartupTime {
    double wallMs = -1; // from starting the process to its "shown" line
    double cpuMs = -1;  // the process's CPU time by then
};

// One start in a fresh process; negative times on failure.
StartupTime startupTime(const QString& mode, const QProcessEnvironment& environment)
{
    QElapsedTimer timer;
    timer.start();
    QProcess* process = startSelf({mode}, environment);
    StartupTime time;
    QByteArray output;
    while (process->waitForReadyRead(30000)) {
        output += process->readAllStandardOutput();
        const int at = output.indexOf(ShownLine);
        // The line is written at once, so it is whole when its start is there.
        if (at >= 0) {
            time.wallMs = timer.nsecsElapsed() / 1e6;
            const QList<QByteArray> fields = output.mid(at).split('\n').value(0).split(' ');
            bool number = false;
            const double cpuMs = fields.value(1).toDouble(&number);
            time.cpuMs = number ? cpuMs : -1;
            break;
        }
    }
    process->waitForFinished(10000);
    delete process;
    return time;
}

bool startup(const QProcessEnvironment& environment)
{
    std::vector<double> camdeskWall, bareWall, camdeskCpu, bareCpu, pairRatios;
    // One unmeasured start of each first, so both find the libraries in the page cache; then the two in
    // turn, so that a change in the machine's load falls on both alike.
    for (int i = -1; i < StartupRuns; ++i) {
        const StartupTime c = startupTime(QStringLiteral("--startup-camdesk"), environment);
        const StartupTime b = startupTime(QStringLiteral("--startup-bare"), environment);
        if (c.wallMs < 0 || b.wallMs < 0 || c.cpuMs < 0 || b.cpuMs < 0) {
            std::fprintf(stderr, "a start-up run did not show its window\n");
            return false;
        }
        if (i >= 0) {
            camdeskWall.push_back(c.wallMs);
            bareWall.push_back(b.wallMs);
            camdeskCpu.push_back(c.cpuMs);
            bareCpu.push_back(b.cpuMs);
            pairRatios.push_back(c.wallMs / b.wallMs);
        }
    }
    std::sort(pairRatios.begin(), pairRatios.end());
    std::fprintf(stderr, "start-up: %d pairs; ratio of each pair: median %.3f, quartiles %.3f to %.3f\n", StartupRuns,
                 median(pairRatios), pairRatios[pairRatios.size() / 4], pairRatios[pairRatios.size() * 3 / 4]);
    benchRow("camdesk start to first painted window (median)", median(camdeskWall),
             "bare QMainWindow, same size and measure", median(bareWall), "ms", "<= 1.3");
    benchRow("camdesk start: CPU time to first paint (median)", median(camdeskCpu),
             "bare QMainWindow, same size and measure", median(bareCpu), "ms CPU");
    return true;
}

// Runs one measuring child to its end; the numbers of its line starting with `tag`.
QVector<double> measure(const QStringList& arguments, const QProcessEnvironment& environment, const char* tag,
                        const QStringList& runner = {}, int timeoutMs = (LiveSeconds + 60) * 1000)
{
    QProcess* process = startSelf(arguments, environment, runner);
    if (!process->waitForFinished(timeoutMs)) {
        process->kill();
        process->waitForFinished(5000);
    }
    const QList<QByteArray> lines = process->readAllStandardOutput().split('\n');
    delete process;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 1 && fields[0] == tag) {
            QVector<double> numbers;
            for (int i = 1; i < fields.size(); ++i)
                numbers.append(fields[i].toDouble());
            return numbers;
        }
    }
    return {};
}

bool liveVideo(QProcessEnvironment environment)
{
    CameraSimulator sim; // answers every record at once: the camera's full rate
    if (!sim.start()) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.errorString()));
        return false;
    }
    environment.insert(QStringLiteral("KM420_CAMERA_PORT"), sim.portPath());

    const QVector<double> app = measure({QStringLiteral("--live")}, environment, "LIVE");
    sim.flushPort();
    const QVector<double> tools = measure({QStringLiteral("--live"), QStringLiteral("tools")}, environment, "LIVE");
    sim.flushPort();
    if (app.size() != 4 || app[2] <= 0 || tools.size() != 4 || tools[2] <= 0) {
        std::fprintf(stderr, "the live video run failed\n");
        return false;
    }
    const double fps = app[2] * 1000.0 / app[1];
    const QVector<double> bare =
        measure({QStringLiteral("--receive"), QString::number(fps, 'f', 3)}, environment, "RECV");
    sim.flushPort();
    if (bare.size() != 3 || bare[2] <= 0) {
        std::fprintf(stderr, "the bare receiver run failed\n");
        return false;
    }
    std::fprintf(stderr,
                 "live video: camdesk %.1f pictures/s (enlarged %.0fx), with all tools %.1f pictures/s (enlarged "
                 "%.0fx), bare receiver %.1f frames/s\n",
                 fps, app[3], tools[2] * 1000.0 / tools[1], tools[3], bare[2] * 1000.0 / bare[1]);
    const double bareShare = 100.0 * bare[0] / bare[1];
    benchRow("camdesk CPU share, live video, tools off", 100.0 * app[0] / app[1],
             "bare QSerialPort reader, same frames/s", bareShare, "% CPU", "<= 4");
    const QByteArray figure =
        "camdesk CPU share, live video, all tools (" + QByteArray::number(tools[3], 'f', 0) + "x smooth)";
    benchRow(figure.constData(), 100.0 * tools[0] / tools[1], "bare QSerialPort reader, same frames/s", bareShare,
             "% CPU", tools[3] >= ToolsScale ? "<= 5" : nullptr);
    return true;
}

bool pictureLatency(const QProcessEnvironment& environment)
{
    const QVector<double> timed = measure({QStringLiteral("--latency")}, environment, "LATENCY");
    const QVector<double> tools =
        measure({QStringLiteral("--latency"), QStringLiteral("tools")}, environment, "LATENCY");
    if (timed.size() != 5 || tools.size() != 5) {
        std::fprintf(stderr, "the latency run failed\n");
        return false;
    }
    std::fprintf(stderr, "latency: %.0f pictures timed, %.0f left out, 90th percentile %.1f ms, enlarged %.0fx\n",
                 timed[2], timed[3], timed[1], timed[4]);
    std::fprintf(stderr,
                 "latency, all tools: %.0f pictures timed, %.0f left out, 90th percentile %.1f ms, enlarged %.0fx\n",
                 tools[2], tools[3], tools[1], tools[4]);
    benchRow("camdesk frame's last byte to picture painted (median)", timed[0],
             "quiet gap that ends a reply (10 ticks of 10 ms)", SerialStreamCut::QuietTicks * SerialStreamCut::TickMs,
             "ms", "<= 1.1");
    const QByteArray figure =
        "frame's last byte to picture painted, all tools (" + QByteArray::number(tools[4], 'f', 0) + "x smooth)";
    benchRow(figure.constData(), tools[0], "the same, plain view", timed[0], "ms",
             tools[4] >= ToolsScale ? "<= 1.05" : nullptr);
    return true;
}

bool residentMemory(QProcessEnvironment environment)
{
    CameraSimulator sim;
    if (!sim.start()) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.errorString()));
        return false;
    }
    environment.insert(QStringLiteral("KM420_CAMERA_PORT"), sim.portPath());
    std::vector<double> camdesk;
    std::vector<double> bare;
    for (int i = 0; i < MemoryRuns; ++i) {
        const QVector<double> c = measure({QStringLiteral("--memory-camdesk")}, environment, "RSS");
        sim.flushPort();
        const QVector<double> b = measure({QStringLiteral("--memory-bare")}, environment, "RSS");
        if (c.size() != 1 || b.size() != 1 || c[0] <= 0 || b[0] <= 0) {
            std::fprintf(stderr, "a memory run failed\n");
            return false;
        }
        camdesk.push_back(c[0]);
        bare.push_back(b[0]);
    }
    const QByteArray figure = "camdesk resident memory after " + QByteArray::number(MemoryPictures) + " pictures";
    benchRow(figure.constData(), median(camdesk), "bare QMainWindow, same size, painted", median(bare), "MiB",
             "<= 1.5");
    return true;
}

// The instructions callgrind counted in the main thread of one child; 0 when the run failed.
double mainThreadInstructions(const QStringList& arguments, const QProcessEnvironment& environment,
                              const QString& folder)
{
    static int run = 0;
    const QString out = folder + QStringLiteral("/run-%1.out").arg(++run);
    const QStringList runner{QStringLiteral("valgrind"), QStringLiteral("--tool=callgrind"),
                             QStringLiteral("--separate-threads=yes"), QStringLiteral("--callgrind-out-file=") + out};
    const QVector<double> shown = measure(arguments, environment, "PICTURES", runner, CallgrindPatienceMs + 60000);
    // One file per thread; the first is the thread main() runs in.
    QFile file(out + QStringLiteral("-01"));
    if (shown.size() != 1 || !file.open(QIODevice::ReadOnly))
        return 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("totals:") || line.startsWith("summary:"))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

// Per picture: the instructions of a run of twice `CallgrindPictures` less those of a run of `CallgrindPictures`,
// over that number; 0 when a run failed.
double instructionsPerPicture(const QStringList& mode, const QStringList& tail, const QProcessEnvironment& environment,
                              CameraSimulator& sim, const QString& folder)
{
    const double shortRun =
        mainThreadInstructions(mode + QStringList{QString::number(CallgrindPictures)} + tail, environment, folder);
    sim.flushPort();
    const double longRun =
        mainThreadInstructions(mode + QStringList{QString::number(2 * CallgrindPictures)} + tail, environment, folder);
    sim.flushPort();
    if (shortRun <= 0 || longRun <= shortRun)
        return 0;
    return (longRun - shortRun) / CallgrindPictures;
}

bool guiInstructions(QProcessEnvironment environment)
{
    if (QStandardPaths::findExecutable(QStringLiteral("valgrind")).isEmpty()) {
        std::fprintf(stderr, "callgrind row skipped: valgrind not installed\n");
        return true;
    }
    CameraSimulator sim;
    if (!sim.start()) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.errorString()));
        return false;
    }
    environment.insert(QStringLiteral("KM420_CAMERA_PORT"), sim.portPath());
    QTemporaryDir folder;
    const QString fps = QString::number(1000.0 / (SerialStreamCut::QuietTicks * SerialStreamCut::TickMs), 'f', 3);
    const double bare = instructionsPerPicture({QStringLiteral("--receive"), fps}, {}, environment, sim, folder.path());
    const double off = instructionsPerPicture({QStringLiteral("--pictures")}, {}, environment, sim, folder.path());
    const double all = instructionsPerPicture({QStringLiteral("--pictures")}, {QStringLiteral("tools")}, environment,
                                              sim, folder.path());
    if (bare <= 0 || off <= 0 || all <= 0) {
        std::fprintf(stderr, "a callgrind run failed\n");
        return false;
    }
    benchRow("GUI instructions per frame, tools off (callgrind)", off, "bare QSerialPort reader, per frame (callgrind)",
             bare, "instr");
    benchRow("GUI instructions per frame, all tools (callgrind)", all, "the same, tools off", off, "instr");
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode == QLatin1String("--startup-camdesk"))
        return startupCamdesk(argc, argv);
    if (mode == QLatin1String("--startup-bare"))
        return startupBare(argc, argv);
    if (mode == QLatin1String("--live"))
        return live(argc, argv, toolsWanted(argc, argv, 2));
    if (mode == QLatin1String("--pictures") && argc > 2)
        return livePictures(argc, argv, std::atoi(argv[2]), toolsWanted(argc, argv, 3));
    if (mode == QLatin1String("--receive") && argc > 2)
        return receive(argc, argv, std::atof(argv[2]), argc > 3 ? std::atoi(argv[3]) : 0);
    if (mode == QLatin1String("--latency"))
        return latency(argc, argv, toolsWanted(argc, argv, 2));
    if (mode == QLatin1String("--memory-camdesk"))
        return memoryCamdesk(argc, argv);
    if (mode == QLatin1String("--memory-bare"))
        return memoryBare(argc, argv);

    QCoreApplication app(argc, argv);
    const QStringList parts{QStringLiteral("startup"), QStringLiteral("latency"), QStringLiteral("memory"),
                            QStringLiteral("live"), QStringLiteral("callgrind")};
    const QStringList chosen = app.arguments().mid(1);
    for (const QString& part : chosen) {
        if (!parts.contains(part)) {
            std::fprintf(stderr, "usage: %s [%s]...\n", argv[0], qPrintable(parts.join(QStringLiteral("] ["))));
            return 2;
        }
    }
    const auto wanted = [&chosen](const QString& part) { return chosen.isEmpty() || chosen.contains(part); };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("KM420_CAMERA_PORT"));
    bool ok = true;
    if (wanted(QStringLiteral("startup")))
        ok = startup(environment) && ok;
    if (wanted(QStringLiteral("latency")))
        ok = pictureLatency(environment) && ok;
    if (wanted(QStringLiteral("memory")))
        ok = residentMemory(environment) && ok;
    if (wanted(QStringLiteral("live")))
        ok = liveVideo(environment) && ok;
    if (wanted(QStringLiteral("callgrind")))
        ok = guiInstructions(environment) && ok;
    return ok ? 0 : 1;
}
