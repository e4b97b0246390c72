#ifndef LIVEPANE_H
#define LIVEPANE_H

#include "childpane.h"
#include "optionparam.h"

#include <QPixmap>

class FrameView;
class LiveMonitor;
class QAction;
class QSettings;

// The live picture of a video mode: the picture scaled with crisp pixels, the colour scale of the
// current palette, frame rate, the camera's readings and alarm switches, and picture saving.
class PANES_EXPORT LivePane : public ChildPane {
    Q_OBJECT
public:
    LivePane(DeviceManager::Mode mode, const QString& language, QWidget* parent = nullptr,
             Qt::WindowFlags flags = Qt::WindowFlags());
    ~LivePane() override;

    void initWidget() override;
    void initConnection() override;
    void initAction() override;

    virtual void setPixmap(const QPixmap& pixmap);

    void setOptionsParam(const OptionParam& param);
    OptionParam optionsParam() const;
    // The palette of the next pictures: 256 RGB565 entries, owned by the caller.
    void setVideoPlat(ushort* plat);
    // The frame's extended information (the whole frame record); used only during the call.
    void setVideoExtendParam(char* param);
    // Writes the current picture as PNG at its native size; true only when the file was written.
    bool SaveToPicture(const QString& fileName);
    void stopSound();

    // Offers the owner's capture action as a button on the pane (the action stays the owner's).
    void setCaptureAction(QAction* action);
    // Offers the owner's record action as a button on the pane, with the recording's time and size.
    void setRecordAction(QAction* action);
    // The port of the camera shown: the layout profile picked for it (one without proof, used for
    // frames no profile proves) is remembered per port in the user's settings.
    void setCameraPort(const QString& port);

    // Starts keeping every frame, exactly as received, in a new time-stamped recording in the history
    // folder; false with recordingError() when it cannot.
    bool startRecording();
    void stopRecording();
    bool isRecording() const;
    QString recordingFileName() const;
    QString recordingError() const;

    bool hasPicture() const;
    QPixmap picture() const;
    // The picture with its readings and measuring tools.
    FrameView* frameView() const;
    // The alarm, the recording and the camera settings behind what the pane shows.
    LiveMonitor* monitor() const;
    // An alarm is shown now; the alarm sound is on now.
    bool isAlarmActive() const;
    bool isSounding() const;
    // False while the camera's frames carry no temperatures in a layout camdesk knows.
    bool temperaturesKnown() const;

signals:
    void updateOptionParam(const OptionParam& param);
    // A picture has been shown; hasPicture() changes from false to true with the first one.
    void pictureShown();
    // Each frame record as it arrives; sent only while something listens, so nobody pays for the copy.
    void recordShown(const QByteArray& record);
    void recordingChanged(bool recording);
    // The recording stopped by itself (disk low, a failed write); what was written is kept.
    void recordingStopped(const QString& fileName, const QString& reason);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void onOptionToggled();
    void onParamsEdited();
    void applyCameraParams();
    void showIndicator(int indicator);
    void updateStats();
    void showReadings();
    void updateAlarmBoxes();
    void updateRecordingLabel();
    void fillLayoutChoice();
    static QSettings& layoutChoices();
    static QString noTemperaturesText();

    class Private;
    Private* d;
};

#endif // LIVEPANE_H
