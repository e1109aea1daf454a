#pragma once
// Building memory images the way the instrument lays them out: for the
// tests, the benchmark and simulated instruments.

#include "survey/dump/surveyrecord.h"

#include <array>
#include <string_view>
#include <vector>

// Appends the survey record (0xBF 0xF8, 62 + 2N bytes) of `record`; the bytes
// the conversion does not interpret are filled with `filler`.
void AppendSurveyRecord(std::vector<uint8_t> &image, const SurveyRecord &record,
                        uint8_t filler = 0);

// Appends a record the conversion skips: 12 bytes for a first byte below
// 0x80, 10 bytes for 0x80 to 0xBF. A 0xBF first byte gets a second byte other
// than 0xF8.
void AppendOtherRecord(std::vector<uint8_t> &image, uint8_t firstByte);

// The ten bytes of a packed text; characters outside blank to underscore
// become blanks, and only the first 12 count.
std::array<uint8_t, 10> EncodePackedText(std::string_view text);
