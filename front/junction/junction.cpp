#include "junction.h"
#include "junctionlog.h"
#include "junctionplatform.h"

#include <devicebase/imagefile.h>
#include <devicebase/qurlinfo.h>
#include <devicebase/reentry.h>

#include <lensfeed/lensfeed.h>
#include <serialports/camerawatch.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <memory>

Q_LOGGING_CATEGORY(lcJunction, "junction.device")

namespace {

constexpr int DiskPollMs = 1000;
const char CameraPortVariable[] = "KM420_CAMERA_PORT";

enum class PictureKind { None, Png, Jpeg, Bmp };

PictureKind kindBySuffix(const QString& suffix)
{
    const QString s = suffix.toLower();
    if (s == QLatin1String("png"))
        return PictureKind::Png;
    if (s == QLatin1String("jpg") || s == QLatin1String("jpeg"))
        return PictureKind::Jpeg;
    if (s == QLatin1String("bmp"))
        return PictureKind::Bmp;
    return PictureKind::None;
}

PictureKind kindByContent(const QByteArray& data)
{
    if (data.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)))
        return PictureKind::Png;
    if (data.startsWith(QByteArray("\xff\xd8\xff", 3)))
        return PictureKind::Jpeg;
    // "BM" alone is common text; a BMP header is 14 bytes followed by a DIB header.
    if (data.size() >= 26 && data.startsWith("BM"))
        return PictureKind::Bmp;
    return PictureKind::None;
}

bool isBelow(const QString& path, const QString& root)
{
    if (root.isEmpty())
        return false;
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return path.size() > prefix.size() && path.startsWith(prefix, JunctionPlatform::pathCaseSensitivity());
}

} // namespace

class Junction::Private {
public:
    explicit Private(Junction* owner) : q(owner) {}

    bool markOpened(DeviceManager::Mode mode);
    void markClosed(DeviceManager::Mode mode);
    bool isOpen(DeviceManager::Mode mode) const { return (openModes & mode) != 0; }

    bool openVideo();
    void closeVideo();
    bool openFile();
    void closeFile();

    QStringList listDisks() const { return lister ? lister() : QStringList(); }
    void pollDisks();
    bool readPicture(const QString& name, const QStringList& disks, ImageFile* file, ImageFile::Refusal* why) const;

    void cameraAppeared();
    void cameraGone();

    Junction* q;
    int openModes = 0; // Mode bits, driven by the devices' own notifications
    // The camera is looked for while video is closed, from the first connection attempt on. A
    // camera the user closed stays closed until it goes and comes back, or a connection is asked
    // for; one that failed is opened again when it comes back.
    bool watching = false;
    bool userClosedVideo = false;
    Reentry::Section closingVideo; // the user's close is under way
    bool videoAwaited = false;     // closed by the device, to be opened again when it comes back
    Reentry::Section openingVideo;
    QString videoPort; // the camera's port when it was last open
    std::unique_ptr<CameraWatch> cameraWatch;
    DiskLister lister = &Junction::systemRemovableDisks;
    QStringList disks; // as last listed
    std::unique_ptr<QTimer> diskTimer;
    std::unique_ptr<LensFeed> feed;
};

bool Junction::Private::markOpened(DeviceManager::Mode mode)
{
    if (isOpen(mode))
        return false;
    const bool first = openModes == 0;
    openModes |= mode;
    qCDebug(lcJunction) << "mode" << int(mode) << "opened";
    if (first) {
        q->Endpoint::opened();
        q->Endpoint::open();
    }
    emit q->opened(mode);
    return true;
}

void Junction::Private::markClosed(DeviceManager::Mode mode)
{
    if (!isOpen(mode))
        return;
    openModes &= ~int(mode);
    qCDebug(lcJunction) << "mode" << int(mode) << "closed";
    emit q->closed(mode);
    if (openModes == 0) {
        q->Endpoint::closed();
        q->Endpoint::close();
    }
}

bool Junction::Private::openVideo()
{
    if (isOpen(DeviceManager::UsbVideo))
        return true;
    // Still inside its close: open() would answer true without opening anything.
    if (feed->actived())
        return false;
    const QString named = qEnvironmentVariable(CameraPortVariable).trimmed();
    if (!named.isEmpty()) {
        if (feed->open(named))
            return true;
        qCInfo(lcJunction) << "camera port" << named << "from" << CameraPortVariable << "did not open";
    }
    if (feed->open())
        return true;
    qCDebug(lcJunction) << "no camera port opened";
    return false;
}

void Junction::Private::cameraAppeared()
{
    if (!watching || userClosedVideo || openingVideo.busy() || isOpen(DeviceManager::UsbVideo) || feed->actived())
        return;
    // Choosing among several cameras runs a dialog, in which the watch goes on looking.
    const Reentry::Guard guard(q);
    Reentry::Scope opening(q, openingVideo);
    const bool ok = openVideo();
    if (!guard.alive())
        return;
    opening.leave();
    if (ok && isOpen(DeviceManager::UsbVideo))
        emit q->cameraFound(feed->portName());
}

void Junction::Private::cameraGone()
{
    // Unplugged: the next time it comes it is opened again.
    if (!isOpen(DeviceManager::UsbVideo))
        userClosedVideo = false;
}

void Junction::Private::closeVideo()
{
    if (!isOpen(DeviceManager::UsbVideo))
        return;
    if (!feed->actived()) {
        // Asked from inside the opened notice, before the camera object counts itself open:
        // its close() would do nothing now.
        QMetaObject::invokeMethod(
            q, [this] { closeVideo(); }, Qt::QueuedConnection);
        return;
    }
    feed->close(); // its closed notice clears the mode
}

bool Junction::Private::openFile()
{
    pollDisks();
    if (isOpen(DeviceManager::UsbFile))
        return true;
    if (disks.isEmpty())
        return false;
    markOpened(DeviceManager::UsbFile);
    // A pane made for the new mode needs the list it has not seen yet.
    if (isOpen(DeviceManager::UsbFile))
        emit q->disksFresh(disks);
    return isOpen(DeviceManager::UsbFile);
}

void Junction::Private::closeFile()
{
    markClosed(DeviceManager::UsbFile);
}

void Junction::Private::pollDisks()
{
    const QStringList now = listDisks();
    if (now == disks)
        return;
    const QStringList before = disks;
    disks = now; // before any signal, so a nested poll sees no change
    qCDebug(lcJunction) << "removable disks:" << now;

    bool added = false;
    for (const QString& disk : now)
        added = added || !before.contains(disk);
    // A new disk opens the mode; one the user closed stays closed until another disk appears.
    if (added && !isOpen(DeviceManager::UsbFile))
        markOpened(DeviceManager::UsbFile);
    emit q->disksFresh(now);
    if (now.isEmpty())
        markClosed(DeviceManager::UsbFile);
}

bool Junction::Private::readPicture(const QString& name, const QStringList& disks, ImageFile* file,
                                    ImageFile::Refusal* why) const
{
    const QFileInfo info(name);
    if (name.isEmpty() || !info.isAbsolute()) {
        qCInfo(lcJunction) << "refused file with no full path:" << name;
        *why = ImageFile::Refusal::OffDisk;
        return false;
    }
    if (!info.exists()) {
        qCInfo(lcJunction) << "refused file that is gone:" << name;
        *why = ImageFile::Refusal::Gone;
        return false;
    }
    // Links and ".." are resolved first so that a name cannot reach outside the disk.
    const QString canonical = info.canonicalFilePath();
    bool onDisk = false;
    for (const QString& disk : disks)
        onDisk = onDisk || isBelow(canonical, QFileInfo(disk).canonicalFilePath());
    if (canonical.isEmpty() || !onDisk) {
        qCInfo(lcJunction) << "refused file that is not on a removable disk:" << name;
        *why = ImageFile::Refusal::OffDisk;
        return false;
    }
    if (!info.isFile()) {
        qCInfo(lcJunction) << "refused something that is not a file:" << name;
        *why = ImageFile::Refusal::NotPicture;
        return false;
    }
    const PictureKind kind = kindBySuffix(info.suffix());
    if (info.size() > MaxPictureSize) {
        qCInfo(lcJunction) << "refused file that is too large:" << name << info.size();
        *why = ImageFile::Refusal::TooLarge;
        return false;
    }
    if (kind == PictureKind::None || info.size() <= 0) {
        qCInfo(lcJunction) << "refused file that is no picture:" << name << info.size();
        *why = ImageFile::Refusal::NotPicture;
        return false;
    }
    QFile in(canonical);
    if (!in.open(QIODevice::ReadOnly)) {
        qCInfo(lcJunction) << "cannot read" << name << in.errorString();
        *why = in.exists() ? ImageFile::Refusal::NotPicture : ImageFile::Refusal::Gone;
        return false;
    }
    // The file may have grown since it was listed.
    QByteArray data = in.read(MaxPictureSize + 1);
    if (data.size() > MaxPictureSize) {
        qCInfo(lcJunction) << "refused file that grew too large:" << name;
        *why = ImageFile::Refusal::TooLarge;
        return false;
    }
    if (kindByContent(data) != kind) {
        qCInfo(lcJunction) << "refused file whose content is no" << info.suffix() << "picture:" << name;
        *why = ImageFile::Refusal::NotPicture;
        return false;
    }
    file->path = QDir::cleanPath(info.absoluteFilePath());
    file->name = info.fileName();
    file->modified = info.lastModified();
    file->data = std::move(data);
    return true;
}

Junction::Junction(QObject* parent) : Endpoint(parent), d(new Private(this))
{
    d->feed = std::make_unique<LensFeed>();
    LensFeed* feed = d->feed.get();
    // The camera object reports opened before it counts itself open (actived()), and it closes
    // itself after repeated failures: its notices, not its state, say whether mode 8 is open.
    connect(feed, &Endpoint::deviceOpened, this, [this] {
        d->videoAwaited = false;
        d->videoPort = d->feed->portName();
        d->markOpened(DeviceManager::UsbVideo);
    });
    connect(feed, &Endpoint::deviceClosed, this, [this] {
        d->videoAwaited = d->watching && !d->closingVideo.busy() && !d->userClosedVideo;
        d->markClosed(DeviceManager::UsbVideo);
    });
    // Direct relays keep the camera's order: extended information first, then the picture.
    connect(feed, &LensFeed::updateExtendParam, this, &Junction::updateExtendParam);
    connect(feed, &LensFeed::imageRead, this,
            [this](const QPixmap& pixmap) { emit imageReadVideo(pixmap, DeviceManager::UsbVideo); });

    d->cameraWatch = std::make_unique<CameraWatch>(
        [feed] {
            QStringList ports;
            feed->enumerate(ports);
            return ports;
        },
        [] { return qEnvironmentVariable(CameraPortVariable).trimmed(); });
    connect(d->cameraWatch.get(), &CameraWatch::appeared, this, [this] { d->cameraAppeared(); });
    connect(d->cameraWatch.get(), &CameraWatch::gone, this, [this] { d->cameraGone(); });

    d->diskTimer = std::make_unique<QTimer>();
    d->diskTimer->setInterval(DiskPollMs);
    connect(d->diskTimer.get(), &QTimer::timeout, this, [this] { d->pollDisks(); });
    d->diskTimer->start();
}

Junction::~Junction()
{
    // Closing quietly: whoever listened may be half destroyed already.
    blockSignals(true);
    d->diskTimer->stop();
    disconnect(d->feed.get(), nullptr, this, nullptr);
    d->feed->close();
    delete d;
}

bool Junction::tryOpen(int kinds)
{
    bool any = false;
    if (kinds & TryVideo) {
        // Asked for: a camera the user closed may open again, now or when it comes.
        d->userClosedVideo = false;
        d->watching = true;
        d->cameraWatch->start();
        any = open(DeviceManager::UsbVideo) || any;
    }
    if (kinds & TryFile)
        any = open(DeviceManager::UsbFile) || any;
    return any;
}

bool Junction::open(DeviceManager::Mode mode)
{
    switch (mode) {
    case DeviceManager::UsbVideo:
        return d->openVideo();
    case DeviceManager::UsbFile:
        return d->openFile();
    case DeviceManager::WifiFile:
    case DeviceManager::WifiVideo:
        qCDebug(lcJunction) << "no Wi-Fi device known; mode" << int(mode) << "stays closed";
        return false;
    }
    qCWarning(lcJunction) << "open of unknown mode" << int(mode);
    return false;
}

void Junction::close(DeviceManager::Mode mode)
{
    switch (mode) {
    case DeviceManager::UsbVideo:
        if (d->isOpen(mode) || d->videoAwaited)
            d->userClosedVideo = true;
        if (d->videoAwaited) {
            // Nothing is open, but the window kept for the camera's return is to go.
            d->videoAwaited = false;
            emit closed(mode);
            break;
        }
        {
            const Reentry::Scope closing(this, d->closingVideo);
            d->closeVideo();
        }
        break;
    case DeviceManager::UsbFile:
        d->closeFile();
        break;
    case DeviceManager::WifiFile:
    case DeviceManager::WifiVideo:
        break;
    }
}

bool Junction::modeIsAwaited(DeviceManager::Mode mode) const
{
    return mode == DeviceManager::UsbVideo && d->videoAwaited;
}

QString Junction::cameraPort() const
{
    return d->videoPort;
}

bool Junction::cameraPortPresent() const
{
    return d->cameraWatch->isThere(d->videoPort);
}

void Junction::refreshDevices()
{
    d->cameraWatch->check();
    d->pollDisks();
}

bool Junction::modeIsActived(DeviceManager::Mode mode) const
{
    return d->isOpen(mode);
}

void Junction::pullImage(const QObject* info, DeviceManager::Mode mode, char* param)
{
    Q_UNUSED(info)
    if (mode != DeviceManager::UsbVideo || !param || !d->isOpen(mode))
        return;
    d->feed->pullImage(mode, param);
}

void Junction::setFiles(QList<QUrlInfo*> files, DeviceManager::Mode mode)
{
    if (mode != DeviceManager::UsbFile) {
        qCDebug(lcJunction) << "no files to read in mode" << int(mode);
        return;
    }
    // Asked afresh: a disk pulled since the last poll must not be read from.
    const QStringList disks = d->listDisks();
    for (const QUrlInfo* info : files) {
        if (!info || info->isDir())
            continue;
        ImageFile file;
        ImageFile::Refusal why{};
        if (d->readPicture(info->name(), disks, &file, &why))
            emit imageReadFile(&file, mode);
        else
            emit fileRefused(info->name(), why, mode);
    }
}

ushort* Junction::getVideoPlat() const
{
    return d->feed->getVideoPlat();
}

bool Junction::open()
{
    return tryOpen(TryVideo | TryFile);
}

void Junction::close()
{
    close(DeviceManager::UsbVideo);
    d->closeFile();
}

void Junction::setDiskLister(DiskLister lister)
{
    d->lister = lister ? std::move(lister) : DiskLister(&Junction::systemRemovableDisks);
}

void Junction::refreshDisks()
{
    d->pollDisks();
}

QStringList Junction::currentDisks() const
{
    return d->disks;
}

QStringList Junction::systemRemovableDisks()
{
    return JunctionPlatform::removableDisks();
}
