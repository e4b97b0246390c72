#ifndef PLAYBACKPANE_H
#define PLAYBACKPANE_H

#include "childpane.h"

#include <QPixmap>

class FrameView;
class QAction;
class RecordingPlayer;

// Plays a recording: the picture as the live pane shows it, its colour scale and readings, where
// the playback stands, and play, step, seek, speed and palette controls. It belongs to no device
// and sends nothing to any camera.
class PANES_EXPORT PlaybackPane : public ChildPane {
    Q_OBJECT
public:
    explicit PlaybackPane(const QString& language, QWidget* parent = nullptr);
    ~PlaybackPane() override;

    void initWidget() override;
    void initConnection() override;

    // Opens the recording and shows its first frame; false with errorString() when it cannot be
    // played (whatever was open before is closed either way).
    bool openRecording(const QString& path);
    QString errorString() const;
    QString fileName() const;

    // Writes the shown picture as PNG at its native size, in the chosen palette; true only when
    // the file was written.
    bool SaveToPicture(const QString& fileName);
    bool hasPicture() const;
    QPixmap picture() const;

    // Offers the owner's capture action as a button on the pane (the action stays the owner's).
    void setCaptureAction(QAction* action);

    RecordingPlayer* player() const;
    // The picture with its readings and measuring tools.
    FrameView* frameView() const;

signals:
    void pictureShown();
    // The record of each frame shown; sent only while something listens, so nobody pays for the copy.
    void recordShown(const QByteArray& record);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showCurrent();
    void showPosition();
    void showDamaged();
    void clearPicture();
    static QString timeText(qint64 us);

    class Private;
    Private* d;
};

#endif // PLAYBACKPANE_H
