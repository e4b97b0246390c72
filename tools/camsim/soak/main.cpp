// km420-soak: streams frames from the simulated camera through LensFeed and reports losses,
// failures and memory growth. Exit status 0 only when nothing was lost and memory stayed flat.

#include <camsim/camerasimulator.h>

#include <devicebase/extinfolayout.h>
#include <devicebase/km420frame.h>
#include <lensfeed/lensfeed.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Soak run: simulator -> LensFeed."));
    parser.addHelpOption();
    const QCommandLineOption framesOption(QStringLiteral("frames"), QStringLiteral("Frames to decode."),
                                          QStringLiteral("n"), QStringLiteral("100000"));
    const QCommandLineOption stallOption(QStringLiteral("stall"),
                                         QStringLiteral("Seconds without a frame that end the run."),
                                         QStringLiteral("s"), QStringLiteral("15"));
    const QCommandLineOption faultOption(QStringLiteral("fault"),
                                         QStringLiteral("A simulator fault from the start, to see the run catch it."),
                                         QStringLiteral("plan"));
    parser.addOptions({framesOption, stallOption, faultOption});
    parser.process(app);
    bool ok = false;
    const qint64 target = parser.value(framesOption).toLongLong(&ok);
    if (!ok || target < 1) {
        std::fprintf(stderr, "km420-soak: --frames takes a positive number\n");
        return 2;
    }
    const int stallSeconds = qMax(1, parser.value(stallOption).toInt());
    QLoggingCategory::setFilterRules(QStringLiteral("camsim.*.info=false"));
    FaultPlan fault;
    QString faultError;
    if (parser.isSet(faultOption) && !FaultPlan::parse(parser.value(faultOption), &fault, &faultError)) {
        std::fprintf(stderr, "km420-soak: %s\n", qPrintable(faultError));
        return 2;
    }

    CameraSimulator simulator;
    if (!simulator.start()) {
        std::fprintf(stderr, "km420-soak: %s\n", qPrintable(simulator.errorString()));
        return 1;
    }

    LensFeed feed;
    qint64 decoded = 0;
    qint64 badPictures = 0;
    qint64 sequenceBreaks = 0;
    qint64 warnings = 0;
    quint32 lastSequence = 0;
    // Memory is compared from a point where caches and buffers have settled.
    const qint64 warmUp = qMin<qint64>(200, qMax<qint64>(1, target / 10));
    qint64 rssStart = -1;
    qint64 rssPeak = 0;
    QElapsedTimer clock;
    clock.start();
    qint64 lastFrameMs = 0;
    bool stalled = false;
    qint64 answeredAtEnd = -1;

    QObject::connect(&feed, &LensFeed::updateExtendParam, [&](char* record) {
        const quint32 sequence = Km420Frame::readUInt32(record, ExtInfoLayout::SequenceOffset);
        if (lastSequence != 0 && sequence != lastSequence + 1)
            ++sequenceBreaks;
        lastSequence = sequence;
    });
    QObject::connect(&feed, &LensFeed::imageRead, [&](const QPixmap& pixmap) {
        ++decoded;
        lastFrameMs = clock.elapsed();
        if (pixmap.width() != Km420Frame::Width || pixmap.height() != Km420Frame::Height)
            ++badPictures;
        if (decoded == warmUp)
            rssStart = residentKiB();
        if (decoded % 1000 == 0)
            rssPeak = qMax(rssPeak, residentKiB());
        if (target >= 10 && decoded % (target / 10) == 0)
            std::printf("%lld frames, %.1f s, VmRSS %lld KiB\n", decoded, clock.elapsed() / 1000.0, residentKiB());
        std::fflush(stdout);
        if (decoded == target) {
            // One command is outstanding at a time and the next goes out after this handler, so every
            // reply answered so far is one this run should have decoded.
            answeredAtEnd = simulator.stats().recordsAnswered;
            QTimer::singleShot(0, &app, &QCoreApplication::quit);
        }
    });

    // The failure warning is modal; note it and close it so the run goes on (and counts as failed).
    QTimer housekeeping;
    QObject::connect(&housekeeping, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++warnings;
            modal->close();
        }
        if (clock.elapsed() - lastFrameMs > stallSeconds * 1000) {
            stalled = true;
            QCoreApplication::quit();
        }
    });
    housekeeping.start(200);

    simulator.setFault(fault);
    const qint64 rssBefore = residentKiB();
    if (!feed.open(simulator.slavePath())) {
        std::fprintf(stderr, "km420-soak: LensFeed could not open %s\n", qPrintable(simulator.slavePath()));
        return 1;
    }
    std::printf("soak: %lld frames from %s (about %.0f s at the camera library's pace of roughly 9 frames/s)\n", target,
                qPrintable(simulator.slavePath()), target / 9.0);
    std::fflush(stdout);
    app.exec();
    const double seconds = clock.elapsed() / 1000.0;
    feed.close();
    housekeeping.stop();
    const qint64 rssEnd = residentKiB();
    simulator.stop();

    const SimulatorStats s = simulator.stats();
    // The opening reset-frame is part of every open; any further one answers a failed reply.
    const qint64 failures = qMax<qint64>(0, s.recordsByCode[2] - 1);
    const qint64 dropped = (answeredAtEnd >= 0 ? answeredAtEnd : s.recordsAnswered) - decoded;
    const qint64 growth = rssStart >= 0 ? rssEnd - rssStart : 0;
    const qint64 allowance = qMax<qint64>(4096, rssStart / 20);

    std::printf("frames decoded   %lld of %lld in %.1f s (%.1f/s)\n", decoded, target, seconds,
                seconds > 0 ? decoded / seconds : 0.0);
    std::printf("records answered %lld (get %lld, set %lld, reset %lld)\n", s.recordsAnswered, s.recordsByCode[0],
                s.recordsByCode[1], s.recordsByCode[2]);
    std::printf("frames dropped   %lld\n", dropped);
    std::printf("failures         %lld (reset-frame records after the first), warnings %lld\n", failures, warnings);
    std::printf("bad pictures     %lld, sequence breaks %lld%s\n", badPictures, sequenceBreaks,
                stalled ? ", STALLED" : "");
    std::printf("VmRSS            before open %lld KiB, after %lld frames %lld KiB, end %lld KiB, peak %lld KiB, "
                "growth %lld KiB (allowed %lld)\n",
                rssBefore, warmUp, rssStart, rssEnd, qMax(rssPeak, rssEnd), growth, allowance);

    const bool passed = decoded >= target && dropped == 0 && failures == 0 && warnings == 0 && badPictures == 0 &&
                        sequenceBreaks == 0 && !stalled && rssStart >= 0 && growth <= allowance;
    std::printf("%s\n", passed ? "PASS" : "FAIL");
    std::fflush(stdout);
    return passed ? 0 : 1;
}
