#include "commander.h"

#include "command.h"

#include <devicebase/reentry.h>

#include <QElapsedTimer>
#include <QList>
#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>
#include <memory>

Q_LOGGING_CATEGORY(lcCommander, "commander.queue")

class Commander::Private {
public:
    QList<Command*> waiting;     // one-shot commands, oldest first
    Command* standing = nullptr; // handed again after every answer
    Command* current = nullptr;  // handed over, answer outstanding
    // Commands no longer queued. A receiver may still be using one inside its handler (nested event
    // loops, stop() from the handler), so they are freed only when no hand-over is in progress.
    QList<Command*> retired;
    Reentry::Section handing; // a hand-over whose handler has not returned yet
    bool running = false;
    int intervalMs = 0;
    QTimer timer;
    QElapsedTimer sinceHandOver;

    void retire(Command* c)
    {
        if (c && !retired.contains(c))
            retired.append(c);
    }

    void collect()
    {
        if (handing.busy())
            return;
        for (auto it = retired.begin(); it != retired.end();) {
            if (*it == current) {
                ++it;
                continue;
            }
            delete *it;
            it = retired.erase(it);
        }
    }

    bool holds(Command* c) const { return c == standing || c == current || waiting.contains(c); }
};

Commander::Commander(QObject* parent) : QObject(parent), d(new Private)
{
    d->timer.setSingleShot(true);
    connect(&d->timer, &QTimer::timeout, this, [this] { handOver(); });
}

Commander::~Commander()
{
    d->timer.stop();
    QList<Command*> all = d->waiting;
    all << d->standing << d->current << d->retired;
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    qDeleteAll(all);
    delete d;
}

void Commander::start(int intervalMs)
{
    d->intervalMs = std::max(0, intervalMs);
    d->running = true;
    schedule();
}

void Commander::stop()
{
    d->running = false;
    d->timer.stop();
    for (Command* c : qAsConst(d->waiting))
        d->retire(c);
    d->waiting.clear();
    d->retire(d->standing);
    d->standing = nullptr;
    // An outstanding command gets no answer after a stop.
    d->retire(d->current);
    d->current = nullptr;
    d->collect();
}

bool Commander::isRunning() const
{
    return d->running;
}

bool Commander::appendCommand(Command* command, bool standing)
{
    if (!command || d->holds(command))
        return false;
    if (standing) {
        d->retire(d->standing);
        d->standing = command;
    } else {
        d->waiting.append(command);
    }
    d->collect();
    schedule();
    return true;
}

bool Commander::appendCommand(Command* command, bool standing, bool unique)
{
    if (!command)
        return false;
    if (unique) {
        const auto same = [command](const Command* c) { return c && c->content == command->content; };
        if (std::any_of(d->waiting.cbegin(), d->waiting.cend(), same) || (standing && same(d->standing)))
            return false;
    }
    return appendCommand(command, standing);
}

void Commander::respond(bool ok)
{
    Command* answered = d->current;
    if (!answered) {
        qCDebug(lcCommander) << "answer without an outstanding command ignored, ok =" << ok;
        return;
    }
    d->current = nullptr;
    if (answered != d->standing)
        d->retire(answered);
    d->collect();
    schedule();
}

int Commander::pendingCount() const
{
    return d->waiting.size();
}

void Commander::schedule()
{
    if (!d->running || d->current || d->handing.busy() || d->timer.isActive())
        return;
    if (d->waiting.isEmpty() && !d->standing)
        return;
    qint64 delay = 0;
    if (d->sinceHandOver.isValid())
        delay = std::max<qint64>(0, d->intervalMs - d->sinceHandOver.elapsed());
    d->timer.start(int(delay));
}

void Commander::handOver()
{
    // Never nested: a hand-over due while a handler still runs waits until it has returned.
    if (!d->running || d->current || d->handing.busy())
        return;
    Command* command = d->waiting.isEmpty() ? d->standing : d->waiting.takeFirst();
    if (!command)
        return;
    d->current = command;
    command->marked = true;
    d->sinceHandOver.start();

    const Reentry::Guard guard(this);
    Reentry::Scope handing(this, d->handing);
    emit nextCommand(command);
    if (!guard.alive())
        return;
    handing.leave();

    // A command that expects no reply is done once handed over.
    if (d->current == command && !command->flag)
        respond(true);
    d->collect();
    schedule();
}
