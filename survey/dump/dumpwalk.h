#pragma once
// The walk over the records of a memory image.

#include <cstddef>
#include <cstdint>
#include <functional>

struct DumpWalkResult {
    size_t surveyCount = 0;
    // A survey record ran past the end of the valid bytes; the walk stopped
    // at its start and it was not handed on.
    bool incompleteLastRecord = false;
    // Offset where the walk stopped: an end-of-records byte, the end of the
    // valid bytes, or the start of the incomplete record.
    size_t stopOffset = 0;
};

// Walks the records of the first `length` bytes of `data` from offset 0:
// other records are skipped by their lengths (12 bytes for a first byte
// below 0x80, 10 bytes for 0x80 to 0xBF unless the record starts 0xBF 0xF8),
// each survey record (0xBF 0xF8, 62 + 2N bytes) is handed to `onSurvey`,
// and the walk stops at the first byte of 0xC0 or above. Nothing beyond
// `length` is ever read: a record that runs past it ends the walk.
DumpWalkResult WalkDump(const uint8_t *data, size_t length,
                        const std::function<void(const uint8_t *record)> &onSurvey);
