#pragma once
#include <cstddef>
#include <cstdint>

// CRC-16/XMODEM: polynomial 0x1021, most significant bit first, no final
// inversion. Callers pass 0 as the initial value; passing a previous result
// continues the computation over more bytes.
uint16_t Crc16(const uint8_t *data, size_t length, uint16_t initial);
