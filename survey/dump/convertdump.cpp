#include "survey/dump/convertdump.h"

#include "survey/dump/crc16.h"
#include "survey/dump/dumpmessages.h"
#include "survey/dump/dumpwalk.h"
#include "survey/dump/surveydocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <memory>
#include <new>

namespace {

class Conversion {
public:
    Conversion(const DumpConversion &conversion, const DumpReport &report)
        : m_in(conversion), m_report(report) {}

    bool run() {
        QFile image(m_in.imagePath);
        if (!image.open(QIODevice::ReadOnly))
            return fail(
                dumpmessages::cantOpen(DumpProblem::CantOpenImage, imageName(), language()));
        QFile archive(m_in.archivePath);
        if (archiving() && !archive.open(QIODevice::WriteOnly | QIODevice::Append))
            return fail(dumpmessages::cantOpen(DumpProblem::CantOpenArchive,
                                               QFileInfo(m_in.archivePath).fileName(), language()));
        progress(60);

        const int64_t imageSize = image.size();
        const int64_t valid = std::max<int64_t>(0, m_in.length.value_or(imageSize));
        const int64_t received = std::min(valid, imageSize);
        std::unique_ptr<uint8_t[]> bytes;
        try {
            bytes = std::make_unique_for_overwrite<uint8_t[]>(size_t(received));
        } catch (const std::bad_alloc &) {
            return fail(dumpmessages::outOfMemory(language()));
        }
        if (image.read(reinterpret_cast<char *>(bytes.get()), received) != received)
            return fail(
                dumpmessages::cantOpen(DumpProblem::CantOpenImage, imageName(), language()));
        image.close();
        if (archiving()) {
            // The archive keeps every image received, good or bad.
            const bool appended =
                archive.write(reinterpret_cast<const char *>(bytes.get()), received) == received &&
                archive.flush();
            if (!appended)
                return fail(dumpmessages::cantWrite(DumpProblem::CantWriteArchive, m_in.archivePath,
                                                    archive.errorString(), language()));
            archive.close();
        }

        if (valid > imageSize)
            return fail(dumpmessages::lengthBeyondImage(valid, imageSize, imageName(), archiving(),
                                                        language()));
        if (m_in.expectedCrc) {
            const uint16_t crc = Crc16(bytes.get(), size_t(received), 0);
            if (*m_in.expectedCrc != int64_t(crc))
                return fail(dumpmessages::crcMismatch(*m_in.expectedCrc, crc));
        }
        progress(70);

        bool incomplete = false;
        if (!writeDocument(bytes.get(), size_t(received), incomplete))
            return false;
        if (incomplete && m_report.message)
            m_report.message(dumpmessages::incompleteLastRecord(language()));
        progress(100);
        if (m_report.pause)
            m_report.pause(50);
        progress(1);
        return true;
    }

private:
    bool writeDocument(const uint8_t *bytes, size_t length, bool &incomplete) {
        QSaveFile file(m_in.documentPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return fail(dumpmessages::cantCreateDocument(language()));
        SurveyDocument document(file);
        const DumpWalkResult walk = WalkDump(bytes, length, [&document](const uint8_t *record) {
            if (!document.failed())
                WriteSurveyBlock(document, DecodeSurveyRecord(record));
        });
        incomplete = walk.incompleteLastRecord;
        if (!document.flush() || !file.commit()) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return fail(dumpmessages::cantWrite(DumpProblem::CantWriteDocument, m_in.documentPath,
                                                reason, language()));
        }
        return true;
    }

    bool archiving() const { return !m_in.archivePath.isEmpty(); }
    DumpLanguage language() const { return m_in.language; }
    QString imageName() const { return QFileInfo(m_in.imagePath).fileName(); }

    void progress(int position) const {
        if (m_report.progress)
            m_report.progress(position);
    }

    bool fail(const DumpMessage &message) const {
        if (m_report.message)
            m_report.message(message);
        return false;
    }

    const DumpConversion &m_in;
    const DumpReport &m_report;
};

} // namespace

DumpLanguage dumpLanguageFromCode(const QString &code) {
    return code == QLatin1String("FR") ? DumpLanguage::French : DumpLanguage::English;
}

bool ConvertImage(const DumpConversion &conversion, const DumpReport &report) {
    return Conversion(conversion, report).run();
}

bool ConvertDump(const QString &documentPath, int64_t announcedLength, int64_t announcedCrc,
                 DumpLanguage language, const DumpReport &report) {
    DumpConversion conversion;
    conversion.imagePath = QStringLiteral("SONVAR.bin");
    conversion.archivePath = QStringLiteral("SONVAR.bak");
    conversion.length = announcedLength;
    conversion.expectedCrc = announcedCrc;
    conversion.documentPath = documentPath;
    conversion.language = language;
    return ConvertImage(conversion, report);
}
