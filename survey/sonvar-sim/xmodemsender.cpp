#include "survey/sonvar-sim/xmodemsender.h"

#include "survey/dump/crc16.h"

#include <utility>

namespace {
constexpr uint8_t SOH = 0x01, STX = 0x02, EOT = 0x04, ACK = 0x06, NAK = 0x15, CAN = 0x18;
}

XmodemSender::XmodemSender(QByteArray data, XmodemSenderOptions options)
    : m_data(std::move(data)), m_options(options) {}

int XmodemSender::currentSize() const {
    switch (m_options.blocks) {
    case BlockSizes::Small:
        return 128;
    case BlockSizes::Large:
        return 1024;
    case BlockSizes::Mixed:
        return (m_blockIndex % 2 == 1 && m_data.size() - m_offset >= 1024) ? 1024 : 128;
    }
    return 128;
}

QByteArray XmodemSender::currentBlock() {
    if (m_offset >= m_data.size()) {
        m_state = State::WaitingForEotAck;
        return QByteArray(1, char(EOT));
    }
    const int size = currentSize();
    QByteArray payload = m_data.mid(m_offset, size);
    payload.append(size - payload.size(), char(kFiller));
    QByteArray block;
    block.reserve(size + 5);
    block.append(char(size == 1024 ? STX : SOH));
    block.append(char(m_blockIndex & 0xFF));
    block.append(char(255 - (m_blockIndex & 0xFF)));
    block.append(payload);
    const auto *bytes = reinterpret_cast<const uint8_t *>(payload.constData());
    if (m_crc) {
        const uint16_t crc = Crc16(bytes, size_t(size), 0);
        block.append(char(crc >> 8));
        block.append(char(crc & 0xFF));
    } else {
        uint8_t sum = 0;
        for (int i = 0; i < size; ++i)
            sum = uint8_t(sum + bytes[i]);
        block.append(char(sum));
    }
    m_state = State::WaitingForBlockAck;
    ++m_blocksSent;
    return block;
}

QByteArray XmodemSender::next() {
    if (m_options.repeatEvery > 0 && m_blockIndex % m_options.repeatEvery == 0 && !m_repeated) {
        // As if our ACK had been lost: the same block once more.
        m_repeated = true;
        return currentBlock();
    }
    m_repeated = false;
    m_offset += currentSize();
    ++m_blockIndex;
    return currentBlock();
}

QByteArray XmodemSender::cancelled() {
    m_state = State::Done;
    return {};
}

QByteArray XmodemSender::onByte(uint8_t byte) {
    const uint8_t previous = std::exchange(m_previous, byte);
    if (byte == CAN && previous == CAN && m_state != State::Done && m_state != State::Cancelling)
        return cancelled();
    switch (m_state) {
    case State::WaitingForRequest:
        if ((byte == 'C' && !m_options.checksumOnly) || byte == NAK) {
            if (m_options.cancel) {
                // Whatever the receiver still sends belongs to the transfer,
                // up to its own cancel sequence (CAN ... BS ...).
                m_state = State::Cancelling;
                return QByteArray(2, char(CAN));
            }
            m_crc = byte == 'C';
            return currentBlock();
        }
        return {};
    case State::WaitingForBlockAck:
        if (byte == ACK)
            return next();
        if (byte == NAK || byte == 'C') {
            // Until the first block is through, the receiver's request still
            // chooses the check (it falls back to the checksum after three
            // unanswered requests).
            if (m_offset == 0 && !(byte == 'C' && m_options.checksumOnly))
                m_crc = byte == 'C';
            return currentBlock();
        }
        return {};
    case State::WaitingForEotAck:
        if (byte == ACK) {
            m_state = State::Done;
            m_succeeded = true;
            return {};
        }
        if (byte == NAK || byte == 'C')
            return QByteArray(1, char(EOT));
        return {};
    case State::Cancelling:
        if (byte == 0x08)
            m_state = State::Done;
        return {};
    case State::Done:
        return {};
    }
    return {};
}
