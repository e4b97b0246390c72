#ifndef EXPORT_VIDEOWRITER_H
#define EXPORT_VIDEOWRITER_H

#include <QImage>
#include <QString>

#include <memory>

// Encodes pictures into an H.264 MP4 file (yuv420p) at the presentation times given, with
// FFmpeg's libraries: libx264 when present, else whatever H.264 encoder the libraries offer.
// Every failure leaves its reason, with FFmpeg's own text, in errorString(); after one, only the
// destructor is meaningful, and the file is left as far as it got.
class VideoWriter {
public:
    VideoWriter();
    ~VideoWriter();
    VideoWriter(const VideoWriter&) = delete;
    VideoWriter& operator=(const VideoWriter&) = delete;

    // size: even in both directions. averageFps, when above 0, tells the encoder's rate control
    // the usual pace; the times of the pictures still decide when each is shown.
    bool open(const QString& path, const QSize& size, double averageFps = 0);
    // A picture of the size given to open(), in Format_RGB16 or any format QImage converts from,
    // shown from usSinceStart on. Times that do not rise are moved to the next tick of the stream
    // (a millisecond), since a stream cannot show two pictures at once. Each picture is encoded when
    // the next one tells how long it stays.
    bool write(const QImage& picture, qint64 usSinceStart);
    // Encodes the last picture, lasting as long as the one before it, drains the encoder and
    // completes the file.
    bool finish();

    QString errorString() const;
    QString encoderName() const;
    int framesWritten() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif // EXPORT_VIDEOWRITER_H
