#ifndef LIVEMONITOR_H
#define LIVEMONITOR_H

#include "alarmrule.h"
#include "livereadings.h"
#include "optionparam.h"
#include <panes/panes_export.h>

#include <QObject>

#include <memory>
#include <optional>

// What the live pane does with each frame, apart from showing it: the alarm with its log and sound, the
// recording, and the camera settings sent from here. No widgets, so a test drives it without a window; the
// pane only shows its state.
class PANES_EXPORT LiveMonitor : public QObject {
    Q_OBJECT
public:
    // The three camera parameters in the units the camera uses; the defaults stand before anything was
    // received or sent.
    struct CameraValues {
        qint16 high = 0;
        qint16 low = 0;
        quint8 emissivity = 95;
        bool operator==(const CameraValues& o) const
        {
            return high == o.high && low == o.low && emissivity == o.emissivity;
        }
        bool operator!=(const CameraValues& o) const { return !(*this == o); }
    };
    // What the alarm indicator shows; above Watching, an alarm of causes (indicator - 1).
    enum Indicator { NothingToWatch = -2, Switched = -1, Off = 0, Watching = 1 };

    LiveMonitor();
    ~LiveMonitor() override;

    void setOptions(const OptionParam& options);
    const OptionParam& options() const;

    // One frame as it arrives, with what its layout gives: kept in the recording, its parameters remembered,
    // the alarm judged against them.
    void takeFrame(const char* record, const LiveReadings& readings);
    // Judged again, with the frame last taken (after the options changed).
    void judge();

    // False while the frames carry no temperatures to watch; true before the first frame.
    bool temperaturesKnown() const;
    int indicator() const;
    AlarmRule::Causes causes() const;
    bool isSounding() const;
    // Silences the alarm until it ends or a new cause comes.
    void stopSound();

    // The values the settings boxes should show: the camera's echo when its layout gives one, else what was
    // last sent from here, else the defaults; never bytes whose meaning is unknown.
    CameraValues valuesToShow() const;
    // Right after Apply the camera still echoes the old values for a few frames.
    bool holdingSent() const;
    std::optional<CameraValues> sent() const;
    // The parameter buffer that sends these values: the last frame's head with the three parameters in it.
    // Valid until the next call.
    char* paramsFor(const CameraValues& values);

    // Starts keeping every frame, exactly as received, in a new time-stamped recording in the history folder;
    // false with recordingError() when it cannot.
    bool startRecording();
    void stopRecording();
    bool isRecording() const;
    QString recordingFileName() const;
    QString recordingError() const;
    qint64 recordingElapsedUs() const;
    qint64 recordingBytes() const;

signals:
    void indicatorChanged(int indicator);
    // The sound is to play once now (the alarm's start and then every interval).
    void beep();
    void soundingChanged(bool sounding);
    void recordingChanged(bool recording);
    // The recording stopped by itself (disk low, a failed write); what was written is kept.
    void recordingStopped(const QString& fileName, const QString& reason);

private:
    class Private;
    std::unique_ptr<Private> d;
};

#endif // LIVEMONITOR_H
