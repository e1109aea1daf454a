#include "survey/dump/dumpimage.h"

namespace {

void put16(std::vector<uint8_t> &image, uint16_t value) {
    image.push_back(uint8_t(value >> 8));
    image.push_back(uint8_t(value));
}

void put32(std::vector<uint8_t> &image, uint32_t value) {
    put16(image, uint16_t(value >> 16));
    put16(image, uint16_t(value));
}

uint16_t encodeBase(const std::optional<int16_t> &base) {
    return base ? uint16_t(uint16_t(*base) + 500) : uint16_t(500);
}

} // namespace

void AppendSurveyRecord(std::vector<uint8_t> &image, const SurveyRecord &record, uint8_t filler) {
    image.push_back(0xBF);
    image.push_back(0xF8);
    image.insert(image.end(), 4, filler);
    put32(image, record.startTime);
    put32(image, uint32_t(record.levels.size()));
    image.insert(image.end(), 4, filler);
    put32(image, record.switchBoxSerial);
    put32(image, record.instrumentSerial);
    put32(image, record.boardSerial);
    put16(image, uint16_t(record.pressure));
    put16(image, encodeBase(record.baseBlack));
    put16(image, encodeBase(record.baseRed));
    const std::array<uint8_t, 10> reference = EncodePackedText(record.reference);
    image.insert(image.end(), reference.begin(), reference.end());
    image.insert(image.end(), 4, filler);
    for (const LevelEntry &level : record.levels)
        put16(image, uint16_t((level.sensor == Sensor::Black ? 0x8000 : 0) |
                              ((level.tenths + 500) & 0x7FFF)));
    image.insert(image.end(), 12, filler);
}

void AppendOtherRecord(std::vector<uint8_t> &image, uint8_t firstByte) {
    image.push_back(firstByte);
    if (firstByte < 0x80) {
        image.insert(image.end(), 11, 0x5A);
        return;
    }
    image.push_back(firstByte == 0xBF ? 0xF7 : 0xF8);
    image.insert(image.end(), 8, 0xA5);
}

std::array<uint8_t, 10> EncodePackedText(std::string_view text) {
    std::array<uint8_t, 10> bytes{};
    for (size_t i = 0; i < 12; ++i) {
        const char character = i < text.size() ? text[i] : ' ';
        const unsigned code = character >= ' ' && character <= '_' ? unsigned(character - ' ') : 0u;
        // Code i occupies the six bits that start 4 + 6 i bits from the top.
        for (int bit = 0; bit < 6; ++bit) {
            if (code & (0x20u >> bit)) {
                const size_t position = 4 + 6 * i + size_t(bit);
                bytes[position / 8] |= uint8_t(0x80u >> (position % 8));
            }
        }
    }
    return bytes;
}
