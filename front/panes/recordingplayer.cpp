#include "recordingplayer.h"

#include "paneslogging.h"

#include <recording/recordingreader.h>

#include <QElapsedTimer>
#include <QSet>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>

class RecordingPlayer::Private {
public:
    explicit Private(RecordingPlayer* q) : q(q) {}

    bool readFrame(int i, RecordedFrame* out);
    bool showNearest(int from, int direction);
    qint64 mediaNowUs() const;
    void anchorAt(qint64 mediaUs);
    void scheduleNext();
    void armTimer();
    void showPending();
    void stop();

    RecordingPlayer* q;
    RecordingReader reader;
    QString error;
    int current = -1;
    RecordedFrame shown;
    QSet<int> unreadable;

    bool playing = false;
    double speed = 1.0;
    QTimer timer;
    // Frame i is due when the clock reads (arrival[i] - anchorUs) / speed: every due time is taken
    // from the same anchor, so late timer wake-ups do not add up.
    QElapsedTimer clock;
    qint64 anchorUs = 0;
    bool hasPending = false;
    int pendingIndex = -1;
    RecordedFrame pending;
};

bool RecordingPlayer::Private::readFrame(int i, RecordedFrame* out)
{
    if (reader.frame(i, out))
        return true;
    if (!unreadable.contains(i)) {
        unreadable.insert(i);
        qCWarning(lcPanesPlayback) << "frame" << i << "of" << reader.fileName() << "can no longer be read";
        emit q->damagedChanged(q->damagedFrames());
    }
    return false;
}

bool RecordingPlayer::Private::showNearest(int from, int direction)
{
    RecordedFrame frame;
    for (int i = from; i >= 0 && i < reader.frames(); i += direction) {
        if (readFrame(i, &frame)) {
            current = i;
            shown = frame;
            emit q->frameChanged(current, shown);
            return true;
        }
    }
    return false;
}

qint64 RecordingPlayer::Private::mediaNowUs() const
{
    if (speed <= 0 || !clock.isValid())
        return shown.arrivalUs;
    qint64 now = anchorUs + qint64(double(clock.nsecsElapsed() / 1000) * speed);
    // Never ahead of the frame that is due next, never behind the one shown.
    if (hasPending)
        now = std::min(now, pending.arrivalUs);
    return std::max(now, shown.arrivalUs);
}

void RecordingPlayer::Private::anchorAt(qint64 mediaUs)
{
    anchorUs = mediaUs;
    clock.start();
}

void RecordingPlayer::Private::scheduleNext()
{
    hasPending = false;
    timer.stop();
    if (!playing)
        return;
    RecordedFrame next;
    for (int i = current + 1; i < reader.frames(); ++i) {
        if (readFrame(i, &next)) {
            pending = next;
            pendingIndex = i;
            hasPending = true;
            armTimer();
            return;
        }
    }
    stop();
    emit q->finished();
}

void RecordingPlayer::Private::armTimer()
{
    if (speed <= 0) {
        // A zero timer rather than a loop: the event loop keeps running between frames.
        timer.start(0);
        return;
    }
    const double dueUs = double(pending.arrivalUs - anchorUs) / speed;
    const double remainingMs = (dueUs - double(clock.nsecsElapsed() / 1000)) / 1000.0;
    timer.start(int(std::clamp(std::ceil(remainingMs), 0.0, double(INT_MAX))));
}

void RecordingPlayer::Private::showPending()
{
    if (!hasPending)
        return;
    hasPending = false;
    current = pendingIndex;
    shown = pending;
    emit q->frameChanged(current, shown);
    // A receiver may have paused or moved the player; scheduling again from where it is now is
    // right in every case.
    scheduleNext();
}

void RecordingPlayer::Private::stop()
{
    timer.stop();
    hasPending = false;
    if (playing) {
        playing = false;
        emit q->playingChanged(false);
    }
}

RecordingPlayer::RecordingPlayer(QObject* parent) : QObject(parent), d(std::make_unique<Private>(this))
{
    d->timer.setSingleShot(true);
    d->timer.setTimerType(Qt::PreciseTimer);
    connect(&d->timer, &QTimer::timeout, this, [this] { d->showPending(); });
}

RecordingPlayer::~RecordingPlayer()
{
    d->timer.stop();
}

bool RecordingPlayer::open(const QString& path)
{
    close();
    if (!d->reader.open(path)) {
        d->error = d->reader.errorString();
        d->reader.close();
        return false;
    }
    if (d->reader.frames() == 0 || !d->showNearest(0, 1)) {
        d->error = tr("The recording holds no frame that can be read.");
        d->reader.close();
        d->unreadable.clear();
        return false;
    }
    return true;
}

void RecordingPlayer::close()
{
    d->stop();
    d->reader.close();
    d->error.clear();
    d->current = -1;
    d->shown = RecordedFrame();
    d->unreadable.clear();
}

bool RecordingPlayer::isOpen() const
{
    return d->reader.isOpen();
}

QString RecordingPlayer::errorString() const
{
    return d->error;
}

QString RecordingPlayer::fileName() const
{
    return d->reader.fileName();
}

QString RecordingPlayer::camera() const
{
    return d->reader.header().camera;
}

int RecordingPlayer::frameCount() const
{
    return d->reader.frames();
}

int RecordingPlayer::currentFrame() const
{
    return d->current;
}

const RecordedFrame& RecordingPlayer::frame() const
{
    return d->shown;
}

qint64 RecordingPlayer::durationUs() const
{
    return d->reader.durationUs();
}

int RecordingPlayer::damagedFrames() const
{
    return d->reader.damaged() + d->unreadable.size();
}

bool RecordingPlayer::isPlaying() const
{
    return d->playing;
}

double RecordingPlayer::speed() const
{
    return d->speed;
}

void RecordingPlayer::play()
{
    if (d->playing || d->current < 0)
        return;
    // At the end (nothing readable after the frame shown) playing starts again from the beginning.
    RecordedFrame probe;
    bool more = false;
    for (int i = d->current + 1; i < d->reader.frames() && !more; ++i)
        more = d->readFrame(i, &probe);
    if (!more && !d->showNearest(0, 1))
        return;
    d->playing = true;
    emit playingChanged(true);
    if (!d->playing)
        return;
    d->anchorAt(d->shown.arrivalUs);
    d->scheduleNext();
}

void RecordingPlayer::pause()
{
    d->stop();
}

void RecordingPlayer::togglePlay()
{
    if (d->playing)
        pause();
    else
        play();
}

void RecordingPlayer::step(int delta)
{
    pause();
    if (d->current < 0 || delta == 0)
        return;
    const int target = std::clamp(d->current + delta, 0, d->reader.frames() - 1);
    if (target != d->current)
        d->showNearest(target, delta > 0 ? 1 : -1);
}

bool RecordingPlayer::seek(int frame)
{
    if (d->reader.frames() == 0)
        return false;
    const int target = std::clamp(frame, 0, d->reader.frames() - 1);
    if (!d->showNearest(target, 1) && !d->showNearest(target - 1, -1))
        return false;
    if (d->playing) {
        d->anchorAt(d->shown.arrivalUs);
        d->scheduleNext();
    }
    return true;
}

void RecordingPlayer::setSpeed(double factor)
{
    factor = std::max(factor, 0.0);
    if (factor == d->speed)
        return;
    const qint64 now = d->mediaNowUs();
    d->speed = factor;
    if (!d->playing)
        return;
    d->anchorAt(now);
    if (d->hasPending)
        d->armTimer();
}
