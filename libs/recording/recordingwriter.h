#ifndef RECORDINGWRITER_H
#define RECORDINGWRITER_H

#include "recordingformat.h"

#include <memory>

// Appends frames to a new recording file. Each frame is one write of one whole entry, handed to
// the system at once, so a recording cut short by a crash reads back to its last whole frame.
// Stops (closes, keeps what is written) when a write fails or the disk runs low.
class RECORDING_EXPORT RecordingWriter {
public:
    enum Status { Closed, Recording, OpenFailed, WriteFailed, DiskLow };

    // Recording stops when less than this is left on the disk.
    static constexpr qint64 DefaultReserveBytes = 100LL * 1024 * 1024;

    RecordingWriter();
    ~RecordingWriter();
    RecordingWriter(const RecordingWriter&) = delete;
    RecordingWriter& operator=(const RecordingWriter&) = delete;

    void setReserve(qint64 bytes);
    qint64 reserve() const;

    // Creates the file (never overwrites one) and writes the header. The camera name is cut to
    // RecordingFormat::CameraNameMax bytes of UTF-8 at a character boundary.
    bool open(const QString& path, const QString& camera, const QDateTime& startUtc = QDateTime::currentDateTimeUtc());
    // Appends one frame record of Km420Frame::Size bytes, stamped now on the writer's monotonic
    // clock (or at arrivalUs when not negative). False when not recording or when the recording
    // stopped on this frame; status() and errorString() tell why.
    bool append(const char* record, const RecordedParameters& parameters, qint64 arrivalUs = -1);
    // Flushes the file to the disk and closes it.
    void close();

    bool isRecording() const;
    Status status() const;
    QString errorString() const;
    QString fileName() const;
    qint64 framesWritten() const;
    qint64 bytesWritten() const; // the header included
    qint64 elapsedUs() const;    // since open(), on the monotonic clock

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif // RECORDINGWRITER_H
