#include "linkprobe.h"

#include <atomic>

namespace {

constexpr int kCalls = static_cast<int>(LinkProbe::Call::Count);
constexpr int kCounters = static_cast<int>(LinkProbe::LineCounter::Count);

std::atomic<quint32> failures[kCalls];
std::atomic<quint32> phantomBytes{0};
std::atomic<quint64> statusQueryCount{0};
std::atomic<int> pendingCount{0};
std::atomic<int> abandonedCount{0};
std::atomic<int> openPortCount{0};
std::atomic<int> cancelledCount{0};
std::atomic<LinkProbe::WaitFault> waitFaultMode{LinkProbe::WaitFault::None};
std::atomic<quint32> lineCounts[kCounters];
std::atomic<bool> lineCounted{false};

} // namespace

void LinkProbe::failNext(Call call, quint32 error)
{
    failures[static_cast<int>(call)].store(error);
}

void LinkProbe::addPhantomBytes(quint32 count)
{
    phantomBytes.fetch_add(count);
}

void LinkProbe::countLineError(LineCounter counter)
{
    lineCounts[static_cast<int>(counter)].fetch_add(1);
    lineCounted.store(true);
}

void LinkProbe::reset()
{
    for (auto& failure : failures)
        failure.store(0);
    phantomBytes.store(0);
    statusQueryCount.store(0);
    abandonedCount.store(0);
    cancelledCount.store(0);
    waitFaultMode.store(WaitFault::None);
    for (auto& count : lineCounts)
        count.store(0);
    lineCounted.store(false);
}

quint64 LinkProbe::statusQueries()
{
    return statusQueryCount.load();
}

int LinkProbe::pendingOperations()
{
    return pendingCount.load();
}

int LinkProbe::abandonedOperations()
{
    return abandonedCount.load();
}

int LinkProbe::openPorts()
{
    return openPortCount.load();
}

void LinkProbe::setWaitFault(WaitFault fault)
{
    waitFaultMode.store(fault);
}

LinkProbe::WaitFault LinkProbe::waitFault()
{
    return waitFaultMode.load();
}

int LinkProbe::cancelledOperations()
{
    return cancelledCount.load();
}

void LinkProbe::noteCancelled(int count)
{
    cancelledCount.fetch_add(count);
}

bool LinkProbe::takeFailure(Call call, quint32* error)
{
    const quint32 code = failures[static_cast<int>(call)].exchange(0);
    if (code == 0)
        return false;
    *error = code;
    return true;
}

quint32 LinkProbe::takePhantomBytes()
{
    return phantomBytes.exchange(0);
}

bool LinkProbe::lineCounters(quint32* counts)
{
    if (!lineCounted.load())
        return false;
    for (int i = 0; i < kCounters; ++i)
        counts[i] = lineCounts[i].load();
    return true;
}

void LinkProbe::noteStatusQuery()
{
    statusQueryCount.fetch_add(1, std::memory_order_relaxed);
}

void LinkProbe::notePending(int delta)
{
    pendingCount.fetch_add(delta);
}

void LinkProbe::noteAbandoned(int count)
{
    abandonedCount.fetch_add(count);
}

void LinkProbe::notePortOpen(int delta)
{
    openPortCount.fetch_add(delta);
}
