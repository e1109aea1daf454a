// The record walk over arbitrary memory images and lengths: decoding and
// writing every survey found must stay within the valid bytes.
//
// Input: four bytes choosing the valid length (modulo the image size + 1),
// then the image.

#include "survey/dump/dumpwalk.h"
#include "survey/dump/surveydocument.h"

#include <QBuffer>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 4)
        return 0;
    const uint32_t announced = uint32_t(data[0]) << 24 | uint32_t(data[1]) << 16 |
                               uint32_t(data[2]) << 8 | uint32_t(data[3]);
    const size_t imageSize = size - 4;
    const size_t length = announced % (imageSize + 1);
    // Exactly the valid bytes on the heap, so that any read past them is seen.
    const auto image = std::make_unique<uint8_t[]>(length);
    std::copy(data + 4, data + 4 + length, image.get());

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SurveyDocument document(buffer);
    size_t written = 0;
    const DumpWalkResult walk = WalkDump(image.get(), length, [&](const uint8_t *record) {
        const SurveyRecord survey = DecodeSurveyRecord(record);
        if (survey.levels.size() != SurveyLevelCount(record))
            std::abort();
        WriteSurveyBlock(document, survey);
        ++written;
    });
    if (!document.flush() || walk.stopOffset > length || walk.surveyCount != written)
        std::abort();
    return 0;
}
