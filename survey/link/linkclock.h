#pragma once
// The one time source of the serial link. Every time limit of the driver, the
// XMODEM receiver and the instrument session is measured on linkClock(), and
// every wait goes through it, so that tests can replace real time by a clock
// that skips over silences: the protocol's 5- and 10-second waits then pass
// in milliseconds.

#include <cstdint>

class LinkClock {
public:
    virtual ~LinkClock() = default;
    // Monotonic time in milliseconds.
    virtual int64_t now() = 0;
    // Blocks until `fd` has bytes to read or at most `maxMs` milliseconds have
    // passed, possibly less: callers loop and look at now(). A negative `maxMs`
    // means no limit; `fd` -1 means nothing to watch. Returns the poll events
    // seen on `fd` (0 when the time ran out).
    virtual short waitReadable(int fd, int64_t maxMs) = 0;
    // Lets up to `maxMs` milliseconds pass, possibly less (callers loop).
    virtual void pause(int64_t maxMs) = 0;
};

// The clock in use: the real one unless a test installed another.
LinkClock &linkClock();
// Installs `clock` (not owned; nullptr restores the real clock).
void setLinkClock(LinkClock *clock);

// Real time. A wait blocks for at most a few milliseconds, so that the idle
// hook between waits keeps the window alive.
class RealClock : public LinkClock {
public:
    static constexpr int64_t kSliceMs = 4;
    int64_t now() override;
    short waitReadable(int fd, int64_t maxMs) override;
    void pause(int64_t maxMs) override;
};

// Real time that jumps over silences: a wait that sees nothing arrive within
// `graceMs` of real time moves the clock on to the end of the wait, and a
// pause passes at once. The other end of the line (another process) gets
// `graceMs` to answer before a time limit counts as reached.
class FastForwardClock : public LinkClock {
public:
    explicit FastForwardClock(int64_t graceMs) : m_graceMs(graceMs) {}
    int64_t now() override;
    short waitReadable(int fd, int64_t maxMs) override;
    void pause(int64_t maxMs) override;

private:
    int64_t m_graceMs;
    int64_t m_skipped = 0;
};

// Purely virtual time for fake ports whose bytes are all there at once:
// every wait and pause moves the clock on by its whole length.
class VirtualClock : public LinkClock {
public:
    int64_t now() override { return m_now; }
    short waitReadable(int fd, int64_t maxMs) override;
    void pause(int64_t maxMs) override;

private:
    int64_t m_now = 0;
};

// Installs a clock for the lifetime of this object (tests).
class ScopedLinkClock {
public:
    explicit ScopedLinkClock(LinkClock &clock) { setLinkClock(&clock); }
    ~ScopedLinkClock() { setLinkClock(nullptr); }
    ScopedLinkClock(const ScopedLinkClock &) = delete;
    ScopedLinkClock &operator=(const ScopedLinkClock &) = delete;
};
