#include "lensfeed.h"
#include "lensfeed_p.h"

#include "feedprobe.h"
#include "lensfeedlog.h"
#include "serialstreamcut.h"
#include <frames/framedecoder.h>
#include <frames/palettes.h>

#include <commander/command.h>
#include <commander/commander.h>
#include <serialports/portlisting.h>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QPixmapCache>
#include <QSerialPort>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr int HandOverWaits = 300; // of 10 ms each: as long as a reply may take to begin

} // namespace

LensFeed::LensFeed(QObject* parent) : StreamSource(parent), d(std::make_unique<Private>())
{
    d->commander.reset(new Commander);
    connect(d->commander.get(), &Commander::nextCommand, this, &LensFeed::slotCommandPoolThreadNextCommand);

    d->serialPort.reset(new QSerialPort);
    connect(d->serialPort.get(), &QSerialPort::readyRead, this, &LensFeed::collectPortBytes);
    // On unplug or hang-up the port reports these, on some systems in a tight loop, until it is
    // closed; waiting out the failure limit would spin for seconds. The close runs right after the
    // port's own handler has returned: closing inside it, or a modal box there, would pull the port
    // out from under code that still uses it.
    connect(d->serialPort.get(), &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) || !actived() ||
            d->failedSession == d->sessions.current())
            return;
        qCWarning(lcStream) << "port" << d->portName << "failed:" << d->serialPort->errorString();
        d->failedSession = d->sessions.current();
        QMetaObject::invokeMethod(
            this,
            [this, failed = d->sessions.current()] {
                if (d->sessions.current() == failed && actived())
                    closeOnFailure();
            },
            Qt::QueuedConnection);
    });

    d->streamCut.reset(new SerialStreamCut);
    connect(d->streamCut.get(), &SerialStreamCut::timeout, this, &LensFeed::completeFrame);
}

LensFeed::~LensFeed()
{
    close();
    FeedProbe::forget(this);
    // The helpers are released before QObject drops these connections.
    d->streamCut->disconnect(this);
    d->serialPort->disconnect(this);
    d->commander->disconnect(this);
}

int LensFeed::enumerate(QStringList& list)
{
    const FeedProbe::PortLister& lister = FeedProbe::portLister();
    // In the system's order: the chooser offers the cameras as the system lists them.
    return PortListing::appendMatching(lister ? lister() : PortListing::system(), VendorId, ProductId, list);
}

bool LensFeed::open(const QString& name)
{
    if (actived())
        return true;
    if (d->serialPort->isOpen())
        d->serialPort->close();
    d->serialPort->setPortName(name);
    d->serialPort->setBaudRate(QSerialPort::Baud115200);
    d->serialPort->setDataBits(QSerialPort::Data8);
    d->serialPort->setParity(QSerialPort::NoParity);
    d->serialPort->setStopBits(QSerialPort::OneStop);
    d->serialPort->setFlowControl(QSerialPort::NoFlowControl);
    if (!d->serialPort->open(QIODevice::ReadWrite)) {
        qCDebug(lcStream) << "cannot open" << name << d->serialPort->errorString();
        return false;
    }
    d->portName = name;
    d->sessions.next();
    d->commander->start(10);
    cmdResetFrame();
    cmdGetVideoFrame();
    opened();
    return Endpoint::open();
}

bool LensFeed::open()
{
    if (actived())
        return true;
    QStringList ports;
    if (enumerate(ports) == 0)
        return false;
    QString name = ports.first();
    if (ports.size() > 1) {
        const Reentry::Guard guard(this);
        bool accepted = false;
        name = QInputDialog::getItem(nullptr, tr("Choose Camera"), tr("Cameras:"), ports, 0, false, &accepted);
        if (!guard.alive() || !accepted || name.isEmpty())
            return false;
    }
    if (!open(name))
        return false;
    d->completion.reset();
    FeedProbe::noteFailures(this, 0);
    return true;
}

void LensFeed::close()
{
    if (!actived() || d->closing.busy())
        return;
    Reentry::Scope scope(this, d->closing);
    d->streamCut->stop();
    d->serialPort->close();
    d->commander->stop();
    d->portName.clear();
    d->sessions.next();
    const Reentry::Guard guard(this);
    closed();
    if (!guard.alive())
        return;
    Endpoint::close();
}

QString LensFeed::portName() const
{
    return d->portName;
}

void LensFeed::pullImage(DeviceManager::Mode mode, char* param)
{
    Q_UNUSED(mode)
    if (!actived() || !param)
        return;
    d->commandRecord.copyParameters(param);
    d->commander->appendCommand(getCmdContent(CommandRecordBuilder::SetParameters, true, 1000), false);
}

ushort* LensFeed::getVideoPlat() const
{
    return d->videoPlat;
}

void LensFeed::setVideoPlat(ushort* plat)
{
    d->videoPlat = plat;
}

void LensFeed::readyRead(char* data, int l)
{
    if (!data || l <= 0)
        return;
    std::memcpy(d->frameBuffer.bytes, data, size_t(std::min(l, Km420Frame::Size)));
}

void LensFeed::slotCommandPoolThreadNextCommand(Command* command)
{
    if (!command)
        return;
    const Reentry::Guard guard(this, &d->sessions);
    if (d->completion.givenUp()) {
        closeOnFailure();
        if (!guard.alive())
            return;
    }
    for (int i = 0; i < HandOverWaits && d->streamCut->state() != SerialStreamCut::Idle; ++i) {
        waitMs(SerialStreamCut::TickMs);
        if (!guard.alive())
            return;
    }
    // Closed (or closed and reopened) under the warning or the waits: this command belongs to a
    // finished session. Arming the cutter now would count a failure 3 s later against the closed
    // device, or against the next session.
    if (!guard.sameSession())
        return;
    if (d->streamCut->state() != SerialStreamCut::Idle) {
        qCDebug(lcStream) << "reply still incomplete at the next command, given up";
        d->commander->respond(false);
    }
    if (d->serialPort->isOpen())
        d->serialPort->write(d->commandRecord.refreshed(command->content));
    d->streamCut->arm();
}

void LensFeed::collectPortBytes()
{
    if (d->serialPort->bytesAvailable() == 0)
        return;
    d->streamCut->collect(d->serialPort->readAll());
}

void LensFeed::completeFrame()
{
    const Reentry::Guard guard(this, &d->sessions);
    const FrameCompletion::Outcome outcome =
        d->completion.complete(d->streamCut->state(), d->streamCut->buffer(), &d->frameBuffer);
    FeedProbe::noteFailures(this, d->completion.failures());
    switch (outcome) {
    case FrameCompletion::Frame:
        decodeVideFrame(&d->frameBuffer);
        if (!guard.alive())
            return;
        break;
    case FrameCompletion::NoReply:
    case FrameCompletion::WrongSize:
    case FrameCompletion::BadMarkers:
        qCDebug(lcStream) << (outcome == FrameCompletion::NoReply     ? "no reply"
                              : outcome == FrameCompletion::WrongSize ? "reply of wrong size"
                                                                      : "reply with bad markers")
                          << d->streamCut->buffer().size();
        cmdResetFrame();
        break;
    case FrameCompletion::Nothing:
        break;
    }
    // A receiver of the picture may have closed the device, or closed and reopened it, in which case
    // the cutter and the Commander now serve the new session.
    if (!guard.sameSession())
        return;
    d->streamCut->stop();
    d->commander->respond(outcome == FrameCompletion::Frame);
}

void LensFeed::closeOnFailure()
{
    const Reentry::Guard guard(this);
    d->completion.reset();
    FeedProbe::noteFailures(this, 0);
    close();
    if (!guard.alive() || d->warningBox.busy())
        return;
    const Reentry::Scope shown(this, d->warningBox);
    QMessageBox::warning(nullptr, QString(), tr("Data stream was failed,the application will be close."),
                         QMessageBox::Ok);
}

void LensFeed::cmdGetVideoFrame()
{
    d->commander->appendCommand(getCmdContent(CommandRecordBuilder::GetVideoFrame, true, -1), true);
}

void LensFeed::cmdResetFrame()
{
    Command* command = getCmdContent(CommandRecordBuilder::ResetFrame, true, -1);
    if (!d->commander->appendCommand(command, false, true))
        delete command;
}

void LensFeed::cmdSetParam(double first, double second, double third)
{
    d->commandRecord.setParameters(first, second, third);
    d->commander->appendCommand(getCmdContent(CommandRecordBuilder::SetParameters, true, 1000), false);
}

Command* LensFeed::getCmdContent(uchar code, bool flag, int param)
{
    return new Command(d->commandRecord.build(code), flag, param, QVariant(0));
}

void LensFeed::decodeVideFrame(Video_ExtInf* frame)
{
    d->videoPlat = Palettes::table(FrameDecoder::paletteNumber(*frame));
    std::array<ushort, FrameDecoder::PixelCount> pixels;
    FrameDecoder::decodePixels(*frame, d->videoPlat, pixels.data());
    QPixmapCache::clear();
    const QImage image(reinterpret_cast<const uchar*>(pixels.data()), Km420Frame::Width, Km420Frame::Height,
                       Km420Frame::Width * int(sizeof(ushort)), QImage::Format_RGB16);
    d->pixmap = QPixmap::fromImage(image);

    const Reentry::Guard guard(this);
    emit updateExtendParam(frame->bytes);
    if (!guard.alive())
        return;
    emit imageRead(d->pixmap);
}

double LensFeed::Get_Y(double x, double y1, double y2, double x1, double x2)
{
    return (y1 * x2 - y2 * x1) / (x2 - x1) + x * (y2 - y1) / (x2 - x1);
}

void LensFeed::waitMs(int ms)
{
    // A monotonic deadline: a wall-clock one ends early when the time of day jumps.
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(int(std::min<qint64>(deadline.remainingTime(), 100)), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}
