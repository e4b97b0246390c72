#include "recordingexport.h"

#include "frameimage.h"
#include "videowriter.h"

#include <devicebase/km420frame.h>
#include <frames/framecsv.h>
#include <frames/framedecoder.h>
#include <frames/framelevels.h>
#include <frames/videoextinf.h>
#include <frames/wholefile.h>
#include <layouts/layoutcatalog.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>
#include <memory>

namespace {

// Copies a stored record into the decoder's frame type; false when its size is not a frame's.
bool toFrame(const RecordedFrame& recorded, Video_ExtInf* frame)
{
    if (recorded.record.size() != int(sizeof frame->bytes))
        return false;
    std::memcpy(frame->bytes, recorded.record.constData(), sizeof frame->bytes);
    return true;
}

} // namespace

RecordingExport::RecordingExport(const ExportOptions& options) : m_options(options) {}

bool RecordingExport::fail(const QString& why)
{
    m_error = why;
    return false;
}

bool RecordingExport::run()
{
    m_written = 0;
    m_spanUs = 0;
    m_error.clear();
    if (!m_reader.open(m_options.input))
        return fail(QString("Cannot read %1: %2").arg(m_options.input, m_reader.errorString()));
    const int frames = m_reader.frames();
    if (frames == 0)
        return fail(QString("%1 holds no readable frames.").arg(m_options.input));
    if (m_options.to < 0)
        m_options.to = frames - 1;
    if (m_options.from >= frames || m_options.to >= frames)
        return fail(QString("The range %1 to %2 goes past the last frame of %3, which is %4.")
                        .arg(m_options.from + 1)
                        .arg(m_options.to + 1)
                        .arg(m_options.input)
                        .arg(frames));
    if (m_options.from > m_options.to)
        return fail(QString("The range %1 to %2 is empty.").arg(m_options.from + 1).arg(m_options.to + 1));
    switch (m_options.target) {
    case ExportOptions::Png:
        return exportPng();
    case ExportOptions::Video:
        return exportVideo();
    case ExportOptions::Csv:
        return exportCsv();
    case ExportOptions::Fields:
        break;
    }
    return exportFields();
}

bool RecordingExport::readProfile(std::optional<LayoutProfile>* chosen)
{
    if (m_options.profile.isEmpty())
        return true;
    QFile file(m_options.profile);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QString("Cannot read %1: %2").arg(m_options.profile, file.errorString()));
    QString why;
    *chosen = LayoutProfile::parse(file.readAll(), &why);
    if (!*chosen)
        return fail(QString("%1 is not a layout profile: %2").arg(m_options.profile, why));
    return true;
}

LayoutReading RecordingExport::reading(const std::optional<LayoutProfile>& chosen, const char* record,
                                       bool* picked) const
{
    *picked = false;
    if (chosen && !chosen->hasProof()) {
        // Named by the user for this recording: read, but nothing in the frame vouches for it.
        *picked = true;
        return LayoutCatalog::read(*chosen, record);
    }
    if (chosen)
        return chosen->proves(record) ? LayoutCatalog::read(*chosen, record) : LayoutReading();
    return LayoutCatalog::shared().read(record);
}

bool RecordingExport::exportCsv()
{
    std::optional<LayoutProfile> chosen;
    if (!readProfile(&chosen))
        return false;
    const QString dir = m_options.output;
    if (!QDir().mkpath(dir))
        return fail(QString("Cannot create the folder %1.").arg(dir));
    RecordedFrame recorded;
    qint64 firstUs = 0;
    using Field = LayoutProfile::Field;
    for (int i = m_options.from; i <= m_options.to; ++i) {
        if (!m_reader.frame(i, &recorded) || recorded.record.size() != Km420Frame::Size)
            return fail(QString("Frame %1 can no longer be read; did the file change?").arg(i));
        if (i == m_options.from)
            firstUs = recorded.arrivalUs;
        const char* record = recorded.record.constData();
        bool picked = false;
        const LayoutReading r = reading(chosen, record, &picked);
        FrameCsv::Header header;
        const qint64 ms = recorded.arrivalUs / 1000;
        header.time = QString::asprintf("%lld.%03lld s into the recording", ms / 1000, qAbs(ms % 1000));
        Video_ExtInf frame;
        std::memcpy(frame.bytes, record, sizeof frame.bytes);
        header.orientation = Orientation(m_options.rotation, m_options.mirrored);
        header.palette = m_options.palette >= 0 ? m_options.palette : FrameDecoder::paletteNumber(frame);
        if (r.state == LayoutReading::State::Proven && r.has(Field::ScaleLow) && r.has(Field::ScaleHigh))
            header.temperatures = LevelTemperatures{picked ? r.profile + QStringLiteral(" (unverified)") : r.profile,
                                                    r.value(Field::ScaleLow), r.value(Field::ScaleHigh)};
        QString name = pngName(i + 1, recorded.arrivalUs);
        name.replace(name.size() - 3, 3, QStringLiteral("csv"));
        const QString path = QDir(dir).filePath(name);
        QString why;
        if (!WholeFile::write(path, FrameCsv::text(FrameLevels::fromRecord(record), header), &why))
            return fail(QString("Cannot write %1: %2").arg(path, why));
        ++m_written;
        m_spanUs = recorded.arrivalUs - firstUs;
    }
    return true;
}

bool RecordingExport::exportFields()
{
    using Field = LayoutProfile::Field;
    std::optional<LayoutProfile> chosen;
    if (!readProfile(&chosen))
        return false;
    const Field columns[] = {Field::Max,      Field::Min,      Field::Centre,    Field::ScaleLow,  Field::ScaleHigh,
                             Field::Sequence, Field::AlarmLow, Field::AlarmHigh, Field::Emissivity};
    QByteArray text = "frame,time (s),layout,state";
    for (Field field : columns)
        text += ',' + LayoutProfile::fieldName(field).toUtf8() + (LayoutProfile::isTemperature(field) ? " (C)" : "");
    text += '\n';
    RecordedFrame recorded;
    for (int i = m_options.from; i <= m_options.to; ++i) {
        if (!m_reader.frame(i, &recorded) || recorded.record.size() != Km420Frame::Size)
            return fail(QString("Frame %1 can no longer be read; did the file change?").arg(i));
        const char* record = recorded.record.constData();
        bool picked = false;
        const LayoutReading r = reading(chosen, record, &picked);
        const char* state = picked ? "unverified" : "no layout";
        if (r.state == LayoutReading::State::OutOfRange)
            state = "out of range";
        else if (r.state == LayoutReading::State::Proven && std::strcmp(state, "unverified") != 0)
            state = "proven";
        else if (r.state == LayoutReading::State::NoLayout)
            state = "no layout";
        QString name = r.profile;
        if (name.contains(QLatin1Char(',')) || name.contains(QLatin1Char('"')))
            name = QLatin1Char('"') + name.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
        text += QString("%1,%2,%3,%4").arg(i + 1).arg(recorded.arrivalUs / 1e6, 0, 'f', 6).arg(name, state).toUtf8();
        for (Field field : columns) {
            text += ',';
            if (r.has(field))
                text += QByteArray::number(r.value(field), 'g', 10);
        }
        text += '\n';
        ++m_written;
    }
    if (m_options.output.isEmpty()) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(text) != text.size() || !out.flush())
            return fail(QString("Cannot write to standard output."));
        return true;
    }
    // Whole or not at all: a full disk leaves no half-written table.
    QSaveFile out(m_options.output);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit())
        return fail(QString("Cannot write %1: %2").arg(m_options.output, out.errorString()));
    return true;
}

bool RecordingExport::exportPng()
{
    const QString dir = m_options.output;
    if (!QDir().mkpath(dir))
        return fail(QString("Cannot create the folder %1.").arg(dir));
    if (!QFileInfo(dir).isWritable())
        return fail(QString("The folder %1 is not writable.").arg(dir));

    const FrameImage painter(m_options.palette, m_options.scale, false,
                             Orientation(m_options.rotation, m_options.mirrored));
    auto frame = std::make_unique<Video_ExtInf>();
    RecordedFrame recorded;
    qint64 firstUs = 0;
    for (int i = m_options.from; i <= m_options.to; ++i) {
        if (!m_reader.frame(i, &recorded) || !toFrame(recorded, frame.get()))
            return fail(QString("Frame %1 can no longer be read; did the file change?").arg(i));
        if (i == m_options.from)
            firstUs = recorded.arrivalUs;
        const QString path = QDir(dir).filePath(pngName(i + 1, recorded.arrivalUs));
        if (!painter.render(*frame).save(path, "PNG"))
            return fail(QString("Cannot write %1.").arg(path));
        ++m_written;
        m_spanUs = recorded.arrivalUs - firstUs;
    }
    return true;
}

bool RecordingExport::exportVideo()
{
    RecordedFrame first;
    RecordedFrame last;
    if (!m_reader.frame(m_options.from, &first) || !m_reader.frame(m_options.to, &last))
        return fail(QString("The frames of %1 can no longer be read; did the file change?").arg(m_options.input));
    const int count = m_options.to - m_options.from + 1;
    const qint64 spanUs = last.arrivalUs - first.arrivalUs;
    const double averageFps = count > 1 && spanUs > 0 ? (count - 1) * 1e6 / double(spanUs) : 0;

    const FrameImage painter(m_options.palette, m_options.scale, true,
                             Orientation(m_options.rotation, m_options.mirrored));
    VideoWriter writer;
    const bool written = [&] {
        if (!writer.open(m_options.output, painter.size(), averageFps))
            return false;
        m_encoder = writer.encoderName();
        auto frame = std::make_unique<Video_ExtInf>();
        RecordedFrame recorded;
        for (int i = m_options.from; i <= m_options.to; ++i) {
            if (!m_reader.frame(i, &recorded) || !toFrame(recorded, frame.get()))
                return fail(QString("Frame %1 can no longer be read; did the file change?").arg(i));
            if (!writer.write(painter.render(*frame), recorded.arrivalUs - first.arrivalUs))
                return false;
            m_spanUs = recorded.arrivalUs - first.arrivalUs;
        }
        return writer.finish();
    }();
    if (!written) {
        if (m_error.isEmpty())
            m_error = writer.errorString();
        // Without its trailer an MP4 file plays nowhere.
        QFile::remove(m_options.output);
        return false;
    }
    m_written = writer.framesWritten();
    return true;
}

QString RecordingExport::errorString() const
{
    return m_error;
}

QString RecordingExport::summary() const
{
    const QString span = QString::number(m_spanUs / 1e6, 'f', 3);
    if (m_options.target == ExportOptions::Csv)
        return QString("Frames written: %1 (%2 to %3, %4 s), as CSV files to %5.")
                   .arg(m_written)
                   .arg(m_options.from + 1)
                   .arg(m_options.to + 1)
                   .arg(span, m_options.output) +
               (m_reader.damaged() > 0 ? QString(" Damaged frames skipped: %1.").arg(m_reader.damaged()) : QString());
    if (m_options.target == ExportOptions::Fields)
        return QString("Frames read: %1 (%2 to %3), to %4.")
                   .arg(m_written)
                   .arg(m_options.from + 1)
                   .arg(m_options.to + 1)
                   .arg(m_options.output.isEmpty() ? QString("standard output") : m_options.output) +
               (m_reader.damaged() > 0 ? QString(" Damaged frames skipped: %1.").arg(m_reader.damaged()) : QString());
    QString line = m_options.target == ExportOptions::Png
                       ? QString("Frames written: %1 (%2 to %3, %4 s), as PNG files to %5.")
                             .arg(m_written)
                             .arg(m_options.from + 1)
                             .arg(m_options.to + 1)
                             .arg(span, m_options.output)
                       : QString("Frames written: %1 (%2 to %3, %4 s), to %5 with %6.")
                             .arg(m_written)
                             .arg(m_options.from + 1)
                             .arg(m_options.to + 1)
                             .arg(span, m_options.output, m_encoder);
    if (m_reader.damaged() > 0)
        line += QString(" Damaged frames skipped: %1.").arg(m_reader.damaged());
    return line;
}

int RecordingExport::framesWritten() const
{
    return m_written;
}

QString RecordingExport::pngName(int index, qint64 arrivalUs)
{
    const qint64 ms = qAbs(arrivalUs) / 1000;
    return QString::asprintf("frame-%06d-t%s%04lld.%03llds.png", index, arrivalUs < 0 ? "-" : "", ms / 1000, ms % 1000);
}
