#include "survey/dump/surveyrecord.h"

namespace {

uint16_t bigEndian16(const uint8_t *bytes) {
    return uint16_t(bytes[0] << 8 | bytes[1]);
}

uint32_t bigEndian32(const uint8_t *bytes) {
    return uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 | uint32_t(bytes[2]) << 8 |
           uint32_t(bytes[3]);
}

// The instrument stores a base as its tenths plus 500; 500 itself means that
// no base was measured. The sum wraps within 16 bits.
constexpr uint16_t kNoBaseMarker = 500;

std::optional<int16_t> decodeBase(uint16_t raw) {
    if (raw == kNoBaseMarker)
        return std::nullopt;
    return int16_t(uint16_t(raw - kNoBaseMarker));
}

LevelEntry decodeLevel(uint16_t word) {
    const Sensor sensor = word & 0x8000 ? Sensor::Black : Sensor::Red;
    return LevelEntry{sensor, int16_t(int(word & 0x7FFF) - 500)};
}

} // namespace

uint32_t SurveyLevelCount(const uint8_t *bytes) {
    return bigEndian32(bytes + 10);
}

SurveyRecord DecodeSurveyRecord(const uint8_t *bytes) {
    SurveyRecord record;
    record.startTime = bigEndian32(bytes + 6);
    record.switchBoxSerial = bigEndian32(bytes + 18);
    record.instrumentSerial = bigEndian32(bytes + 22);
    record.boardSerial = bigEndian32(bytes + 26);
    record.pressure = int16_t(bigEndian16(bytes + 30));
    record.baseBlack = decodeBase(bigEndian16(bytes + 32));
    record.baseRed = decodeBase(bigEndian16(bytes + 34));
    record.reference = DecodePackedText(bytes + 36);
    const uint32_t count = SurveyLevelCount(bytes);
    record.levels.reserve(count);
    const uint8_t *word = bytes + kSurveyLevelsOffset;
    for (uint32_t i = 0; i < count; ++i, word += 2)
        record.levels.push_back(decodeLevel(bigEndian16(word)));
    return record;
}

std::string DecodePackedText(const uint8_t *tenBytes) {
    // Bits 75 to 4 of the 80-bit number hold the codes, the first character
    // in the highest bits: code i starts at bit 75 - 6 i, counted from the
    // top of the first byte as bit 4 + 6 i.
    std::string text(12, ' ');
    for (int i = 0; i < 12; ++i) {
        const int firstBit = 4 + 6 * i; // 0 is the top bit of byte 0
        const int byte = firstBit / 8;
        const int shift = firstBit % 8;
        // The code spans at most two bytes; read them as one 16-bit window.
        const unsigned window =
            unsigned(tenBytes[byte]) << 8 | (byte + 1 < 10 ? unsigned(tenBytes[byte + 1]) : 0u);
        const unsigned code = (window >> (16 - shift - 6)) & 0x3F;
        text[size_t(i)] = char(code + 32);
    }
    const size_t last = text.find_last_not_of(' ');
    text.resize(last == std::string::npos ? 0 : last + 1);
    return text;
}
