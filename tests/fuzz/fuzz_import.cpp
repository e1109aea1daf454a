// Feeds arbitrary bytes to the survey document reader, both with and without
// base-measurement lines, and renders whatever it stored. The reader must end
// in success or an ImportFailure: never a crash, a hang or runaway memory.

#include "kalvo/store/importfailure.h"
#include "kalvo/store/tmd.h"

#include <QFile>
#include <QString>
#include <cstdint>
#include <exception>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const QString path =
        QStringLiteral("/tmp/fuzz_import_%1.VEK").arg(QString::number(getpid()));
    const bool noBase = size > 0 && (data[0] & 1);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    TMD store;
    try {
        store.importSurveyDocument(path, noBase);
    } catch (const ImportFailure &) {
    }
    for (const auto &survey : store.surveyList()) {
        (void)survey->surveyText();
        (void)survey->redValuesText();
        (void)survey->blackValuesText();
        (void)survey->frenchDateText();
        (void)survey->englishDateText();
        (void)survey->time24Text();
        try {
            (void)survey->time12Text();
        } catch (const std::exception &) {
        }
        (void)store.hardwareById(survey->hardwareId());
    }
    return 0;
}
