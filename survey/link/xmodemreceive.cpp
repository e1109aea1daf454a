#include "survey/link/xmodemreceive.h"

#include "survey/dump/crc16.h"
#include "survey/link/linkclock.h"
#include "survey/link/serialwait.h"

#include <QFile>
#include <array>
#include <memory>
#include <new>

namespace {

using namespace xmodem;

constexpr int kByteWaitMs = 1000;
constexpr int kFirstHeaderWaitMs = 5000;
constexpr int kHeaderWaitMs = 10000;
constexpr int kMaxErrors = 10;
constexpr int kControlRetryMs = 30000;
constexpr int kCancelRetryMs = 60000;

class XmodemTransfer {
public:
    XmodemTransfer(SerialPort &port, const QString &fileName) : m_port(port), m_file(fileName) {}

    int run() {
        m_buffer.reset(new (std::nothrow) uint8_t[1024]);
        if (!m_buffer)
            return kXmodemNoMemory;
        m_port.status = 0;
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            m_result = kXmodemCantCreateFile;
        } else {
            m_filesReceived = 1;
            if (sendNak())
                receiveFile();
            m_file.close();
        }
        if (m_result < 0)
            cancel();
        return m_result < 0 ? m_result : m_filesReceived;
    }

private:
    enum class Step { Block, EndOfTransfer, Failed };

    void receiveFile() {
        for (;;) {
            const Step step = receiveBlock();
            if (step == Step::Failed)
                return;
            if (step == Step::EndOfTransfer) {
                sendControl(ACK, kXmodemCantSendAck); // a lost last ACK is no failure
                m_result = 0;
                return;
            }
            const auto size = qint64(m_blockSize);
            if (m_file.write(reinterpret_cast<const char *>(m_buffer.get()), size) != size) {
                m_result = kXmodemCantWriteFile;
                return;
            }
            m_bytesReceived += size;
            if (!sendControl(ACK, kXmodemCantSendAck))
                return;
            m_errorCount = 0;
        }
    }

    Step receiveBlock() {
        while (m_errorCount < kMaxErrors) {
            if (!waitForHeader()) {
                if (m_result < 0)
                    return Step::Failed;
                continue;
            }
            if (m_header == EOT)
                return Step::EndOfTransfer;
            m_blockSize = m_header == STX ? 1024 : 128;

            const int number = ReadCharTimed(m_port, kByteWaitMs);
            const int complement = number < 0 ? -1 : ReadCharTimed(m_port, kByteWaitMs);
            if (number < 0 || complement < 0 || number != 255 - complement) {
                if (!rejectAndDiscard())
                    return Step::Failed;
                continue;
            }
            if (!readBytes(m_buffer.get(), m_blockSize)) {
                if (!rejectAndDiscard())
                    return Step::Failed;
                continue;
            }
            std::array<uint8_t, 2> check{};
            if (!readBytes(check.data(), m_crcMode ? 2 : 1)) {
                if (!rejectAndDiscard())
                    return Step::Failed;
                continue;
            }

            const int expected = m_blockNumber & 0xFF;
            if (number == ((m_blockNumber - 1) & 0xFF)) {
                // The sender missed our ACK and sent the block again.
                if (!sendControl(ACK, kXmodemCantSendAck))
                    return Step::Failed;
                countError();
                continue;
            }
            if (number != expected) {
                if (!sendNak())
                    return Step::Failed;
                countError();
                continue;
            }
            if (!checkMatches(check)) {
                if (!sendNak())
                    return Step::Failed;
                countError();
                continue;
            }
            ++m_blockNumber;
            return Step::Block;
        }
        m_result = kXmodemTooManyErrors;
        return Step::Failed;
    }

    bool checkMatches(const std::array<uint8_t, 2> &check) const {
        if (m_crcMode)
            return Crc16(m_buffer.get(), size_t(m_blockSize), 0) == (check[0] << 8 | check[1]);
        uint8_t sum = 0;
        for (int i = 0; i < m_blockSize; ++i)
            sum = uint8_t(sum + m_buffer[size_t(i)]);
        return sum == check[0];
    }

    bool readBytes(uint8_t *into, int count) {
        for (int i = 0; i < count; ++i) {
            const int byte = ReadCharTimed(m_port, kByteWaitMs);
            if (byte < 0)
                return false;
            into[i] = uint8_t(byte);
        }
        return true;
    }

    // A damaged block: NAK, let the rest of it go by, count the error.
    bool rejectAndDiscard() {
        if (!sendNak())
            return false;
        discardLine();
        countError();
        return true;
    }

    // True when a header byte (SOH, STX or EOT) arrived. A failed wait has
    // counted its error and sent NAK; m_result is set when the transfer ends.
    bool waitForHeader() {
        const int allowed = m_blockNumber == 1 ? kFirstHeaderWaitMs : kHeaderWaitMs;
        for (int spent = 0; spent < allowed; spent += kByteWaitMs) {
            const int byte = ReadCharTimed(m_port, kByteWaitMs);
            if (byte == kSerialTimeout)
                continue;
            if (byte < 0)
                break;
            const int previous = m_header;
            m_header = byte;
            if (byte == SOH || byte == STX || byte == EOT)
                return true;
            if (byte == CAN) {
                if (previous == CAN) {
                    m_result = kXmodemCancelled;
                    return false;
                }
                break;
            }
            // Not a header: let whatever is coming go by.
            while (ReadCharTimed(m_port, kByteWaitMs) >= 0) {
            }
            break;
        }
        countError();
        if (m_errorCount > 2 && m_blockNumber == 1)
            m_crcMode = false;
        if (!sendNak())
            return false;
        if (m_errorCount >= kMaxErrors)
            m_result = kXmodemNoHeader;
        return false;
    }

    // Throws away what is waiting and whatever keeps coming, until a second
    // goes by in silence (or a NUL byte arrives).
    void discardLine() {
        for (;;) {
            DrainInput(m_port);
            if (ReadCharTimed(m_port, kByteWaitMs) <= 0)
                return;
        }
    }

    void countError() {
        ++m_errorCount;
        ++m_totalErrors;
    }

    // While the first block is awaited the request says which check is
    // wanted: "C" for CRC, NAK for the checksum. Later it is always NAK.
    bool sendNak() {
        const uint8_t request = (m_blockNumber == 1 && m_crcMode) ? CRC_REQUEST : NAK;
        return sendControl(request, kXmodemCantSendNak);
    }

    bool sendControl(uint8_t byte, int failure) {
        if (writeWithin(&byte, 1, kControlRetryMs))
            return true;
        m_result = failure;
        return false;
    }

    // Writes all bytes, retrying while the transmit queue is full.
    bool writeWithin(const uint8_t *bytes, int count, int ms) {
        const int64_t end = linkClock().now() + ms;
        int sent = 0;
        for (;;) {
            m_port.status = 0;
            const int result = WriteBuffer(m_port, bytes + sent, count - sent);
            if (result == kSerialOk)
                return true;
            if (result != kSerialQueueFull || linkClock().now() >= end)
                return false;
            sent += m_port.lastCount;
            RunIdleHook(m_port);
            linkClock().pause(end - linkClock().now());
        }
    }

    void cancel() {
        std::array<uint8_t, 20> sequence{};
        sequence.fill(CAN);
        std::fill(sequence.begin() + 10, sequence.end(), BS);
        if (!writeWithin(sequence.data(), int(sequence.size()), kCancelRetryMs))
            m_result = kXmodemCantCancel;
        PauseLink(m_port, 1000);
        DrainInput(m_port);
    }

    SerialPort &m_port;
    QFile m_file;
    std::unique_ptr<uint8_t[]> m_buffer;
    int m_blockNumber = 1;
    qint64 m_bytesReceived = 0;
    int m_blockSize = 128;
    bool m_crcMode = true;
    int m_header = -1;
    int m_errorCount = 0;
    int m_totalErrors = 0;
    int m_result = 0;
    int m_filesReceived = 0;
};

} // namespace

int XmodemReceive(SerialPort &port, const QString &fileName) {
    return XmodemTransfer(port, fileName).run();
}
