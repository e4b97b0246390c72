// km420-record: records frames from a KM420 into a recording file, without the GUI.

#include "consoleplatform.h"
#include "recordsession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

void complain(const QString& text)
{
    std::fprintf(stderr, "km420-record: %s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("km420-record"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Records frames from a KM420 camera into a recording file. Without --frames or --seconds "
                       "it records until interrupted (Ctrl+C)."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Serial port of the camera."),
                                        QStringLiteral("port"));
    const QCommandLineOption outOption(
        QStringLiteral("out"), QStringLiteral("Recording file to create (never overwritten)."), QStringLiteral("file"));
    const QCommandLineOption framesOption(QStringLiteral("frames"), QStringLiteral("Stop after this many frames."),
                                          QStringLiteral("n"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Stop after this many seconds."),
                                           QStringLiteral("s"));
    parser.addOptions({portOption, outOption, framesOption, secondsOption});
    parser.process(app);

    if (!parser.isSet(portOption) || !parser.isSet(outOption)) {
        complain(QStringLiteral("--port and --out are needed; see --help"));
        return 2;
    }
    if (!parser.positionalArguments().isEmpty()) {
        complain(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
        return 2;
    }
    RecordSession::Limits limits;
    bool ok = true;
    if (parser.isSet(framesOption)) {
        limits.frames = parser.value(framesOption).toLongLong(&ok);
        if (!ok || limits.frames < 1) {
            complain(QStringLiteral("--frames takes a whole number of at least 1"));
            return 2;
        }
    }
    if (parser.isSet(secondsOption)) {
        const double seconds = parser.value(secondsOption).toDouble(&ok);
        if (!ok || !std::isfinite(seconds) || seconds <= 0 || seconds > 1e6) {
            complain(QStringLiteral("--seconds takes a number above 0"));
            return 2;
        }
        limits.ms = std::max<qint64>(1, qint64(seconds * 1000));
    }

    RecordSession session;
    if (!ConsolePlatform::watchStopRequests([&session] { session.stop(); })) {
        complain(QStringLiteral("cannot watch for interrupts"));
        return 1;
    }
    if (!session.start(parser.value(portOption), parser.value(outOption), limits)) {
        complain(session.errorString());
        return 1;
    }

    // On a terminal one line rewritten in place; in a log one line a second.
    const bool terminal = ConsolePlatform::errorIsTerminal();
    bool progressShown = false;
    QTimer progress;
    QObject::connect(&progress, &QTimer::timeout, [&] {
        const QByteArray text = session.progressText().toLocal8Bit();
        if (terminal)
            std::fprintf(stderr, "\r%s\033[K", text.constData());
        else
            std::fprintf(stderr, "%s\n", text.constData());
        progressShown = true;
    });
    progress.start(terminal ? 250 : 1000);
    QObject::connect(&session, &RecordSession::finished, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    app.exec();
    progress.stop();
    if (terminal && progressShown)
        std::fputc('\n', stderr);

    if (session.failed()) {
        complain(session.errorString());
        complain(QStringLiteral("%1 frames kept in %2").arg(session.frames()).arg(session.fileName()));
        return 1;
    }
    std::printf("%s: %lld frames\n", session.fileName().toLocal8Bit().constData(),
                static_cast<long long>(session.frames()));
    return 0;
}
