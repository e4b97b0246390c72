#ifndef RECORD_RECORDSESSION_H
#define RECORD_RECORDSESSION_H

#include "framegrabber.h"

#include <recording/recordingwriter.h>

#include <QObject>
#include <QString>
#include <QTimer>

// One run of km420-record: frames from the grabber into a new recording until the frame or time
// limit, stop(), or a failure; then the port and the file are closed (what was written is kept)
// and finished() is emitted once.
class RecordSession : public QObject {
    Q_OBJECT
public:
    struct Limits {
        qint64 frames = 0; // 0: no limit
        qint64 ms = 0;     // 0: no limit
    };

    explicit RecordSession(QObject* parent = nullptr);
    ~RecordSession() override;

    // Opens the port, then creates the file (never over an existing one). False with errorString();
    // nothing is left behind then.
    bool start(const QString& port, const QString& path, const Limits& limits);
    // Ends the recording cleanly.
    void stop();

    bool failed() const;
    QString errorString() const;
    QString fileName() const;
    qint64 frames() const;
    qint64 bytes() const;
    double seconds() const;
    QString progressText() const;

signals:
    void finished();

private:
    void append(const QByteArray& record);
    void finish(const QString& error);

    FrameGrabber m_grabber;
    RecordingWriter m_writer;
    QTimer m_timeLimit;
    Limits m_limits;
    QString m_path;
    QString m_error;
    double m_endSeconds = 0;
    bool m_running = false;
    bool m_failed = false;
};

#endif // RECORD_RECORDSESSION_H
