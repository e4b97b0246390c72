#include "camerafinder.h"

#include <lensfeed/lensfeed.h>
#include <serialports/camerawatch.h>
#include <serialports/portlisting.h>

#include <QFileInfo>
#include <QTimer>

namespace {

// A path (/dev/ttyACM0, a link) is looked for as a file; a bare name (ttyACM0, COM5) in the port list.
bool isPath(const QString& port)
{
    return port.contains(QLatin1Char('/'));
}

QStringList cameraPorts()
{
    QStringList ports;
    PortListing::appendMatching(PortListing::system(), LensFeed::VendorId, LensFeed::ProductId, ports);
    return ports;
}

} // namespace

CameraFinder::CameraFinder(const QString& namedPort, QObject* parent) : QObject(parent), m_named(namedPort) {}

CameraFinder::~CameraFinder() = default;

QStringList CameraFinder::present() const
{
    if (m_named.isEmpty())
        return cameraPorts();
    if (isPath(m_named))
        return QFileInfo::exists(m_named) ? QStringList{m_named} : QStringList();
    for (const PortEntry& port : PortListing::system()) {
        if (port.name == m_named)
            return {m_named};
    }
    return {};
}

void CameraFinder::waitForCamera()
{
    if (!m_watch) {
        const QString named = m_named;
        m_watch = std::make_unique<CameraWatch>(
            [named] {
                if (named.isEmpty())
                    return cameraPorts();
                if (isPath(named))
                    return QStringList();
                for (const PortEntry& port : PortListing::system()) {
                    if (port.name == named)
                        return QStringList{named};
                }
                return QStringList();
            },
            [named] { return isPath(named) ? named : QString(); });
        connect(m_watch.get(), &CameraWatch::appeared, this, &CameraFinder::offer);
    }
    m_waiting = true;
    m_watch->start();
    // Plugged in before the watch's first look, which only learns what is there.
    QTimer::singleShot(0, this, &CameraFinder::offer);
}

void CameraFinder::stopWaiting()
{
    m_waiting = false;
    if (m_watch)
        m_watch->stop();
}

void CameraFinder::offer()
{
    if (!m_waiting)
        return;
    const QStringList ports = present();
    if (ports.isEmpty())
        return;
    stopWaiting();
    emit found(ports);
}
