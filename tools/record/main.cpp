// km420-record: records frames from a KM420 into a recording file, without the GUI.

#include "camerafinder.h"
#include "consoleplatform.h"
#include "recordsession.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
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
    const QCommandLineOption portOption(
        QStringLiteral("port"),
        QStringLiteral("Serial port of the camera. Without it, the one port with the camera's USB identifiers "
                       "(0483:5740)."),
        QStringLiteral("port"));
    const QCommandLineOption waitOption(QStringLiteral("wait"),
                                        QStringLiteral("Wait for the camera to be plugged in, then record."));
    const QCommandLineOption outOption(
        QStringLiteral("out"), QStringLiteral("Recording file to create (never overwritten)."), QStringLiteral("file"));
    const QCommandLineOption framesOption(QStringLiteral("frames"), QStringLiteral("Stop after this many frames."),
                                          QStringLiteral("n"));
    const QCommandLineOption secondsOption(QStringLiteral("seconds"), QStringLiteral("Stop after this many seconds."),
                                           QStringLiteral("s"));
    parser.addOptions({portOption, waitOption, outOption, framesOption, secondsOption});
    parser.process(app);

    if (!parser.isSet(outOption)) {
        complain(QStringLiteral("--out is needed; see --help"));
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
    QEventLoop waiting;
    bool interrupted = false;
    if (!ConsolePlatform::watchStopRequests([&] {
            interrupted = true;
            if (waiting.isRunning())
                waiting.quit();
            session.stop();
        })) {
        complain(QStringLiteral("cannot watch for interrupts"));
        return 1;
    }

    QString port = parser.value(portOption);
    const bool wait = parser.isSet(waitOption);
    if (port.isEmpty() || wait) {
        CameraFinder finder(port);
        QStringList found = finder.present();
        if (found.isEmpty() && wait) {
            complain(port.isEmpty() ? QStringLiteral("waiting for the camera (USB 0483:5740) to be plugged in")
                                    : QStringLiteral("waiting for %1 to be plugged in").arg(port));
            QObject::connect(&finder, &CameraFinder::found, &waiting, [&](const QStringList& ports) {
                found = ports;
                waiting.quit();
            });
            finder.waitForCamera();
            waiting.exec();
            finder.stopWaiting();
            if (interrupted) {
                complain(QStringLiteral("interrupted while waiting for the camera; nothing recorded"));
                return 1;
            }
        }
        if (found.isEmpty()) {
            complain(QStringLiteral("no camera found: no serial port has the camera's USB identifiers 0483:5740; "
                                    "plug it in, wait for it with --wait, or name its port with --port"));
            return 1;
        }
        if (found.size() > 1) {
            complain(QStringLiteral("several cameras found (%1); choose one with --port")
                         .arg(found.join(QLatin1String(", "))));
            return 2;
        }
        if (port.isEmpty())
            complain(QStringLiteral("recording from the camera on %1").arg(found.first()));
        port = found.first();
    }
    if (!session.start(port, parser.value(outOption), limits)) {
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
