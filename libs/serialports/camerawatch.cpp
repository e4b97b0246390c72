#include "camerawatch.h"
#include "serialportslog.h"
#include "ttymonitor.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QTimer>

class CameraWatch::Private {
public:
    Lister lister;
    std::function<QString()> namedPort;
    std::unique_ptr<TtyMonitor> monitor;
    QTimer timer;
    QHash<QString, QString> seen; // port -> what its path leads to
    QStringList listed;           // the lister's answer, kept while no notice says it changed
    bool listStale = true;
    bool started = false;
    bool checking = false;
};

CameraWatch::CameraWatch(Lister lister, std::function<QString()> namedPort, QObject* parent)
    : QObject(parent), d(std::make_unique<Private>())
{
    d->lister = std::move(lister);
    d->namedPort = std::move(namedPort);
    d->timer.setTimerType(Qt::VeryCoarseTimer);
    connect(&d->timer, &QTimer::timeout, this, [this] { look("look once a second"); });
}

CameraWatch::~CameraWatch() = default;

void CameraWatch::start(int intervalMs)
{
    if (d->started)
        return;
    d->started = true;
    if (!d->monitor) {
        d->monitor = std::make_unique<TtyMonitor>();
        connect(d->monitor.get(), &TtyMonitor::changed, this, [this](bool fromUdevd) {
            d->listStale = true;
            look(fromUdevd ? "udev notice" : "kernel notice");
        });
    }
    d->seen.clear();
    d->listStale = true;
    check();
    d->timer.start(intervalMs);
}

void CameraWatch::stop()
{
    d->started = false;
    d->timer.stop();
}

void CameraWatch::check()
{
    look("look asked for");
}

void CameraWatch::look(const char* reason)
{
    if (!d->started || d->checking)
        return;
    d->checking = true;
    // Listing every serial port costs more than a look at one path; with notices it is done only
    // when something changed.
    if (d->listStale || !d->monitor->isActive()) {
        d->listed = d->lister ? d->lister() : QStringList();
        d->listStale = false;
    }
    QHash<QString, QString> now;
    for (const QString& port : qAsConst(d->listed))
        now.insert(port, port);
    const QString named = d->namedPort ? d->namedPort() : QString();
    if (!named.isEmpty()) {
        // A device node made anew (replug, or a pseudo-terminal of the same number) has a new
        // change time even where its path is the same.
        const QFileInfo info(named);
        if (info.exists())
            now.insert(named, info.canonicalFilePath() + QLatin1Char('@') +
                                  QString::number(info.metadataChangeTime().toMSecsSinceEpoch()));
    }
    // The look start() makes before its timer runs only learns what is there.
    const bool first = !d->timer.isActive();
    const QHash<QString, QString> before = d->seen;
    d->seen = now;
    d->checking = false;
    if (first)
        return;
    // Signals last: a receiver may open the camera and run a dialog's event loop.
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (now.value(it.key()) != it.value()) {
            qCInfo(lcPortWatch).noquote().nospace() << "camera port gone: " << it.key() << " (" << reason << ")";
            emit gone(it.key());
        }
    }
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (before.value(it.key()) != it.value()) {
            qCInfo(lcPortWatch).noquote().nospace() << "camera port appeared: " << it.key() << " (" << reason << ")";
            emit appeared(it.key());
        }
    }
}

bool CameraWatch::isThere(const QString& port) const
{
    if (port.isEmpty())
        return false;
    const QString named = d->namedPort ? d->namedPort() : QString();
    if (port == named)
        return QFileInfo::exists(named);
    return d->lister && d->lister().contains(port);
}
