#include "survey/link/serialwait.h"

#include "survey/link/linkclock.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstring>

namespace {

// Runs the pending Qt events, at most once per slice of the real clock: a
// line that brings a byte every millisecond would otherwise have the event
// loop polled as often, for nothing a user could notice.
int defaultIdleHook(SerialPort &) {
    using namespace std::chrono;
    static steady_clock::time_point last;
    const auto now = steady_clock::now();
    if (QCoreApplication::instance() && now - last >= milliseconds(RealClock::kSliceMs)) {
        last = now;
        QCoreApplication::processEvents();
    }
    return 0;
}

IdleHook &idleHook() {
    static IdleHook hook = defaultIdleHook;
    return hook;
}

class Deadline {
public:
    explicit Deadline(int ms) : m_unlimited(ms < 0), m_end(linkClock().now() + std::max(ms, 0)) {}
    bool passed() const { return !m_unlimited && linkClock().now() >= m_end; }
    int64_t remaining() const {
        return m_unlimited ? -1 : std::max<int64_t>(0, m_end - linkClock().now());
    }

private:
    bool m_unlimited;
    int64_t m_end;
};

// One turn of a wait: the idle hook, then (unless the time is up) a short
// block on the port. kSerialOk to go on, kSerialTimeout when the time is up,
// or the error that ended the wait.
int idleTurn(SerialPort &port, const Deadline &deadline) {
    const int hook = RunIdleHook(port);
    if (hook < 0) {
        port.status = hook;
        return hook;
    }
    if (deadline.passed())
        return kSerialTimeout;
    const int waited = port.operations->waitForInput(port, deadline.remaining());
    if (waited < 0)
        return waited;
    return port.status < 0 ? port.status : kSerialOk;
}

} // namespace

void SetIdleHook(IdleHook hook) {
    idleHook() = hook ? std::move(hook) : defaultIdleHook;
}

int RunIdleHook(SerialPort &port) {
    return idleHook()(port);
}

int ReadCharTimed(SerialPort &port, int ms) {
    const Deadline deadline(ms);
    while (ReceivedCount(port) <= 0) {
        const int turn = idleTurn(port, deadline);
        if (turn < 0)
            return turn;
    }
    return ReadChar(port);
}

int ReadLine(SerialPort &port, char *buffer, int size, int terminator, int ms) {
    if (size < 2 || terminator > 255 || terminator < -2) {
        port.status = kSerialBadArgument;
        return kSerialBadArgument;
    }
    const Deadline deadline(ms);
    int stored = 0;
    bool heldCr = false;
    auto finish = [&](int result) {
        buffer[stored] = '\0';
        port.lastCount = stored;
        return result;
    };
    auto store = [&](char byte) {
        if (stored >= size - 1) {
            port.status = kSerialLineTooLong;
            return false;
        }
        buffer[stored++] = byte;
        return true;
    };
    for (;;) {
        const int byte = ReadChar(port);
        if (byte < 0) {
            const int turn = idleTurn(port, deadline);
            if (turn == kSerialOk)
                continue;
            if (turn == kSerialTimeout && heldCr && terminator >= 0 && !store('\r'))
                return finish(kSerialLineTooLong);
            return finish(turn);
        }
        if (heldCr) {
            heldCr = false;
            if (terminator < 0 && byte == '\n')
                return finish(port.status);
            if (!store('\r'))
                return finish(kSerialLineTooLong);
        }
        if (byte == terminator)
            return finish(port.status);
        if (byte == '\r') {
            heldCr = true;
            continue;
        }
        if (!store(char(byte)))
            return finish(kSerialLineTooLong);
    }
}

int ReadExactly(SerialPort &port, uint8_t *buffer, int count, int ms,
                const std::function<bool(const uint8_t *, int)> &complete) {
    const Deadline deadline(ms);
    int received = 0;
    port.lastCount = 0;
    while (received < count) {
        if (ReceivedCount(port) <= 0) {
            const int turn = idleTurn(port, deadline);
            if (turn < 0) {
                port.lastCount = received;
                return turn;
            }
            continue;
        }
        if (ReadBuffer(port, buffer + received, count - received) == kSerialOk)
            received += port.lastCount;
        port.lastCount = received;
        if (port.status < 0)
            return port.status;
        if (complete && complete(buffer, received))
            return kSerialOk;
    }
    port.lastCount = received;
    return kSerialOk;
}

int SendString(SerialPort &port, const char *text, int terminator) {
    if (terminator > 255 || terminator < -2) {
        port.status = kSerialBadArgument;
        return kSerialBadArgument;
    }
    const int length = int(std::strlen(text));
    if (length > 0)
        WriteBuffer(port, reinterpret_cast<const uint8_t *>(text), length);
    if (port.status < 0)
        return port.status;
    if (terminator >= 0) {
        WriteChar(port, uint8_t(terminator));
    } else if (terminator == -2) {
        static const uint8_t crlf[2] = {'\r', '\n'};
        WriteBuffer(port, crlf, 2);
    }
    return port.status;
}

void DrainInput(SerialPort &port) {
    uint8_t discard[64];
    while (ReadBuffer(port, discard, int(sizeof discard)) == kSerialOk && port.lastCount > 0) {
    }
}

void PauseLink(SerialPort &port, int ms) {
    const Deadline deadline(ms);
    while (!deadline.passed()) {
        RunIdleHook(port);
        linkClock().pause(deadline.remaining());
    }
}
