// The XMODEM receiver fed by an arbitrary sender. The input is a script of
// chunks, each a two-byte length (big-endian) followed by that many bytes
// (fewer at the end of the input); chunk k arrives
// on the line right after the receiver's k-th write (its "C", NAK or ACK),
// all in virtual time.

#include "survey/link/linkclock.h"
#include "survey/link/serialport.h"
#include "survey/link/xmodemreceive.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace {

class ScriptedSender : public SerialDevice {
public:
    ScriptedSender(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    int readChar(SerialPort &) override {
        if (m_incoming.isEmpty())
            return kSerialTimeout;
        const auto byte = uint8_t(m_incoming.front());
        m_incoming.remove(0, 1);
        return byte;
    }
    int readBuffer(SerialPort &port, uint8_t *buffer, int count) override {
        const int taken = std::min<int>(count, int(m_incoming.size()));
        port.lastCount = taken;
        if (taken == 0)
            return kSerialTimeout;
        std::copy_n(m_incoming.constData(), taken, buffer);
        m_incoming.remove(0, taken);
        return kSerialOk;
    }
    int writeBuffer(SerialPort &port, const uint8_t *, int count) override {
        port.lastCount = count;
        for (int i = 0; i < count; ++i)
            releaseChunk();
        return kSerialOk;
    }
    int receivedCount(SerialPort &) override { return int(m_incoming.size()); }
    int clearTransmitQueue(SerialPort &) override { return kSerialOk; }
    int setPortParameters(SerialPort &, long, char, int, int) override { return kSerialOk; }
    int waitForInput(SerialPort &, int64_t maxMs) override {
        if (m_incoming.isEmpty())
            linkClock().waitReadable(-1, maxMs);
        return kSerialOk;
    }

private:
    void releaseChunk() {
        if (m_offset + 2 > m_size) {
            m_offset = m_size;
            return;
        }
        const size_t wanted = size_t(m_data[m_offset]) << 8 | m_data[m_offset + 1];
        const size_t length = std::min(wanted, m_size - m_offset - 2);
        m_incoming.append(reinterpret_cast<const char *>(m_data + m_offset + 2), qsizetype(length));
        m_offset += 2 + length;
    }

    const uint8_t *m_data;
    size_t m_size;
    size_t m_offset = 0;
    QByteArray m_incoming;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const QString file =
        QDir::tempPath() + QStringLiteral("/fuzz_xmodem-%1.bin").arg(::getpid());
    VirtualClock clock;
    ScopedLinkClock use(clock);
    auto port = AttachPort(std::make_unique<ScriptedSender>(data, size));
    const int result = XmodemReceive(*port, file);
    if (result != 1 && (result > 0 || result < -612))
        __builtin_trap(); // a result outside the codes of the receiver
    QFile received(file);
    if (result == 1 && received.size() % 128 != 0)
        __builtin_trap(); // only whole blocks are ever written
    return 0;
}
