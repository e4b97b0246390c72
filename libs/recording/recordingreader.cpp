#include "recordingreader.h"

#include <devicebase/extinfolayout.h>

#include <QCoreApplication>
#include <QFile>
#include <QVector>

#include <algorithm>
#include <cstring>

using namespace RecordingFormat;

namespace {

qint64 readInt64(const char* p)
{
    return static_cast<qint64>(quint64(Km420Frame::readUInt32(p, 0)) | (quint64(Km420Frame::readUInt32(p, 4)) << 32));
}

quint16 readUInt16(const char* p)
{
    return static_cast<quint16>(Km420Frame::readInt16(p, 0));
}

// True when the entry's magic, size and check value hold.
bool entrySound(const char* e)
{
    if (std::memcmp(e, EntryMagic, sizeof EntryMagic) != 0 ||
        Km420Frame::readUInt32(e, EntryFrameSizeOffset) != quint32(Km420Frame::Size))
        return false;
    quint32 check = ExtInfoLayout::crc32(e, EntryCheckOffset);
    check = ExtInfoLayout::crc32(e + EntryHeadSize, Km420Frame::Size, check);
    return Km420Frame::readUInt32(e, EntryCheckOffset) == check;
}

QString tr(const char* text)
{
    return QCoreApplication::translate("RecordingReader", text);
}

} // namespace

class RecordingReader::Private {
public:
    mutable QFile file;
    QString error;
    RecordingHeader header;
    QVector<qint64> offsets;  // of the sound entries
    QVector<qint64> arrivals; // their arrival times
    int damaged = 0;
    qint64 trailing = 0;
    mutable QByteArray entry;

    bool fail(const QString& why)
    {
        error = why;
        file.close();
        offsets.clear();
        arrivals.clear();
        return false;
    }
};

RecordingReader::RecordingReader() : d(std::make_unique<Private>())
{
    d->entry.resize(EntrySize);
}

RecordingReader::~RecordingReader() = default;

bool RecordingReader::open(const QString& path)
{
    close();
    d->file.setFileName(path);
    if (!d->file.open(QIODevice::ReadOnly))
        return d->fail(d->file.errorString());

    char header[HeaderSize];
    if (d->file.read(header, HeaderSize) != HeaderSize || std::memcmp(header, Magic, sizeof Magic) != 0)
        return d->fail(tr("This is not a KM420 recording."));
    if (Km420Frame::readUInt32(header, HeaderCheckOffset) != ExtInfoLayout::crc32(header, HeaderCheckOffset))
        return d->fail(tr("The recording's header is damaged."));
    const quint16 version = readUInt16(header + HeaderVersionOffset);
    if (version != Version || readUInt16(header + HeaderSizeOffset) != HeaderSize ||
        Km420Frame::readUInt32(header, HeaderEntrySizeOffset) != quint32(EntrySize) ||
        Km420Frame::readUInt32(header, HeaderFrameSizeOffset) != quint32(Km420Frame::Size))
        return d->fail(tr("The recording has a format version this program does not read (%1).").arg(version));

    d->header.version = version;
    d->header.startUtc = QDateTime::fromMSecsSinceEpoch(readInt64(header + HeaderStartOffset) / 1000, Qt::UTC);
    const int nameLength = std::min<int>(readUInt16(header + HeaderCameraLengthOffset), CameraNameMax);
    d->header.camera = QString::fromUtf8(header + HeaderCameraOffset, nameLength);

    const qint64 body = d->file.size() - HeaderSize;
    const qint64 entries = body / EntrySize;
    d->trailing = body % EntrySize;
    d->offsets.reserve(int(std::min<qint64>(entries, 1 << 24)));
    char* e = d->entry.data();
    for (qint64 k = 0; k < entries; ++k) {
        if (d->file.read(e, EntrySize) != EntrySize)
            return d->fail(d->file.errorString());
        if (!entrySound(e)) {
            ++d->damaged;
            continue;
        }
        d->offsets.append(HeaderSize + k * EntrySize);
        d->arrivals.append(readInt64(e + EntryArrivalOffset));
    }
    return true;
}

void RecordingReader::close()
{
    d->file.close();
    d->error.clear();
    d->header = RecordingHeader();
    d->offsets.clear();
    d->arrivals.clear();
    d->damaged = 0;
    d->trailing = 0;
}

bool RecordingReader::isOpen() const
{
    return d->file.isOpen();
}

QString RecordingReader::errorString() const
{
    return d->error;
}

QString RecordingReader::fileName() const
{
    return d->file.fileName();
}

RecordingHeader RecordingReader::header() const
{
    return d->header;
}

int RecordingReader::frames() const
{
    return d->offsets.size();
}

int RecordingReader::damaged() const
{
    return d->damaged;
}

qint64 RecordingReader::trailingBytes() const
{
    return d->trailing;
}

qint64 RecordingReader::durationUs() const
{
    return d->arrivals.isEmpty() ? 0 : d->arrivals.last();
}

bool RecordingReader::frame(int i, RecordedFrame* out) const
{
    if (!out || i < 0 || i >= d->offsets.size() || !d->file.seek(d->offsets[i]))
        return false;
    char* e = d->entry.data();
    if (d->file.read(e, EntrySize) != EntrySize || !entrySound(e))
        return false;
    out->index = int(Km420Frame::readUInt32(e, EntryIndexOffset));
    out->arrivalUs = readInt64(e + EntryArrivalOffset);
    out->parameters = RecordedParameters();
    if (static_cast<quint8>(e[EntryFlagsOffset]) & FlagParametersKnown) {
        out->parameters.known = true;
        out->parameters.alarmHighTenths = Km420Frame::readInt16(e, EntryAlarmHighOffset);
        out->parameters.alarmLowTenths = Km420Frame::readInt16(e, EntryAlarmLowOffset);
        out->parameters.emissivityHundredths = static_cast<quint8>(e[EntryEmissivityOffset]);
    }
    out->record = QByteArray(e + EntryHeadSize, Km420Frame::Size);
    return true;
}

int RecordingReader::frameAt(qint64 us) const
{
    const auto it = std::upper_bound(d->arrivals.cbegin(), d->arrivals.cend(), us);
    return it == d->arrivals.cbegin() ? 0 : int(it - d->arrivals.cbegin()) - 1;
}
