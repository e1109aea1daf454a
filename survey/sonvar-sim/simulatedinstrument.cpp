#include "survey/sonvar-sim/simulatedinstrument.h"

#include "survey/dump/crc16.h"
#include "survey/link/instrumentsession.h"

#include <algorithm>
#include <cstdio>
#include <utility>

SimulatedInstrument::SimulatedInstrument(QByteArray memory, InstrumentOptions options)
    : m_memory(std::move(memory)), m_options(std::move(options)) {}

SimulatedInstrument::~SimulatedInstrument() = default;

QByteArray SimulatedInstrument::downloadAnswer(uint32_t length, uint32_t crc) {
    // The first number is the memory's size in kilobytes, which Survey ignores.
    char text[32];
    std::snprintf(text, sizeof text, "%4u %5x %4x", (length + 1023) / 1024 % 10000,
                  length & 0xFFFFF, crc & 0xFFFF);
    return QByteArray(text);
}

QByteArray SimulatedInstrument::okAnswer() const {
    switch (m_options.okEnding) {
    case InstrumentOptions::OkEnding::Lf:
        return "OK\n";
    case InstrumentOptions::OkEnding::LfCr:
        return "OK\n\r";
    case InstrumentOptions::OkEnding::CrLf:
        return "OK\r\n";
    }
    return "OK\n";
}

QByteArray SimulatedInstrument::onBytes(const QByteArray &received) {
    QByteArray out;
    for (const char byte : received) {
        if (m_sender) {
            out += m_sender->onByte(uint8_t(byte));
            if (m_sender->finished())
                m_sender.reset();
            continue;
        }
        const auto value = uint8_t(byte);
        // Stray protocol bytes (the end of a cancel sequence) are not text.
        if (value < 0x20 && byte != '\n' && byte != '\r' && byte != '\t')
            continue;
        m_log.append(byte);
        if (byte != '\n') {
            m_line.append(byte);
            continue;
        }
        out += onCommand(std::exchange(m_line, {}));
    }
    return out;
}

QByteArray SimulatedInstrument::onCommand(const QByteArray &line) {
    if (m_options.silent)
        return {};
    if (line == "UNLOCK")
        return okAnswer();
    if (line == "DOWNLOAD") {
        if (m_options.downloadAnswer)
            return *m_options.downloadAnswer;
        const auto size = uint32_t(m_memory.size());
        const uint32_t length = m_options.length.value_or(size);
        const uint32_t valid = std::min(length, size);
        const uint32_t crc = m_options.crc.value_or(
            Crc16(reinterpret_cast<const uint8_t *>(m_memory.constData()), valid, 0));
        if (length > 0)
            m_sender = std::make_unique<XmodemSender>(m_memory, m_options.xmodem);
        return downloadAnswer(length, crc);
    }
    if (line == kEraseCommand)
        m_memory.clear();
    return {};
}
