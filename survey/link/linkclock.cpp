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

// Polls `fd` (or just sleeps when fd is -1) for `ms`; true when it is readable
// (or reports an error, which the next read will see).
bool pollReadable(int fd, int64_t ms) {
    if (fd < 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return false;
    }
    pollfd entry{fd, POLLIN, 0};
    const int ready = ::poll(&entry, 1, int(ms));
    return ready > 0;
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

void RealClock::waitReadable(int fd, int64_t maxMs) {
    pollReadable(fd, maxMs < 0 ? kSliceMs : std::min(maxMs, kSliceMs));
}

void RealClock::pause(int64_t maxMs) {
    if (maxMs > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(maxMs, kSliceMs)));
}

int64_t FastForwardClock::now() {
    return steadyMs() + m_skipped;
}

void FastForwardClock::waitReadable(int fd, int64_t maxMs) {
    const int64_t grace = maxMs < 0 ? m_graceMs : std::min(maxMs, m_graceMs);
    const int64_t start = steadyMs();
    if (pollReadable(fd, grace) || maxMs < 0)
        return;
    m_skipped += std::max<int64_t>(0, maxMs - (steadyMs() - start));
}

void FastForwardClock::pause(int64_t maxMs) {
    if (maxMs > 0)
        m_skipped += maxMs;
}

void VirtualClock::waitReadable(int, int64_t maxMs) {
    m_now += maxMs < 0 ? 1000 : maxMs;
}

void VirtualClock::pause(int64_t maxMs) {
    m_now += std::max<int64_t>(0, maxMs);
}
