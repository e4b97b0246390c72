// km420-sim: a KM420 camera on a pseudo-terminal, or on a serial device it is given. Prints the path to
// open on the first line of stdout.

#include "camerasimulator.h"
#include "controlcommand.h"

#include <recording/recordingreader.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &c, 1);
}

void say(const QString& line)
{
    std::fputs(line.toLocal8Bit().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Reads control lines from a descriptor that never blocks the event loop.
class ControlInput {
public:
    ControlInput(int fd, CameraSimulator& simulator)
        : m_fd(fd), m_simulator(simulator), m_notifier(fd, QSocketNotifier::Read)
    {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] { readLines(); });
    }

private:
    void readLines()
    {
        char chunk[512];
        const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
        if (n == 0) {
            m_notifier.setEnabled(false); // end of stdin: keep serving, just stop listening
            return;
        }
        if (n < 0)
            return;
        m_pending.append(chunk, int(n));
        int end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(m_pending.left(end));
            m_pending.remove(0, end + 1);
            QString reply;
            const bool ok = ControlCommand::apply(m_simulator, line, &reply);
            if (!reply.isEmpty())
                (ok ? say(reply) : (void)std::fprintf(stderr, "%s\n", reply.toLocal8Bit().constData()));
        }
        if (m_pending.size() > 4096)
            m_pending.clear();
    }

    int m_fd;
    CameraSimulator& m_simulator;
    QSocketNotifier m_notifier;
    QByteArray m_pending;
};

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("km420-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("KM420 thermal camera simulator on a pseudo-terminal.\n") +
                                     ControlCommand::help());
    parser.addHelpOption();
    const QCommandLineOption linkOption(QStringLiteral("link"), QStringLiteral("Symbolic link to the port."),
                                        QStringLiteral("path"));
    const QCommandLineOption deviceOption(
        QStringLiteral("device"),
        QStringLiteral("Serve this serial device (a USB gadget's end of the cable) instead of a pseudo-terminal; "
                       "it is opened again when the cable comes back."),
        QStringLiteral("path"));
    const QCommandLineOption paletteOption(QStringLiteral("palette"), QStringLiteral("Palette number 0-255."),
                                           QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption fpsOption(QStringLiteral("fps"), QStringLiteral("At most this many frames a second."),
                                       QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption faultOption(QStringLiteral("fault"), QStringLiteral("Fault NAME[:A[,B]][@TIMES]."),
                                         QStringLiteral("plan"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Scene seed."), QStringLiteral("n"),
                                        QStringLiteral("1"));
    const QCommandLineOption controlOption(QStringLiteral("control"),
                                           QStringLiteral("FIFO to read commands from (created if missing)."),
                                           QStringLiteral("path"));
    const QCommandLineOption quietOption(QStringLiteral("quiet"), QStringLiteral("No log messages."));
    const QCommandLineOption extOption(
        QStringLiteral("ext-block"),
        QStringLiteral("Extended information: known (camdesk's layout), foreign (another camera's bytes) or kelvin "
                       "(another layout: doc/layouts/km420-sim-kelvin.json)."),
        QStringLiteral("kind"), QStringLiteral("known"));
    const QCommandLineOption replayOption(
        QStringLiteral("replay"),
        QStringLiteral("Answer with the frames of this recording, at their recorded pace; exit after the last."),
        QStringLiteral("file"));
    const QCommandLineOption loopOption(QStringLiteral("loop"),
                                        QStringLiteral("With --replay: start again at the first frame."));
    parser.addOptions({linkOption, deviceOption, paletteOption, fpsOption, faultOption, seedOption, controlOption,
                       quietOption, extOption, replayOption, loopOption});
    parser.process(app);

    if (parser.isSet(quietOption))
        QLoggingCategory::setFilterRules(QStringLiteral("camsim.*=false"));

    bool ok = true;
    CameraSimulator::Options options;
    options.linkPath = parser.value(linkOption);
    options.devicePath = parser.value(deviceOption);
    if (!options.devicePath.isEmpty() && !options.linkPath.isEmpty()) {
        std::fprintf(stderr, "km420-sim: --link makes a pseudo-terminal; it does not go with --device\n");
        return 2;
    }
    const int palette = parser.value(paletteOption).toInt(&ok);
    if (!ok || palette < 0 || palette > 255) {
        std::fprintf(stderr, "km420-sim: --palette takes 0 to 255\n");
        return 2;
    }
    options.paletteNumber = quint8(palette);
    const int fps = parser.value(fpsOption).toInt(&ok);
    if (!ok || fps < 0 || fps > 1000) {
        std::fprintf(stderr, "km420-sim: --fps takes 0 to 1000\n");
        return 2;
    }
    options.minFrameIntervalMs = fps > 0 ? 1000 / fps : 0;
    options.seed = parser.value(seedOption).toUInt(&ok);
    if (!ok) {
        std::fprintf(stderr, "km420-sim: --seed takes a number\n");
        return 2;
    }
    const QString ext = parser.value(extOption);
    if (ext == QLatin1String("foreign")) {
        options.extBlock = FrameBuilder::ExtBlock::Foreign;
    } else if (ext == QLatin1String("kelvin")) {
        options.extBlock = FrameBuilder::ExtBlock::Kelvin;
    } else if (ext != QLatin1String("known")) {
        std::fprintf(stderr, "km420-sim: --ext-block takes known, foreign or kelvin\n");
        return 2;
    }
    options.replayPath = parser.value(replayOption);
    options.replayLoop = parser.isSet(loopOption);
    if (options.replayLoop && options.replayPath.isEmpty()) {
        std::fprintf(stderr, "km420-sim: --loop needs --replay\n");
        return 2;
    }
    if (!options.replayPath.isEmpty()) {
        RecordingReader replay;
        const bool readable = replay.open(options.replayPath);
        if (!readable || replay.frames() == 0) {
            std::fprintf(stderr, "km420-sim: cannot replay %s: %s\n", options.replayPath.toLocal8Bit().constData(),
                         readable ? "it holds no frame" : replay.errorString().toLocal8Bit().constData());
            return 2;
        }
    }
    FaultPlan fault;
    if (parser.isSet(faultOption)) {
        QString error;
        if (!FaultPlan::parse(parser.value(faultOption), &fault, &error)) {
            std::fprintf(stderr, "km420-sim: %s\n", error.toLocal8Bit().constData());
            return 2;
        }
    }

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        std::perror("km420-sim: socketpair");
        return 1;
    }
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    CameraSimulator simulator(options);
    if (!simulator.start()) {
        std::fprintf(stderr, "km420-sim: %s\n", simulator.errorString().toLocal8Bit().constData());
        return 1;
    }
    if (fault.kind != FaultPlan::None)
        simulator.setFault(fault);

    std::unique_ptr<ControlInput> stdinControl;
    if (!::isatty(STDIN_FILENO))
        stdinControl = std::make_unique<ControlInput>(STDIN_FILENO, simulator);

    std::unique_ptr<ControlInput> fifoControl;
    int fifoFd = -1;
    bool fifoCreated = false;
    const QString fifoPath = parser.value(controlOption);
    if (!fifoPath.isEmpty()) {
        const QByteArray name = QFile::encodeName(fifoPath);
        struct stat st = {};
        if (::stat(name.constData(), &st) != 0) {
            fifoCreated = ::mkfifo(name.constData(), 0600) == 0;
        } else if (!S_ISFIFO(st.st_mode)) {
            std::fprintf(stderr, "km420-sim: %s is not a FIFO\n", name.constData());
            return 2;
        }
        // Read-write, so the FIFO never reports end of file when a writer goes away.
        fifoFd = ::open(name.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fifoFd < 0) {
            std::perror("km420-sim: control FIFO");
            return 1;
        }
        fifoControl = std::make_unique<ControlInput>(fifoFd, simulator);
    }

    // A replay without loop ends with a hang-up after its last frame; the program ends with it.
    QTimer replayWatch;
    if (!options.replayPath.isEmpty() && !options.replayLoop) {
        QObject::connect(&replayWatch, &QTimer::timeout, &app, [&] {
            const SimulatorStats stats = simulator.stats();
            if (!stats.replayFinished || simulator.isRunning())
                return;
            replayWatch.stop();
            std::fprintf(stderr, "replay finished: %lld frames\n", static_cast<long long>(stats.framesSent));
            app.quit();
        });
        replayWatch.start(50);
    }

    // Last, so a script that has read the path finds the link and the control FIFO in place.
    say(simulator.slavePath());
    const int result = app.exec();
    simulator.stop();
    fifoControl.reset();
    if (fifoFd >= 0)
        ::close(fifoFd);
    if (fifoCreated)
        ::unlink(QFile::encodeName(fifoPath).constData());
    return result;
}
