#include "recordsession.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

RecordSession::RecordSession(QObject* parent) : QObject(parent)
{
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, &RecordSession::stop);
    connect(&m_grabber, &FrameGrabber::frameReceived, this, &RecordSession::append);
    connect(&m_grabber, &FrameGrabber::failed, this, [this](const QString& why) {
        finish(QStringLiteral("recording ended on %1: %2").arg(m_grabber.portName(), why));
    });
}

RecordSession::~RecordSession()
{
    m_grabber.close();
    m_writer.close();
}

bool RecordSession::start(const QString& port, const QString& path, const Limits& limits)
{
    m_limits = limits;
    m_path = path;
    // Checked before the port is touched, and again by the writer, which never replaces a file.
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        m_error = QStringLiteral("%1 already exists; it is left as it is").arg(path);
        return false;
    }
    if (!m_grabber.open(port)) {
        m_error = QStringLiteral("cannot open the port %1: %2").arg(port, m_grabber.errorString());
        return false;
    }
    if (!m_writer.open(path, QStringLiteral("KM420 on %1").arg(port))) {
        m_error = QStringLiteral("cannot record into %1: %2").arg(path, m_writer.errorString());
        m_grabber.close();
        return false;
    }
    m_running = true;
    if (limits.ms > 0)
        m_timeLimit.start(int(std::min<qint64>(limits.ms, std::numeric_limits<int>::max())));
    m_grabber.start();
    return true;
}

void RecordSession::stop()
{
    finish(QString());
}

void RecordSession::append(const QByteArray& record)
{
    if (!m_running)
        return;
    // The recorder never sends parameters, so the camera's are unknown to it.
    if (!m_writer.append(record.constData(), RecordedParameters())) {
        finish(QStringLiteral("recording stopped: %1").arg(m_writer.errorString()));
        return;
    }
    if (m_limits.frames > 0 && m_writer.framesWritten() >= m_limits.frames)
        finish(QString());
}

void RecordSession::finish(const QString& error)
{
    if (!m_running)
        return;
    m_running = false;
    m_failed = !error.isEmpty();
    m_error = error;
    m_timeLimit.stop();
    m_grabber.close();
    m_endSeconds = seconds();
    m_writer.close();
    emit finished();
}

bool RecordSession::failed() const
{
    return m_failed;
}

QString RecordSession::errorString() const
{
    return m_error;
}

QString RecordSession::fileName() const
{
    return m_path;
}

qint64 RecordSession::frames() const
{
    return m_writer.framesWritten();
}

qint64 RecordSession::bytes() const
{
    return m_writer.bytesWritten();
}

double RecordSession::seconds() const
{
    return m_running ? m_writer.elapsedUs() / 1e6 : m_endSeconds;
}

QString RecordSession::progressText() const
{
    const double s = seconds();
    return QStringLiteral("%1 frames, %2 MB, %3 s, %4 frames/s")
        .arg(frames())
        .arg(bytes() / 1e6, 0, 'f', 1)
        .arg(s, 0, 'f', 1)
        .arg(s > 0 ? frames() / s : 0.0, 0, 'f', 1);
}
