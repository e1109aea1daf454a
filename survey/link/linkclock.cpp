#include "survey/link/linkclock.h"

#include <algorithm>
#include <chrono>
#include <poll.h>
#include <thread>

namespace {

RealClock g_realClock;
LinkClock *g_clock = &g_realClock;

int64_t steadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// Polls `fd` (or just sleeps when fd is -1) for `ms`; the events seen.
short pollReadable(int fd, int64_t ms) {
    if (fd < 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return 0;
    }
    pollfd entry{fd, POLLIN, 0};
    return ::poll(&entry, 1, int(ms)) > 0 ? entry.revents : 0;
}

} // namespace

LinkClock &linkClock() {
    return *g_clock;
}

void setLinkClock(LinkClock *clock) {
    g_clock = clock ? clock : &g_realClock;
}

int64_t RealClock::now() {
    return steadyMs();
}

short RealClock::waitReadable(int fd, int64_t maxMs) {
    return pollReadable(fd, maxMs < 0 ? kSliceMs : std::min(maxMs, kSliceMs));
}

void RealClock::pause(int64_t maxMs) {
    if (maxMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(maxMs, kSliceMs)));
}

int64_t FastForwardClock::now() {
    return steadyMs() + m_skipped;
}

short FastForwardClock::waitReadable(int fd, int64_t maxMs) {
    const int64_t grace = maxMs < 0 ? m_graceMs : std::min(maxMs, m_graceMs);
    const int64_t start = steadyMs();
    const short events = pollReadable(fd, grace);
    if (events == 0 && maxMs >= 0)
        m_skipped += std::max<int64_t>(0, maxMs - (steadyMs() - start));
    return events;
}

void FastForwardClock::pause(int64_t maxMs) {
    if (maxMs > 0)
        m_skipped += maxMs;
}

short VirtualClock::waitReadable(int, int64_t maxMs) {
    m_now += maxMs < 0 ? 1000 : maxMs;
    return 0;
}

void VirtualClock::pause(int64_t maxMs) {
    m_now += std::max<int64_t>(0, maxMs);
}
