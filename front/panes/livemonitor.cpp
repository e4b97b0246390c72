#include "livemonitor.h"

#include "alarmlog.h"
#include "paneslogging.h"

#include <devicebase/km420frame.h>
#include <recording/recordingwriter.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <array>
#include <cstring>

namespace {

constexpr int soundIntervalMs = 700;
// After Apply the camera echoes the new values a few frames later; until then the frames still carry the old
// ones, which must not overwrite what the user just sent.
constexpr int applyHoldMs = 1500;

} // namespace

class LiveMonitor::Private {
public:
    OptionParam options;
    LiveReadings readings;
    bool anyFrame = false;
    std::array<char, Km420Frame::ParamBlockSize> lastHead{};
    std::array<char, Km420Frame::ParamBlockSize> paramBuffer{};
    std::optional<CameraValues> sent;
    QElapsedTimer applyHold;

    AlarmRule::Causes causes;
    int indicator = Switched;
    bool silenced = false;
    QTimer soundTimer;

    RecordingWriter recorder;
    QString recordingError;
};

LiveMonitor::LiveMonitor() : d(new Private)
{
    d->soundTimer.setInterval(soundIntervalMs);
    connect(&d->soundTimer, &QTimer::timeout, this, &LiveMonitor::beep);
}

LiveMonitor::~LiveMonitor()
{
    d->soundTimer.stop();
}

void LiveMonitor::setOptions(const OptionParam& options)
{
    d->options = options;
    judge();
}

const OptionParam& LiveMonitor::options() const
{
    return d->options;
}

void LiveMonitor::takeFrame(const char* record, const LiveReadings& readings)
{
    if (!record)
        return;
    if (d->recorder.isRecording()) {
        // The parameters in force are those sent from here; what the camera uses otherwise is unknown here.
        RecordedParameters parameters;
        if (d->sent) {
            parameters.known = true;
            parameters.alarmHighTenths = d->sent->high;
            parameters.alarmLowTenths = d->sent->low;
            parameters.emissivityHundredths = d->sent->emissivity;
        }
        if (!d->recorder.append(record, parameters)) {
            d->recordingError = d->recorder.errorString();
            qCWarning(lcPanesLive) << "recording stopped:" << d->recordingError;
            emit recordingChanged(false);
            emit recordingStopped(d->recorder.fileName(), d->recordingError);
        }
    }
    std::memcpy(d->lastHead.data(), record, d->lastHead.size());
    d->readings = readings;
    d->anyFrame = true;
    judge();
}

bool LiveMonitor::temperaturesKnown() const
{
    // A layout that gives neither end of the scene leaves the alarm nothing to watch.
    return !d->anyFrame || (d->readings.valid && (d->readings.hasMax || d->readings.hasMin));
}

void LiveMonitor::judge()
{
    const AlarmRule::Causes previous = d->causes;
    LiveReadings watched = d->readings;
    // A camera that does not echo the limits is watched against those sent from here, and against nothing
    // before any were sent: the boxes' defaults are no one's limits.
    if (watched.valid && !watched.hasCameraParams) {
        watched.alarmHigh = d->sent ? d->sent->high : 0;
        watched.alarmLow = d->sent ? d->sent->low : 0;
        watched.hasMax = watched.hasMax && d->sent;
        watched.hasMin = watched.hasMin && d->sent;
    }
    const AlarmRule::Causes current = AlarmRule::evaluate(d->options, watched);
    d->causes = current;
    const AlarmRule::Causes onset = AlarmRule::onset(previous, current);

    const int indicator = !temperaturesKnown()            ? NothingToWatch
                          : !d->options.allowAlarm        ? Off
                          : current == AlarmRule::NoAlarm ? Watching
                                                          : Watching + int(current);
    if (indicator != d->indicator) {
        d->indicator = indicator;
        emit indicatorChanged(indicator);
    }

    if (current == AlarmRule::NoAlarm || onset != AlarmRule::NoAlarm)
        d->silenced = false;
    const bool sound = current != AlarmRule::NoAlarm && d->options.allowAlarmSound && !d->silenced;
    if (sound && !d->soundTimer.isActive()) {
        emit beep();
        d->soundTimer.start();
        emit soundingChanged(true);
    } else if (!sound && d->soundTimer.isActive()) {
        d->soundTimer.stop();
        emit soundingChanged(false);
    }

    if (onset != AlarmRule::NoAlarm && d->options.allowLogGeneration) {
        const QDateTime now = QDateTime::currentDateTime();
        AlarmLog::append(d->options.historyFilesPath, now.date(), AlarmRule::csvLine(now, current, watched));
    }
}

int LiveMonitor::indicator() const
{
    return d->indicator;
}

AlarmRule::Causes LiveMonitor::causes() const
{
    return d->causes;
}

bool LiveMonitor::isSounding() const
{
    return d->soundTimer.isActive();
}

void LiveMonitor::stopSound()
{
    const bool was = d->soundTimer.isActive();
    d->soundTimer.stop();
    if (d->causes != AlarmRule::NoAlarm)
        d->silenced = true;
    if (was)
        emit soundingChanged(false);
}

LiveMonitor::CameraValues LiveMonitor::valuesToShow() const
{
    const LiveReadings& now = d->readings;
    if (now.valid && now.hasCameraParams)
        return CameraValues{now.alarmHigh, now.alarmLow, now.emissivity};
    return d->sent.value_or(CameraValues());
}

bool LiveMonitor::holdingSent() const
{
    return d->applyHold.isValid() && !d->applyHold.hasExpired(applyHoldMs);
}

std::optional<LiveMonitor::CameraValues> LiveMonitor::sent() const
{
    return d->sent;
}

char* LiveMonitor::paramsFor(const CameraValues& values)
{
    // The camera reads only the three parameters; the rest of the buffer repeats the last frame.
    d->paramBuffer = d->lastHead;
    LiveReadings::writeCameraParams(d->paramBuffer.data(), values.high, values.low, values.emissivity);
    d->sent = values;
    d->applyHold.start();
    return d->paramBuffer.data();
}

bool LiveMonitor::startRecording()
{
    if (d->recorder.isRecording())
        return true;
    d->recordingError.clear();
    const QString folder = d->options.historyFilesPath;
    if (folder.isEmpty()) {
        // Said in the live pane's words: it is the pane that shows them.
        d->recordingError =
            QCoreApplication::translate("LivePane", "No history folder is set; choose one in File > Option.");
        return false;
    }
    if (!QDir().mkpath(folder)) {
        d->recordingError = QCoreApplication::translate("LivePane", "The history folder %1 cannot be created.")
                                .arg(QDir::toNativeSeparators(folder));
        return false;
    }
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = QDir(folder).filePath(QStringLiteral("camdesk-%1.km420rec").arg(stamp));
    for (int n = 2; QFileInfo::exists(path) && n < 100; ++n)
        path = QDir(folder).filePath(QStringLiteral("camdesk-%1-%2.km420rec").arg(stamp).arg(n));
    if (!d->recorder.open(path, QStringLiteral("KM420 (USB video)"))) {
        d->recordingError = d->recorder.errorString();
        return false;
    }
    qCInfo(lcPanesLive) << "recording to" << path;
    emit recordingChanged(true);
    return true;
}

void LiveMonitor::stopRecording()
{
    if (!d->recorder.isRecording())
        return;
    d->recorder.close();
    emit recordingChanged(false);
}

bool LiveMonitor::isRecording() const
{
    return d->recorder.isRecording();
}

QString LiveMonitor::recordingFileName() const
{
    return d->recorder.fileName();
}

QString LiveMonitor::recordingError() const
{
    return d->recordingError;
}

qint64 LiveMonitor::recordingElapsedUs() const
{
    return d->recorder.elapsedUs();
}

qint64 LiveMonitor::recordingBytes() const
{
    return d->recorder.bytesWritten();
}
