#include "survey/link/instrumentsession.h"

#include "survey/dump/crc16.h"
#include "survey/link/serialwait.h"
#include "survey/link/sessionmessages.h"
#include "survey/link/xmodemreceive.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr int kAnswerSize = 19; // at most 18 bytes of answer
constexpr int kAnswerWaitMs = 500;
constexpr int kDownloadAnswerBytes = 15;
constexpr int kDownloadAnswerWaitMs = 10000;

class Session {
public:
    explicit Session(InstrumentSession &session) : m_s(session) {}

    int run() {
        m_port = m_s.device.isEmpty() ? OpenPort(m_s.portIndex, 9600, 'N', 8, 1)
                                      : OpenPortDevice(m_s.device, 9600, 'N', 8, 1);
        m_s.openStatus = m_port->status;
        const bool opened = m_port->status >= 0;
        PauseLink(*m_port, 50);
        ClearTransmitQueue(*m_port);
        DrainInput(*m_port);

        const QByteArray unlock = InstrumentCommand(*m_port, "UNLOCK");
        PauseLink(*m_port, 50);
        if (m_port->status < 0 || unlock != "OK") {
            show(sessionmessages::noResponse(m_s.language, opened ? nullptr : m_port.get()));
            return failure();
        }
        progress(10);

        SendString(*m_port, "DOWNLOAD", '\n');
        std::array<uint8_t, kDownloadAnswerBytes + 1> answer{};
        ReadExactly(*m_port, answer.data(), kDownloadAnswerBytes, kDownloadAnswerWaitMs,
                    [](const uint8_t *bytes, int received) {
                        // A refusal is shorter than the 15 bytes: take it as
                        // soon as it is there rather than at the time limit.
                        return received >= 3 && std::memcmp(bytes, "BAD", 3) == 0;
                    });
        const int received = m_port->lastCount;
        if (received >= 3 && std::memcmp(answer.data(), "BAD", 3) == 0) {
            show(sessionmessages::noDownloadAllowed(m_s.language));
            InstrumentCommand(*m_port, "LOCK");
            progress(0);
            PauseLink(*m_port, 50);
            return failure();
        }
        if (!parseDownloadAnswer(answer.data(), received) || m_s.announcedLength <= 0) {
            show(sessionmessages::noMeasurements(m_s.language));
            InstrumentCommand(*m_port, "LOCK");
            progress(0);
            PauseLink(*m_port, 150);
            return failure();
        }

        const int transfer = XmodemReceive(*m_port, m_s.imageFile);
        if (transfer < 0) {
            // The instrument keeps its memory and stays unlocked.
            show(sessionmessages::transferError(transfer, m_s.language));
            return failure();
        }

        // The instrument's memory is erased only when the copy received is
        // proven good; otherwise it stays there for another download, and
        // the conversion reports what is wrong with this one.
        m_s.imageVerified =
            ReceivedImageMatches(m_s.imageFile, m_s.announcedLength, m_s.announcedCrc);
        InstrumentCommand(*m_port, "");
        progress(30);
        settle(1000);
        if (m_s.imageVerified) {
            InstrumentCommand(*m_port, kEraseCommand);
            progress(40);
            settle(5000);
        } else {
            progress(40);
        }
        InstrumentCommand(*m_port, "LOCK");
        progress(50);
        PauseLink(*m_port, 150);
        ClosePort(std::move(m_port));
        return 1;
    }

private:
    // Three numbers "%i %x %x" in the bytes received, and nothing else taken
    // for granted: fewer than 15 bytes, or numbers that do not parse, count as
    // an empty memory.
    bool parseDownloadAnswer(const uint8_t *bytes, int received) {
        if (received < kDownloadAnswerBytes)
            return false;
        char text[kDownloadAnswerBytes + 1] = {};
        std::memcpy(text, bytes, kDownloadAnswerBytes);
        // Wide enough that no number of 15 characters can overflow.
        long long ignored = 0;
        unsigned long long length = 0;
        unsigned long long crc = 0;
        if (std::sscanf(text, "%lli %llx %llx", &ignored, &length, &crc) != 3)
            return false;
        if (length > unsigned(std::numeric_limits<int>::max()))
            return false;
        m_s.announcedLength = int(length);
        // A CRC above 0xFFFF never matches; it is kept as such for the message.
        m_s.announcedCrc = int(std::min<unsigned long long>(crc, 0x7FFFFFFF));
        return true;
    }

    void settle(int ms) {
        PauseLink(*m_port, ms);
        ClearTransmitQueue(*m_port);
        DrainInput(*m_port);
    }

    void progress(int position) {
        if (m_s.progress)
            m_s.progress(position);
    }

    void show(const QString &text) {
        if (m_s.message)
            m_s.message(text);
    }

    int failure() {
        ClosePort(std::move(m_port));
        return 0;
    }

    InstrumentSession &m_s;
    std::unique_ptr<SerialPort> m_port;
};

} // namespace

QByteArray InstrumentCommand(SerialPort &port, const char *text) {
    SendString(port, text, '\n');
    if (port.status < 0)
        return QByteArrayLiteral("ERROR");
    char line[kAnswerSize] = {};
    ReadLine(port, line, kAnswerSize, '\n', kAnswerWaitMs);
    if (port.status < 0)
        return QByteArrayLiteral("ERROR");
    const int stored = port.lastCount;
    // Drops one more byte, such as a CR sent after the LF.
    ReadCharTimed(port, kAnswerWaitMs);
    return QByteArray(line, stored);
}

bool ReceivedImageMatches(const QString &imageFile, int length, int crc) {
    if (length <= 0 || crc < 0 || crc > 0xFFFF)
        return false;
    QFile file(imageFile);
    if (!file.open(QIODevice::ReadOnly) || file.size() < length)
        return false;
    const QByteArray bytes = file.read(length);
    if (bytes.size() != length)
        return false;
    return Crc16(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(length), 0) == crc;
}

int RunInstrumentSession(InstrumentSession &session) {
    return Session(session).run();
}
