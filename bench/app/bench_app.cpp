// Program-level figures of camdesk, each against a baseline measured in the same run.
//
// Start-up: from starting a fresh process to the first painted main window, camdesk's start (translators,
// MainWindow, show, as main() does) against a bare QMainWindow of the same size. The benchmark starts itself
// again with a mode argument for each measurement, alternating the two, and takes the median.
//
// Live video: camdesk's CPU share (process CPU time / wall time) while it shows the simulated camera's frames
// as fast as the camera answers, against a bare QSerialPort client that requests and reads the same frames at
// the same rate and does nothing else. Both run in processes of their own; the simulator runs in this one.
#include "localisation.h"
#include "mainwindow.h"

#include <camerasimulator.h>
#include <devicemanager.h>
#include <junction.h>
#include <km420frame.h>
#include <livepane.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMainWindow>
#include <QProcess>
#include <QSerialPort>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>

namespace {

constexpr int StartupRuns = 15;
constexpr int LiveSeconds = 10;
const char ShownLine[] = "shown";

void row(const char* figure, double value, const char* baseline, double baselineValue, const char* unit)
{
    std::printf("ROW\t%s\t%.6g\t%s\t%.6g\t%s\n", figure, value, baseline, baselineValue, unit);
    std::fflush(stdout);
}

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

// Says "shown" once the first paint of any widget of `window` has been flushed, then ends the process at
// once: what comes after is not part of the start-up.
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
                std::puts(ShownLine);
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
    installTranslators(QCoreApplication::applicationDirPath() + QStringLiteral("/options.xml"),
                       QStringLiteral("Language"));
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

// camdesk against the camera named by KM420_CAMERA_PORT: waits for moving pictures, then prints
// "LIVE <cpu ms> <wall ms> <pictures shown>" over LiveSeconds.
int live(int argc, char** argv)
{
    QApplication app(argc, argv);
    installTranslators(QCoreApplication::applicationDirPath() + QStringLiteral("/options.xml"),
                       QStringLiteral("Language"));
    MainWindow window(nullptr);
    window.show();
    QElapsedTimer waited;
    waited.start();
    LivePane* pane = nullptr;
    while (!(pane = qobject_cast<LivePane*>(window.findModeWindow(DeviceManager::UsbVideo))) &&
           waited.elapsed() < 10000)
        runFor(20);
    if (!pane) {
        std::fprintf(stderr, "camdesk did not open the camera\n");
        return 1;
    }
    int shown = 0;
    QObject::connect(pane, &LivePane::pictureShown, [&] { ++shown; });
    while (shown < 3 && waited.elapsed() < 20000)
        runFor(20);
    if (shown < 3) {
        std::fprintf(stderr, "camdesk shows no pictures\n");
        return 1;
    }
    const int shownBefore = shown;
    const double cpuStart = processCpuMs();
    QElapsedTimer wall;
    wall.start();
    runFor(LiveSeconds * 1000);
    const double wallMs = wall.nsecsElapsed() / 1e6;
    const double cpuMs = processCpuMs() - cpuStart;
    std::printf("LIVE %.3f %.3f %d\n", cpuMs, wallMs, shown - shownBefore);
    std::fflush(stdout);
    std::_Exit(0); // the camera stays with the simulator; closing is not measured
}

// A bare client of the same camera: one get-frame record every 1000/fps ms (when the previous reply is in),
// reading the replies and nothing else. Prints "RECV <cpu ms> <wall ms> <frames>" over LiveSeconds.
int receive(int argc, char** argv, double fps)
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
            ++frames;
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

QProcess* startSelf(const QStringList& arguments, const QProcessEnvironment& environment)
{
    auto* process = new QProcess;
    process->setProcessEnvironment(environment);
    process->setStandardErrorFile(QProcess::nullDevice()); // the program's log lines are not the bench's
    process->start(QCoreApplication::applicationFilePath(), arguments);
    return process;
}

// Milliseconds from starting the process to its "shown" line; negative on failure.
double startupMs(const QString& mode, const QProcessEnvironment& environment)
{
    QElapsedTimer timer;
    timer.start();
    QProcess* process = startSelf({mode}, environment);
    double ms = -1;
    while (process->waitForReadyRead(30000)) {
        if (process->readAllStandardOutput().contains(ShownLine)) {
            ms = timer.nsecsElapsed() / 1e6;
            break;
        }
    }
    process->waitForFinished(10000);
    delete process;
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool startup(const QProcessEnvironment& environment)
{
    std::vector<double> camdesk;
    std::vector<double> bare;
    // One unmeasured start of each first, so both find the libraries in the page cache.
    for (int i = -1; i < StartupRuns; ++i) {
        const double c = startupMs(QStringLiteral("--startup-camdesk"), environment);
        const double b = startupMs(QStringLiteral("--startup-bare"), environment);
        if (c < 0 || b < 0) {
            std::fprintf(stderr, "a start-up run did not show its window\n");
            return false;
        }
        if (i >= 0) {
            camdesk.push_back(c);
            bare.push_back(b);
        }
    }
    row("camdesk start to first painted window (median)", median(camdesk), "bare QMainWindow, same size and measure",
        median(bare), "ms");
    return true;
}

// Runs one measuring child to its end; its line starting with `tag`, split into numbers.
QVector<double> measure(const QStringList& arguments, const QProcessEnvironment& environment, const char* tag)
{
    QProcess* process = startSelf(arguments, environment);
    process->waitForFinished((LiveSeconds + 60) * 1000);
    const QList<QByteArray> lines = process->readAllStandardOutput().split('\n');
    delete process;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 4 && fields[0] == tag)
            return {fields[1].toDouble(), fields[2].toDouble(), fields[3].toDouble()};
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
    if (app.size() != 3 || app[2] <= 0) {
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
    std::fprintf(stderr, "live video: camdesk %.1f pictures/s, bare receiver %.1f frames/s\n", fps,
                 bare[2] * 1000.0 / bare[1]);
    row("camdesk CPU share, live video at full rate", 100.0 * app[0] / app[1], "bare QSerialPort reader, same frames/s",
        100.0 * bare[0] / bare[1], "% CPU");
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
        return live(argc, argv);
    if (mode == QLatin1String("--receive") && argc > 2)
        return receive(argc, argv, std::atof(argv[2]));

    QCoreApplication app(argc, argv);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("KM420_CAMERA_PORT"));
    const bool ok = startup(environment);
    return liveVideo(environment) && ok ? 0 : 1;
}
