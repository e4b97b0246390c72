#include "feedprobe.h"

#include <QHash>

namespace {

FeedProbe::PortLister& lister()
{
    static FeedProbe::PortLister value;
    return value;
}

// A camera lives on the thread that made it; the tests make theirs on the main thread.
QHash<const LensFeed*, int>& failures()
{
    static QHash<const LensFeed*, int> value;
    return value;
}

} // namespace

void FeedProbe::setPortLister(PortLister value)
{
    lister() = std::move(value);
}

int FeedProbe::consecutiveFailures(const LensFeed* feed)
{
    return failures().value(feed, 0);
}

const FeedProbe::PortLister& FeedProbe::portLister()
{
    return lister();
}

void FeedProbe::noteFailures(const LensFeed* feed, int count)
{
    failures()[feed] = count;
}

void FeedProbe::forget(const LensFeed* feed)
{
    failures().remove(feed);
}
