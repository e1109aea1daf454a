#include "survey/dump/dumpwalk.h"

#include "survey/dump/surveyrecord.h"

namespace {

constexpr uint8_t kSurveyKind = 0xBF;
constexpr uint8_t kSurveySubKind = 0xF8;
constexpr size_t kLowRecordBytes = 12;  // first byte 0x00 to 0x7F
constexpr size_t kHighRecordBytes = 10; // first byte 0x80 to 0xBF

} // namespace

DumpWalkResult WalkDump(const uint8_t *data, size_t length,
                        const std::function<void(const uint8_t *record)> &onSurvey) {
    DumpWalkResult result;
    size_t offset = 0;
    while (offset < length) {
        const uint8_t kind = data[offset];
        if (kind >= 0xC0)
            break;
        const size_t remaining = length - offset;
        if (kind < 0x80) {
            offset += kLowRecordBytes;
            continue;
        }
        if (kind != kSurveyKind || remaining < 2 || data[offset + 1] != kSurveySubKind) {
            offset += kHighRecordBytes;
            continue;
        }
        // 64-bit arithmetic: N may be anything up to 2^32 - 1.
        if (remaining < kSurveyRecordFixedBytes ||
            uint64_t(remaining) <
                kSurveyRecordFixedBytes + 2 * uint64_t(SurveyLevelCount(data + offset))) {
            result.incompleteLastRecord = true;
            break;
        }
        onSurvey(data + offset);
        ++result.surveyCount;
        offset += kSurveyRecordFixedBytes + 2 * size_t(SurveyLevelCount(data + offset));
    }
    result.stopOffset = offset < length ? offset : length;
    return result;
}
