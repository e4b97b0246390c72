#ifndef RECORDINGPLAYER_H
#define RECORDINGPLAYER_H

#include <panes/panes_export.h>

#include <recording/recordingformat.h>

#include <QObject>

#include <memory>

// Plays a recording at the pace its frames arrived, scaled by a speed factor. No widgets: it hands
// out frames, and whoever shows them listens to frameChanged(). A frame that can no longer be read
// (the file changed after it was opened) is skipped and counted, never handed out.
class PANES_EXPORT RecordingPlayer : public QObject {
    Q_OBJECT
public:
    explicit RecordingPlayer(QObject* parent = nullptr);
    ~RecordingPlayer() override;

    // Opens the file and shows its first readable frame; false with errorString() when it is no
    // recording or holds no frame that can be read.
    bool open(const QString& path);
    void close();
    bool isOpen() const;
    QString errorString() const;
    QString fileName() const;
    QString camera() const;

    int frameCount() const;
    // The frame shown now; -1 before any.
    int currentFrame() const;
    const RecordedFrame& frame() const;
    qint64 durationUs() const;
    // Entries the reader found damaged when opening, and frames that could not be read later.
    int damagedFrames() const;

    bool isPlaying() const;
    double speed() const;

    void play();
    void pause();
    void togglePlay();
    // Pauses, then moves by delta frames, clamped to the recording.
    void step(int delta);
    // Shows the given frame (clamped); keeps playing from there when playing. False when no frame
    // at or after it could be read.
    bool seek(int frame);
    // 1.0 plays as recorded; 0 (or less) plays as fast as the frames can be shown.
    void setSpeed(double factor);

signals:
    void frameChanged(int index, const RecordedFrame& frame);
    void playingChanged(bool playing);
    void damagedChanged(int count);
    // Playing reached the last frame and paused there.
    void finished();

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif // RECORDINGPLAYER_H
