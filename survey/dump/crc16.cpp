#include "survey/dump/crc16.h"

#include <array>

namespace {

// Entry i is the CRC of the single byte i.
constexpr std::array<uint16_t, 256> makeTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        uint16_t crc = uint16_t(i << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = uint16_t(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
        table[i] = crc;
    }
    return table;
}

constexpr std::array<uint16_t, 256> kTable = makeTable();

} // namespace

uint16_t Crc16(const uint8_t *data, size_t length, uint16_t initial) {
    uint16_t crc = initial;
    for (size_t i = 0; i < length; ++i)
        crc = uint16_t(kTable[((crc >> 8) ^ data[i]) & 0xFF] ^ (crc << 8));
    return crc;
}
