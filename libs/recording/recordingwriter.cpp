#include "recordingwriter.h"

#include "filesync.h"
#include <devicebase/extinfolayout.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStorageInfo>

#include <cstring>

using namespace RecordingFormat;

namespace {

// How often the free space is looked at: often enough that 100 MB cannot run out between two looks
// at any frame rate a serial line carries (about 1.5 MB/s at most).
constexpr qint64 SpaceCheckIntervalUs = 1000000;

void writeUInt16(char* p, quint16 v)
{
    Km420Frame::writeInt16(p, 0, static_cast<qint16>(v));
}

void writeInt64(char* p, qint64 v)
{
    const auto u = static_cast<quint64>(v);
    Km420Frame::writeUInt32(p, 0, quint32(u & 0xFFFFFFFFu));
    Km420Frame::writeUInt32(p, 4, quint32(u >> 32));
}

QByteArray cameraBytes(const QString& camera)
{
    QByteArray bytes = camera.toUtf8();
    if (bytes.size() <= CameraNameMax)
        return bytes;
    int cut = CameraNameMax;
    while (cut > 0 && (static_cast<uchar>(bytes[cut]) & 0xC0) == 0x80)
        --cut; // never split a character
    return bytes.left(cut);
}

} // namespace

class RecordingWriter::Private {
public:
    QFile file;
    Status status = Closed;
    QString error;
    qint64 reserve = DefaultReserveBytes;
    qint64 frames = 0;
    qint64 bytes = 0;
    qint64 lastSpaceCheckUs = 0;
    QElapsedTimer clock;
    QByteArray entry;

    bool enoughSpace()
    {
        QStorageInfo storage(file.fileName());
        // A file system that cannot say how much is free is not stopped for it.
        return !storage.isValid() || storage.bytesAvailable() < 0 || storage.bytesAvailable() >= reserve;
    }

    void stop(Status why, const QString& message)
    {
        status = why;
        error = message;
        syncToDisk(file);
        file.close();
    }
};

RecordingWriter::RecordingWriter() : d(std::make_unique<Private>())
{
    d->entry.resize(EntrySize);
}

RecordingWriter::~RecordingWriter()
{
    close();
}

void RecordingWriter::setReserve(qint64 bytes)
{
    d->reserve = bytes;
}

qint64 RecordingWriter::reserve() const
{
    return d->reserve;
}

bool RecordingWriter::open(const QString& path, const QString& camera, const QDateTime& startUtc)
{
    close();
    d->frames = 0;
    d->bytes = 0;
    d->error.clear();
    d->file.setFileName(path);
    // Unbuffered: every entry goes to the system in one write, so a crash of the program never
    // leaves a frame half in its own buffer.
    if (!d->file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        d->status = OpenFailed;
        d->error = d->file.errorString();
        return false;
    }
    if (!d->enoughSpace()) {
        d->file.close();
        QFile::remove(path);
        d->status = DiskLow;
        d->error = QCoreApplication::translate("RecordingWriter", "Less than %1 MB is free on the disk.")
                       .arg(d->reserve / (1024 * 1024));
        return false;
    }

    char header[HeaderSize] = {};
    std::memcpy(header, Magic, sizeof Magic);
    writeUInt16(header + HeaderVersionOffset, Version);
    writeUInt16(header + HeaderSizeOffset, HeaderSize);
    Km420Frame::writeUInt32(header, HeaderEntrySizeOffset, EntrySize);
    Km420Frame::writeUInt32(header, HeaderFrameSizeOffset, Km420Frame::Size);
    writeInt64(header + HeaderStartOffset, startUtc.toUTC().toMSecsSinceEpoch() * 1000);
    const QByteArray name = cameraBytes(camera);
    writeUInt16(header + HeaderCameraLengthOffset, quint16(name.size()));
    std::memcpy(header + HeaderCameraOffset, name.constData(), size_t(name.size()));
    Km420Frame::writeUInt32(header, HeaderCheckOffset, ExtInfoLayout::crc32(header, HeaderCheckOffset));
    if (d->file.write(header, HeaderSize) != HeaderSize) {
        d->error = d->file.errorString();
        d->file.close();
        QFile::remove(path);
        d->status = OpenFailed;
        return false;
    }
    d->bytes = HeaderSize;
    d->status = Recording;
    d->clock.start();
    d->lastSpaceCheckUs = -SpaceCheckIntervalUs; // the first frame looks again
    return true;
}

bool RecordingWriter::append(const char* record, const RecordedParameters& parameters, qint64 arrivalUs)
{
    if (d->status != Recording || !record)
        return false;
    const qint64 now = d->clock.nsecsElapsed() / 1000;
    if (now - d->lastSpaceCheckUs >= SpaceCheckIntervalUs) {
        d->lastSpaceCheckUs = now;
        if (!d->enoughSpace()) {
            d->stop(DiskLow, QCoreApplication::translate("RecordingWriter", "Less than %1 MB is free on the disk.")
                                 .arg(d->reserve / (1024 * 1024)));
            return false;
        }
    }

    char* e = d->entry.data();
    std::memset(e, 0, EntryHeadSize);
    std::memcpy(e, EntryMagic, sizeof EntryMagic);
    Km420Frame::writeUInt32(e, EntryIndexOffset, quint32(d->frames));
    writeInt64(e + EntryArrivalOffset, arrivalUs >= 0 ? arrivalUs : now);
    if (parameters.known) {
        Km420Frame::writeInt16(e, EntryAlarmHighOffset, parameters.alarmHighTenths);
        Km420Frame::writeInt16(e, EntryAlarmLowOffset, parameters.alarmLowTenths);
        e[EntryEmissivityOffset] = static_cast<char>(parameters.emissivityHundredths);
        e[EntryFlagsOffset] = static_cast<char>(FlagParametersKnown);
    }
    Km420Frame::writeUInt32(e, EntryFrameSizeOffset, Km420Frame::Size);
    std::memcpy(e + EntryHeadSize, record, Km420Frame::Size);
    quint32 check = ExtInfoLayout::crc32(e, EntryCheckOffset);
    check = ExtInfoLayout::crc32(e + EntryHeadSize, Km420Frame::Size, check);
    Km420Frame::writeUInt32(e, EntryCheckOffset, check);

    const qint64 written = d->file.write(e, EntrySize);
    if (written != EntrySize) {
        const QString why = d->file.errorString();
        // Drop a part-written entry so the file ends on a whole frame.
        if (written > 0)
            d->file.resize(d->bytes);
        d->stop(WriteFailed, why);
        return false;
    }
    d->bytes += EntrySize;
    ++d->frames;
    return true;
}

void RecordingWriter::close()
{
    if (d->status == Recording)
        d->stop(Closed, QString());
}

bool RecordingWriter::isRecording() const
{
    return d->status == Recording;
}

RecordingWriter::Status RecordingWriter::status() const
{
    return d->status;
}

QString RecordingWriter::errorString() const
{
    return d->error;
}

QString RecordingWriter::fileName() const
{
    return d->file.fileName();
}

qint64 RecordingWriter::framesWritten() const
{
    return d->frames;
}

qint64 RecordingWriter::bytesWritten() const
{
    return d->bytes;
}

qint64 RecordingWriter::elapsedUs() const
{
    return d->clock.isValid() ? d->clock.nsecsElapsed() / 1000 : 0;
}
