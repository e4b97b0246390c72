#include "recordingexport.h"

#include "frameimage.h"
#include "videowriter.h"

#include <lensfeed/videoextinf.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    return m_options.target == ExportOptions::Png ? exportPng() : exportVideo();
}

bool RecordingExport::exportPng()
{
    const QString dir = m_options.output;
    if (!QDir().mkpath(dir))
        return fail(QString("Cannot create the folder %1.").arg(dir));
    if (!QFileInfo(dir).isWritable())
        return fail(QString("The folder %1 is not writable.").arg(dir));

    const FrameImage painter(m_options.palette, m_options.scale);
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

    const FrameImage painter(m_options.palette, m_options.scale, true);
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
