#pragma once
// One survey as the instrument keeps it in its memory, decoded from the
// big-endian survey record of the memory image.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class Sensor : uint8_t { Red, Black };

struct LevelEntry {
    Sensor sensor;
    int16_t tenths; // level in tenths of dBµV, -500 to 32267
};

struct SurveyRecord {
    uint32_t startTime = 0; // seconds since 1970-01-01 00:00:00 UTC
    uint32_t switchBoxSerial = 0;
    uint32_t instrumentSerial = 0;
    uint32_t boardSerial = 0;
    int16_t pressure = 0;             // mBar
    std::optional<int16_t> baseBlack; // tenths of dBµV; absent: no base taken
    std::optional<int16_t> baseRed;
    std::string reference; // 0 to 12 characters, ' ' to '_'
    std::vector<LevelEntry> levels;
};

// Fixed part of a survey record: 50 bytes before the level words and 12
// after them.
constexpr size_t kSurveyRecordFixedBytes = 62;
constexpr size_t kSurveyLevelsOffset = 50;

// Number of level words N announced by a survey record; `bytes` holds at
// least the 62 bytes of the fixed part.
uint32_t SurveyLevelCount(const uint8_t *bytes);

// Decodes one survey record. `bytes` holds the whole record: 62 + 2N bytes,
// N being SurveyLevelCount(bytes).
SurveyRecord DecodeSurveyRecord(const uint8_t *bytes);

// The ten bytes of a packed text: twelve 6-bit codes, each a character from
// blank (32) to underscore (95), trailing blanks removed.
std::string DecodePackedText(const uint8_t *tenBytes);
