#ifndef FEEDPROBE_H
#define FEEDPROBE_H

#include <serialports/portlisting.h>

#include <QList>
#include <QString>

#include <functional>

class LensFeed;

// Seams for tests: the system's port list replaced (a pseudo-terminal has no USB identifiers) and the
// failed replies in a row of each camera. Only the tests' build of the library (LensFeedProbed,
// LENSFEED_PROBE) has them; in the shipped library the notes compile to nothing and the system's list
// is always used.
class FeedProbe {
public:
    using PortLister = std::function<QList<PortEntry>()>;

#ifdef LENSFEED_PROBE
    // Replaces the system's port list for every LensFeed; an empty function restores the system's list.
    static void setPortLister(PortLister lister);
    static int consecutiveFailures(const LensFeed* feed);

    // Used by LensFeed.
    static const PortLister& portLister();
    static void noteFailures(const LensFeed* feed, int count);
    static void forget(const LensFeed* feed);
#else
    static const PortLister& portLister()
    {
        static const PortLister none;
        return none;
    }
    static void noteFailures(const LensFeed*, int) {}
    static void forget(const LensFeed*) {}
#endif
};

#endif // FEEDPROBE_H
