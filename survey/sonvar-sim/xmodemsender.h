#pragma once
// The sending side of XMODEM, as the SONVAR instrument runs it: it waits for
// the receiver's request ("C" for CRC-16, NAK for the checksum), sends the
// data in numbered blocks of 128 or 1024 bytes (the last one filled up with
// SUB bytes), repeats a block on NAK and ends with EOT. It is driven by the
// bytes it receives and answers with the bytes to send, so it runs the same
// over a pseudo-terminal and on a fake line inside a test.

#include <QByteArray>

enum class BlockSizes { Small, Large, Mixed }; // 128, 1024, or both in turn

struct XmodemSenderOptions {
    BlockSizes blocks = BlockSizes::Large;
    bool checksumOnly = false; // ignores "C": only a NAK starts the transfer
    int repeatEvery = 0;       // n > 0: every n-th block is sent twice
    bool cancel = false;       // answers the request with CAN CAN
};

class XmodemSender {
public:
    XmodemSender(QByteArray data, XmodemSenderOptions options);

    // Takes one byte from the receiver; returns what goes on the line.
    QByteArray onByte(uint8_t byte);
    // The receiver acknowledged the EOT, or the transfer was cancelled.
    bool finished() const { return m_state == State::Done; }
    bool succeeded() const { return m_succeeded; }
    int blocksSent() const { return m_blocksSent; }
    // Bytes of the blocks acknowledged so far, filler included.
    int lengthAcknowledged() const { return m_offset; }

    static constexpr uint8_t kFiller = 0x1A;

private:
    enum class State { WaitingForRequest, WaitingForBlockAck, WaitingForEotAck, Cancelling, Done };
    QByteArray currentBlock();
    int currentSize() const;
    QByteArray next();
    QByteArray cancelled();

    QByteArray m_data;
    XmodemSenderOptions m_options;
    State m_state = State::WaitingForRequest;
    bool m_crc = true;
    bool m_succeeded = false;
    bool m_repeated = false;
    int m_offset = 0;     // first byte of the current block
    int m_blockIndex = 1; // 1 for the first block; sent modulo 256
    int m_blocksSent = 0;
    uint8_t m_previous = 0;
};
