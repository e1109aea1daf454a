#pragma once
// Receiving side of XMODEM: CRC-16 with automatic fall-back to the arithmetic
// checksum, 128- and 1024-byte blocks in any mix.

#include "survey/link/serialport.h"

#include <QString>

namespace xmodem {
constexpr uint8_t SOH = 0x01; // a 128-byte block follows
constexpr uint8_t STX = 0x02; // a 1024-byte block follows
constexpr uint8_t EOT = 0x04;
constexpr uint8_t ACK = 0x06;
constexpr uint8_t BS = 0x08;
constexpr uint8_t NAK = 0x15;
constexpr uint8_t CAN = 0x18;
constexpr uint8_t CRC_REQUEST = 'C';
} // namespace xmodem

enum XmodemResult : int {
    kXmodemNoMemory = -601,
    kXmodemCantCreateFile = -602,
    kXmodemCantSendNak = -603, // NAK or "C" not sent within 30 seconds
    kXmodemCantSendAck = -604,
    kXmodemCancelled = -606, // the sender sent CAN CAN
    kXmodemCantWriteFile = -607,
    kXmodemNoHeader = -608,      // ten failed waits for a block header in a row
    kXmodemTooManyErrors = -610, // ten errors in a row while receiving blocks
    kXmodemCantCancel = -612,    // the cancel sequence was not sent within 60 seconds
};

// Receives one file on the open `port` into `fileName` (created or truncated,
// whole blocks written, filler of the last block included). Returns 1 after a
// complete transfer, otherwise the negative code of the first error; after a
// failure the partial file stays on disk and the cancel sequence has been
// sent. All waiting runs the idle hook.
int XmodemReceive(SerialPort &port, const QString &fileName);
