#pragma once
// The SONVAR instrument as Survey sees it on the serial line: it answers
// "UNLOCK" with "OK", "DOWNLOAD" with the length and CRC-16 of its memory and
// then sends the memory by XMODEM; it takes the empty line, the erase command
// (after which its memory is empty) and "LOCK". Options give it the quirks
// the tests need. Like the XMODEM sender it is driven by the bytes it
// receives, so the program sonvar-sim and the tests share it.

#include "survey/sonvar-sim/xmodemsender.h"

#include <QByteArray>
#include <cstdint>
#include <memory>
#include <optional>

struct InstrumentOptions {
    enum class OkEnding { Lf, LfCr, CrLf };
    OkEnding okEnding = OkEnding::Lf;
    bool silent = false;                      // answers nothing at all
    std::optional<QByteArray> downloadAnswer; // sent instead of the real answer ("BAD\n")
    std::optional<uint32_t> length;           // announced instead of the memory's size
    std::optional<uint32_t> crc;              // announced instead of the real CRC
    XmodemSenderOptions xmodem;
};

class SimulatedInstrument {
public:
    SimulatedInstrument(QByteArray memory, InstrumentOptions options);
    ~SimulatedInstrument();

    // Takes bytes from the line; returns the answer to send.
    QByteArray onBytes(const QByteArray &received);
    // True while the memory is being sent by XMODEM.
    bool transferring() const { return m_sender != nullptr; }
    // Every byte received outside transfers, as received (CR included).
    const QByteArray &commandLog() const { return m_log; }
    bool erased() const { return m_memory.isEmpty(); }

    // The answer to "DOWNLOAD": exactly 15 bytes.
    static QByteArray downloadAnswer(uint32_t length, uint32_t crc);

private:
    QByteArray onCommand(const QByteArray &line);
    QByteArray okAnswer() const;

    QByteArray m_memory;
    InstrumentOptions m_options;
    QByteArray m_line;
    QByteArray m_log;
    std::unique_ptr<XmodemSender> m_sender;
};
