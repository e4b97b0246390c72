#include "camerasimulator.h"

#include "framebuilder.h"
#include "recordparser.h"
#include "thermalscene.h"

#include <devicebase/km420frame.h>
#include <recording/recordingreader.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcCamsimPort, "camsim.port", QtInfoMsg)
Q_LOGGING_CATEGORY(lcCamsimFault, "camsim.fault", QtInfoMsg)

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::microseconds;

// One piece of output. A reply is one or more items; pauses and chunking are gaps between items.
struct OutItem {
    QByteArray data;
    Clock::time_point notBefore{};
    microseconds gap{0}; // after the previous item was written completely
    bool started = false;
    int written = 0;
    bool endsReply = true;
    // Counted once the item has been written completely.
    int framesDone = 0;
    int repliesDone = 0;
    int faultyDone = 0;
    qint64 garbage = 0;
    bool hangUpAfter = false;
    bool endsReplay = false; // the last frame of a replay without loop: the line drops after it
};

QString errnoText(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

void closeFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

class CameraSimulator::Private {
public:
    explicit Private(const Options& o) : options(o), scene(o.seed), random(quint64(o.seed) * 0x9E3779B97F4A7C15ull | 1)
    {
        stats.parameters = o.parameters;
        int pipeFds[2];
        if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) == 0) {
            wakeRead = pipeFds[0];
            wakeWrite = pipeFds[1];
        }
    }

    ~Private()
    {
        closeFd(wakeRead);
        closeFd(wakeWrite);
    }

    // Guarded by mutex.
    mutable std::mutex mutex;
    std::condition_variable changed;
    Options options;
    FaultPlan fault;
    int hangUpFramesLeft = 0;
    SimulatorStats stats;
    QString slavePath;
    QString error;
    bool running = false;
    int garbageRequested = 0;
    bool hangUpRequested = false;
    bool flushRequested = false;

    std::mutex lifecycle; // serialises start, stop and hangUp
    std::thread thread;
    std::atomic<bool> stopRequested{false};
    // Lives as long as the object, so a setter never writes into a descriptor that was closed and reused.
    int wakeRead = -1;
    int wakeWrite = -1;

    // Owned by the I/O thread while it runs.
    int masterFd = -1;
    int slaveFd = -1;
    ThermalScene scene;
    RecordParser parser;
    std::deque<OutItem> out;
    bool insideReply = false;
    Clock::time_point lastDone{};
    Clock::time_point nextSlot{};
    quint32 sequence = 0;
    quint64 random;
    RecordingReader replay; // opened by start(), read by the I/O thread
    int replayNext = 0;
    bool replayEnded = false;    // the last frame is queued; no further reply
    microseconds replayGap{0};   // the recorded gap before the frame nextFrame() returned last
    qint64 replayPreviousUs = 0; // arrival of the frame served last
    qint64 replayFirstGapUs = 0; // the gap across a wrap
    bool replayHangUpSet = false;
    Clock::time_point replayHangUpAt{};

    bool openReplay();

    bool open();
    bool openDevice();
    bool awaitCable();
    int unreadByClient() const;
    void closePort();
    void wake();
    void run();
    bool serveLine();
    void serviceRequests();
    // False when the line is gone.
    bool readInput();
    void handleRecord(const CommandRecord& record);
    bool writeHead();
    void finishHead();
    void waitForClientToRead();
    QByteArray nextFrame(quint16 code, const CameraParameters& parameters, quint8 palette);
    QByteArray garbageBytes(int count);
    bool waitUntil(const std::function<bool()>& done, int timeoutMs, bool pumpEvents);
};

bool CameraSimulator::Private::openDevice()
{
    const QByteArray name = QFile::encodeName(options.devicePath);
    masterFd = ::open(name.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios tio{};
    if (masterFd < 0 || ::tcgetattr(masterFd, &tio) != 0) {
        error = errnoText(name.constData());
        closeFd(masterFd);
        return false;
    }
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B115200);
    ::cfsetospeed(&tio, B115200);
    ::tcsetattr(masterFd, TCSANOW, &tio);
    std::lock_guard<std::mutex> lock(mutex);
    slavePath = options.devicePath;
    return true;
}

// The cable went out: what was on its way is lost, as on the camera. The device is opened again until
// it opens (a gadget's end opens while unplugged, and reports the hang-up again if it is still out).
// False when stopped meanwhile.
bool CameraSimulator::Private::awaitCable()
{
    qCInfo(lcCamsimPort) << "cable out on" << options.devicePath;
    closeFd(masterFd);
    out.clear();
    insideReply = false;
    parser.reset();
    {
        std::lock_guard<std::mutex> lock(mutex);
        ++stats.hangUps;
        hangUpRequested = false;
    }
    while (!stopRequested.load()) {
        pollfd wakeUp{wakeRead, POLLIN, 0};
        const timespec pause{0, 100 * 1000 * 1000};
        ::ppoll(&wakeUp, 1, &pause, nullptr);
        char drain[64];
        while (::read(wakeRead, drain, sizeof drain) > 0) {
        }
        if (!stopRequested.load() && openDevice())
            return true;
    }
    return false;
}

bool CameraSimulator::Private::open()
{
    if (!options.devicePath.isEmpty())
        return openDevice();
    masterFd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (masterFd < 0) {
        error = errnoText("posix_openpt");
        return false;
    }
    char name[128] = {};
    if (::grantpt(masterFd) != 0 || ::unlockpt(masterFd) != 0 || ::ptsname_r(masterFd, name, sizeof name) != 0) {
        error = errnoText("pty setup");
        closeFd(masterFd);
        return false;
    }
    ::fcntl(masterFd, F_SETFD, FD_CLOEXEC);
    ::fcntl(masterFd, F_SETFL, ::fcntl(masterFd, F_GETFL) | O_NONBLOCK);

    // Held for the whole run: once the last slave descriptor closes the master reads EIO, and a client
    // that closes and reopens the port must not take the line down.
    slaveFd = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slaveFd < 0) {
        error = errnoText("open slave");
        closeFd(masterFd);
        return false;
    }
    // A new pty is a canonical line with echo, CR/NL mapping and XON/XOFF; frames would be mangled.
    termios tio{};
    if (::tcgetattr(slaveFd, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B115200);
        ::cfsetospeed(&tio, B115200);
        ::tcsetattr(slaveFd, TCSANOW, &tio);
    }

    const QString link = options.linkPath;
    if (!link.isEmpty()) {
        const QFileInfo info(link);
        const QByteArray linkName = QFile::encodeName(link);
        if (info.isSymLink()) {
            ::unlink(linkName.constData());
        } else if (info.exists()) {
            error = QStringLiteral("%1 exists and is not a symbolic link").arg(link);
            closePort();
            return false;
        }
        if (::symlink(name, linkName.constData()) != 0) {
            error = errnoText("symlink");
            closePort();
            return false;
        }
    }
    std::lock_guard<std::mutex> lock(mutex);
    slavePath = QString::fromLocal8Bit(name);
    return true;
}

void CameraSimulator::Private::closePort()
{
    QString link;
    QString slave;
    {
        std::lock_guard<std::mutex> lock(mutex);
        link = options.linkPath;
        slave = slavePath;
    }
    // Only our own link: a simulator started meanwhile on the same path keeps its link.
    if (!link.isEmpty() && !slave.isEmpty() && QFileInfo(link).isSymLink() &&
        QFile::symLinkTarget(link) == QFileInfo(slave).absoluteFilePath())
        ::unlink(QFile::encodeName(link).constData());
    closeFd(masterFd);
    closeFd(slaveFd);
    out.clear();
    insideReply = false;
}

void CameraSimulator::Private::wake()
{
    if (wakeWrite >= 0) {
        const char c = 1;
        [[maybe_unused]] const auto n = ::write(wakeWrite, &c, 1);
    }
}

bool CameraSimulator::Private::openReplay()
{
    replayNext = 0;
    replayEnded = false;
    replayHangUpSet = false;
    replayGap = microseconds(0);
    if (options.replayPath.isEmpty()) {
        replay.close();
        return true;
    }
    QString why;
    if (!replay.open(options.replayPath))
        why = replay.errorString();
    else if (replay.frames() == 0)
        why = QStringLiteral("it holds no frame");
    if (why.isEmpty()) {
        RecordedFrame first;
        RecordedFrame second;
        replayFirstGapUs = replay.frames() > 1 && replay.frame(0, &first) && replay.frame(1, &second)
                               ? std::max<qint64>(0, second.arrivalUs - first.arrivalUs)
                               : 0;
        return true;
    }
    replay.close();
    std::lock_guard<std::mutex> lock(mutex);
    error = QStringLiteral("cannot replay %1: %2").arg(options.replayPath, why);
    return false;
}

QByteArray CameraSimulator::Private::nextFrame(quint16 code, const CameraParameters& parameters, quint8 palette)
{
    if (replay.isOpen()) {
        if (replayEnded)
            return QByteArray();
        const bool wrapped = replayNext >= replay.frames();
        if (wrapped)
            replayNext = 0;
        RecordedFrame frame;
        if (!replay.frame(replayNext, &frame)) {
            // The file changed under the simulator: the replay ends here.
            qCWarning(lcCamsimPort) << "replay frame" << replayNext << "unreadable";
            replayEnded = true;
            return QByteArray();
        }
        const qint64 gapUs = replayNext > 0 ? frame.arrivalUs - replayPreviousUs : wrapped ? replayFirstGapUs : 0;
        replayGap = microseconds(std::max<qint64>(0, gapUs));
        replayPreviousUs = frame.arrivalUs;
        if (++replayNext >= replay.frames() && !options.replayLoop)
            replayEnded = true;
        return frame.record;
    }
    ++sequence;
    const QByteArray frame =
        FrameBuilder::build(scene.render(sequence), code, parameters, sequence, palette, options.extBlock);
    std::lock_guard<std::mutex> lock(mutex);
    stats.lastSequence = sequence;
    return frame;
}

QByteArray CameraSimulator::Private::garbageBytes(int count)
{
    QByteArray bytes(count, '\0');
    for (char& c : bytes) {
        random ^= random << 13;
        random ^= random >> 7;
        random ^= random << 17;
        c = static_cast<char>(random >> 24);
    }
    return bytes;
}

void CameraSimulator::Private::handleRecord(const CommandRecord& record)
{
    enum Action { Reply, NoReply, HangUpAfterReply, HangUpInsideReply };
    Action action = Reply;
    FaultPlan applied;
    CameraParameters parameters;
    quint8 palette = 0;
    int intervalMs = 0;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (record.code < stats.recordsByCode.size())
            ++stats.recordsByCode[record.code];
        else
            ++stats.recordsOtherCode;
        if (record.code == CommandRecord::SetParameters)
            stats.parameters = {record.firstValue, record.secondValue, record.thirdValue};
        parameters = stats.parameters;
        palette = options.paletteNumber;
        intervalMs = options.minFrameIntervalMs;

        switch (fault.kind) {
        case FaultPlan::None:
            break;
        case FaultPlan::Flood:
            action = NoReply;
            break;
        case FaultPlan::HangUp:
            if (hangUpFramesLeft > 0) {
                if (--hangUpFramesLeft == 0 && fault.hangUpMidBytes == 0) {
                    action = HangUpAfterReply;
                    fault = FaultPlan::none();
                }
            } else {
                action = HangUpInsideReply;
                applied = fault;
                fault = FaultPlan::none();
            }
            break;
        default:
            applied = fault;
            if (fault.kind == FaultPlan::Silence)
                action = NoReply;
            if (fault.times > 0 && --fault.times == 0) {
                qCInfo(lcCamsimFault) << "fault" << FaultPlan::name(applied.kind) << "used up";
                fault = FaultPlan::none();
            }
            break;
        }
        // Past the last recorded frame. A record after it shows the client has taken that frame: the line
        // drops now rather than at the deadline.
        if (replayEnded) {
            action = NoReply;
            if (replayHangUpSet)
                hangUpRequested = true;
        }
        if (action == NoReply || action == HangUpInsideReply)
            ++stats.recordsUnanswered;
        changed.notify_all();
    }
    if (action == NoReply)
        return;

    const auto now = Clock::now();
    const auto start = std::max(now, nextSlot);
    nextSlot = start + std::chrono::milliseconds(intervalMs);

    QByteArray reply = nextFrame(record.code, parameters, palette);
    const microseconds replyGap = replayGap;
    if (reply.isEmpty()) {
        std::lock_guard<std::mutex> lock(mutex);
        ++stats.recordsUnanswered;
        hangUpRequested = true;
        return;
    }
    std::vector<OutItem> items;
    auto piece = [&](QByteArray data, microseconds gap) {
        OutItem item;
        item.data = std::move(data);
        item.gap = gap;
        item.endsReply = false;
        items.push_back(std::move(item));
    };
    bool faulty = true;
    int frames = 0;
    switch (applied.kind) {
    case FaultPlan::ShortReply:
        piece(reply.left(applied.length), microseconds(0));
        break;
    case FaultPlan::LongReply:
        piece(reply + garbageBytes(applied.extraBytes), microseconds(0));
        break;
    case FaultPlan::BadHead:
        reply[0] = static_cast<char>(~reply[0]);
        piece(reply, microseconds(0));
        break;
    case FaultPlan::BadTail:
        reply[Km420Frame::Size - 1] = static_cast<char>(~reply[Km420Frame::Size - 1]);
        piece(reply, microseconds(0));
        break;
    case FaultPlan::PauseInReply:
        frames = 1;
        piece(reply.left(applied.pauseAt), microseconds(0));
        piece(reply.mid(applied.pauseAt), std::chrono::milliseconds(applied.pauseMs));
        break;
    case FaultPlan::DoubleReply: {
        faulty = false;
        frames = 1;
        piece(reply, microseconds(0));
        QByteArray second = nextFrame(record.code, parameters, palette);
        if (!second.isEmpty()) {
            frames = 2;
            piece(std::move(second), replayGap);
        }
        break;
    }
    case FaultPlan::Garbage:
        piece(garbageBytes(applied.garbageBytes), microseconds(0));
        items.back().garbage = applied.garbageBytes;
        break;
    case FaultPlan::Chunked:
        frames = 1;
        for (int at = 0; at < reply.size(); at += applied.chunkSize)
            piece(reply.mid(at, applied.chunkSize), at == 0 ? microseconds(0) : microseconds(applied.chunkGapUs));
        break;
    case FaultPlan::HangUp:
        piece(reply.left(applied.hangUpMidBytes), microseconds(0));
        break;
    default:
        faulty = false;
        frames = 1;
        piece(reply, microseconds(0));
        break;
    }
    items.front().notBefore = start;
    items.front().gap = std::max(items.front().gap, replyGap);
    OutItem& last = items.back();
    last.endsReply = true;
    last.framesDone = frames;
    last.faultyDone = faulty ? 1 : 0;
    if (action == HangUpInsideReply) {
        last.faultyDone = 0;
        last.hangUpAfter = true;
    } else {
        last.repliesDone = 1;
        last.hangUpAfter = action == HangUpAfterReply;
    }
    last.endsReplay = replayEnded;
    for (OutItem& item : items)
        out.push_back(std::move(item));
}

bool CameraSimulator::Private::readInput()
{
    char buffer[4096];
    while (true) {
        const ssize_t n = ::read(masterFd, buffer, sizeof buffer);
        if (n > 0) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                stats.bytesReceived += n;
            }
            const qint64 malformedBefore = parser.malformedCount();
            const QVector<CommandRecord> records = parser.feed(buffer, int(n));
            if (parser.malformedCount() != malformedBefore) {
                std::lock_guard<std::mutex> lock(mutex);
                stats.malformedRecords += parser.malformedCount() - malformedBefore;
            }
            for (const CommandRecord& record : records)
                handleRecord(record);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return true;
        // End of file or EIO: a device whose cable went out.
        if (n < 0)
            qCWarning(lcCamsimPort) << errnoText("read from master");
        return false;
    }
}

void CameraSimulator::Private::finishHead()
{
    OutItem item = std::move(out.front());
    out.pop_front();
    lastDone = Clock::now();
    insideReply = !item.endsReply;
    {
        std::lock_guard<std::mutex> lock(mutex);
        stats.replayFinished = stats.replayFinished || item.endsReplay;
        if (item.endsReplay) {
            // The client still waits for quiet after the last byte before it takes the frame; dropping the line
            // at once would lose it.
            replayHangUpSet = true;
            replayHangUpAt = lastDone + std::chrono::seconds(2);
        }
        stats.framesSent += item.framesDone;
        if (item.framesDone > 0)
            stats.lastFrameDoneNs =
                std::chrono::duration_cast<std::chrono::nanoseconds>(lastDone.time_since_epoch()).count();
        stats.recordsAnswered += item.repliesDone;
        stats.faultyReplies += item.faultyDone;
        stats.garbageBytesSent += item.garbage;
        changed.notify_all();
    }
    if (item.hangUpAfter) {
        waitForClientToRead();
        std::lock_guard<std::mutex> lock(mutex);
        hangUpRequested = true;
    }
}

// A hang-up discards what the client has not read yet, so a hang-up after N frames first lets the client
// take them. Bounded, for a client that does not read at all.
void CameraSimulator::Private::waitForClientToRead()
{
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    int quietChecks = 0;
    while (quietChecks < 3 && Clock::now() < deadline && !stopRequested.load()) {
        const int pending = unreadByClient();
        if (pending < 0)
            return;
        quietChecks = pending == 0 ? quietChecks + 1 : 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// What the client has not read: on a pty what waits at its end; on a device what the driver has not sent.
// -1 when the line cannot say.
int CameraSimulator::Private::unreadByClient() const
{
    int pending = 0;
    if (slaveFd >= 0 ? ::ioctl(slaveFd, FIONREAD, &pending) : ::ioctl(masterFd, TIOCOUTQ, &pending))
        return -1;
    return pending;
}

// False when the line is gone.
bool CameraSimulator::Private::writeHead()
{
    OutItem& head = out.front();
    while (head.written < head.data.size()) {
        const ssize_t n =
            ::write(masterFd, head.data.constData() + head.written, size_t(head.data.size() - head.written));
        if (n > 0) {
            head.written += int(n);
            std::lock_guard<std::mutex> lock(mutex);
            stats.bytesSent += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return true;
        qCWarning(lcCamsimPort) << errnoText("write to master");
        return false;
    }
    finishHead();
    return true;
}

void CameraSimulator::Private::serviceRequests()
{
    int garbage = 0;
    bool flush = false;
    bool flood = false;
    CameraParameters parameters;
    quint8 palette = 0;
    {
        std::lock_guard<std::mutex> lock(mutex);
        std::swap(garbage, garbageRequested);
        std::swap(flush, flushRequested);
        flood = fault.kind == FaultPlan::Flood;
        parameters = stats.parameters;
        palette = options.paletteNumber;
    }
    if (flush) {
        if (slaveFd >= 0)
            ::tcflush(slaveFd, TCIFLUSH);
        else
            ::tcflush(masterFd, TCOFLUSH);
    }
    if (garbage > 0) {
        OutItem item;
        item.data = garbageBytes(garbage);
        item.garbage = garbage;
        // Never inside a reply that has begun: after its last piece, else first in line.
        auto at = out.begin();
        if (insideReply || (!out.empty() && out.front().started)) {
            while (at != out.end() && !at->endsReply)
                ++at;
            if (at != out.end())
                ++at;
        }
        out.insert(at, std::move(item));
    }
    // Two frames queued, so building the next never leaves the line idle.
    while (flood && out.size() < 2 && !replayEnded) {
        OutItem item;
        item.data = nextFrame(CommandRecord::GetVideoFrame, parameters, palette);
        if (item.data.isEmpty())
            break;
        item.gap = replayGap;
        item.framesDone = 1;
        item.endsReplay = replayEnded;
        out.push_back(std::move(item));
    }
}

// Serves the line until stop() (false) or until it drops (true).
bool CameraSimulator::Private::serveLine()
{
    bool lineDropped = false;
    while (!stopRequested.load()) {
        serviceRequests();
        {
            std::lock_guard<std::mutex> lock(mutex);
            if (hangUpRequested) {
                hangUpRequested = false;
                lineDropped = true;
            }
        }
        if (lineDropped)
            break;

        const auto now = Clock::now();
        if (replayHangUpSet && now >= replayHangUpAt) {
            lineDropped = true;
            break;
        }
        bool wantOut = false;
        timespec timeout{};
        timespec* timeoutPtr = nullptr;
        auto wakeAt = [&](Clock::time_point at) {
            const auto wait = std::chrono::duration_cast<std::chrono::nanoseconds>(at - now).count();
            if (timeoutPtr && timeout.tv_sec * 1000000000LL + timeout.tv_nsec <= wait)
                return;
            timeout.tv_sec = time_t(wait / 1000000000);
            timeout.tv_nsec = long(wait % 1000000000);
            timeoutPtr = &timeout;
        };
        if (replayHangUpSet)
            wakeAt(replayHangUpAt);
        if (!out.empty()) {
            OutItem& head = out.front();
            if (!head.started) {
                const auto readyAt = std::max(head.notBefore, lastDone + head.gap);
                if (readyAt <= now)
                    head.started = true;
                else
                    wakeAt(readyAt);
            }
            wantOut = head.started;
        }
        pollfd fds[2] = {{masterFd, short(POLLIN | (wantOut ? POLLOUT : 0)), 0}, {wakeRead, POLLIN, 0}};
        if (::ppoll(fds, 2, timeoutPtr, nullptr) < 0) {
            if (errno == EINTR)
                continue;
            qCWarning(lcCamsimPort) << errnoText("poll");
            lineDropped = true;
            break;
        }
        if (fds[1].revents & POLLIN) {
            char drain[64];
            while (::read(wakeRead, drain, sizeof drain) > 0) {
            }
        }
        if ((fds[0].revents & POLLIN) && !readInput()) {
            lineDropped = true;
            break;
        }
        if (fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) {
            qCWarning(lcCamsimPort) << "the master reported an error; dropping the line";
            lineDropped = true;
            break;
        }
        if (wantOut && (fds[0].revents & POLLOUT) && !writeHead()) {
            lineDropped = true;
            break;
        }
    }
    return lineDropped;
}

void CameraSimulator::Private::run()
{
    bool lineDropped = false;
    do {
        lastDone = Clock::now();
        nextSlot = lastDone;
        lineDropped = serveLine();
        // A device is a cable that comes back, unless the replay is over.
    } while (lineDropped && !options.devicePath.isEmpty() && !replayEnded && awaitCable());
    if (!lineDropped || stopRequested.load())
        return;
    // A hang-up: the thread closes the line itself, stop() only joins.
    qint64 unanswered = 0;
    for (const OutItem& item : out)
        unanswered += item.repliesDone;
    {
        // Settled before the master closes, so a client that sees the hang-up finds it in the stats.
        std::lock_guard<std::mutex> lock(mutex);
        qCInfo(lcCamsimPort) << "line dropped after" << stats.framesSent << "frames";
        stats.recordsUnanswered += unanswered;
        ++stats.hangUps;
        fault = FaultPlan::none();
        running = false;
    }
    closePort();
    changed.notify_all();
}

bool CameraSimulator::Private::waitUntil(const std::function<bool()>& done, int timeoutMs, bool pumpEvents)
{
    const QDeadlineTimer deadline(timeoutMs);
    pumpEvents = pumpEvents && QAbstractEventDispatcher::instance() != nullptr;
    std::unique_lock<std::mutex> lock(mutex);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        if (pumpEvents) {
            lock.unlock();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            lock.lock();
            changed.wait_for(lock, std::chrono::milliseconds(1));
        } else {
            changed.wait_for(lock, std::chrono::milliseconds(std::min<qint64>(50, deadline.remainingTime())));
        }
    }
    return true;
}

CameraSimulator::CameraSimulator() : CameraSimulator(Options()) {}

CameraSimulator::CameraSimulator(const Options& options) : d(std::make_unique<Private>(options)) {}

CameraSimulator::~CameraSimulator()
{
    stop();
}

bool CameraSimulator::start()
{
    std::lock_guard<std::mutex> guard(d->lifecycle);
    if (d->thread.joinable()) {
        if (isRunning())
            return true;
        d->thread.join(); // the line was dropped; the thread has already closed it
    }
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->error.clear();
        d->hangUpRequested = false;
        d->garbageRequested = 0;
        d->flushRequested = false;
    }
    if (d->wakeRead < 0) {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->error = QStringLiteral("no wake-up pipe");
        return false;
    }
    if (!d->openReplay() || !d->open()) {
        qCWarning(lcCamsimPort) << "cannot start:" << errorString();
        return false;
    }
    d->parser.reset();
    d->out.clear();
    d->insideReply = false;
    d->stopRequested = false;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->running = true;
    }
    qCInfo(lcCamsimPort).noquote() << "serving" << slavePath()
                                   << (linkPath().isEmpty() ? QString() : "as " + linkPath());
    d->thread = std::thread([this] { d->run(); });
    return true;
}

void CameraSimulator::stop()
{
    std::lock_guard<std::mutex> guard(d->lifecycle);
    if (!d->thread.joinable())
        return;
    d->stopRequested = true;
    d->wake();
    d->thread.join();
    if (!isRunning())
        return; // the line was dropped and closed by the I/O thread
    d->closePort();
    std::lock_guard<std::mutex> lock(d->mutex);
    d->running = false;
    d->changed.notify_all();
}

bool CameraSimulator::restart()
{
    stop();
    return start();
}

bool CameraSimulator::isRunning() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->running;
}

QString CameraSimulator::portPath() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->options.linkPath.isEmpty() ? d->slavePath : d->options.linkPath;
}

QString CameraSimulator::slavePath() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->slavePath;
}

QString CameraSimulator::linkPath() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->options.linkPath;
}

QString CameraSimulator::errorString() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->error;
}

void CameraSimulator::setPaletteNumber(quint8 number)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->options.paletteNumber = number;
}

quint8 CameraSimulator::paletteNumber() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->options.paletteNumber;
}

void CameraSimulator::setMinFrameInterval(int ms)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->options.minFrameIntervalMs = qMax(0, ms);
}

void CameraSimulator::setFault(const FaultPlan& fault)
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->fault = fault;
        d->hangUpFramesLeft = fault.kind == FaultPlan::HangUp ? fault.hangUpAfterFrames : 0;
        if (fault.kind == FaultPlan::HangUp && fault.hangUpAfterFrames == 0 && fault.hangUpMidBytes == 0) {
            d->fault = FaultPlan::none();
            d->hangUpRequested = true;
        }
    }
    qCInfo(lcCamsimFault) << "fault" << fault.toString();
    d->wake();
}

FaultPlan CameraSimulator::fault() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->fault;
}

void CameraSimulator::injectGarbage(int bytes)
{
    if (bytes <= 0)
        return;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->garbageRequested += bytes;
    }
    d->wake();
}

void CameraSimulator::hangUp()
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        if (!d->running)
            return;
        d->hangUpRequested = true;
    }
    d->wake();
    // Without events: the I/O thread needs nothing from this one, and a client here must not run its
    // hang-up handling inside this call.
    d->waitUntil([this] { return !d->running; }, 5000, false);
}

void CameraSimulator::flushPort()
{
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        d->flushRequested = true;
    }
    d->wake();
}

SimulatorStats CameraSimulator::stats() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->stats;
}

void CameraSimulator::resetStats()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    const CameraParameters parameters = d->stats.parameters;
    const quint32 sequence = d->stats.lastSequence;
    d->stats = SimulatorStats();
    d->stats.parameters = parameters;
    d->stats.lastSequence = sequence;
}

bool CameraSimulator::waitForRecords(qint64 count, int timeoutMs)
{
    return d->waitUntil([this, count] { return d->stats.records() >= count; }, timeoutMs, true);
}

bool CameraSimulator::waitForFrames(qint64 count, int timeoutMs)
{
    return d->waitUntil([this, count] { return d->stats.framesSent >= count; }, timeoutMs, true);
}
