#include "survey/dump/dumpmessages.h"

namespace dumpmessages {

namespace {

DumpMessage failure(DumpProblem problem, DumpLanguage language, const QString &english,
                    const QString &french) {
    return DumpMessage{problem, false, language == DumpLanguage::French ? french : english};
}

} // namespace

DumpMessage cantOpen(DumpProblem problem, const QString &fileName, DumpLanguage language) {
    return failure(problem, language, QStringLiteral("Can't open file ") + fileName,
                   QStringLiteral("Impossible d'ouvrir le fichier ") + fileName);
}

DumpMessage cantCreateDocument(DumpLanguage language) {
    return failure(DumpProblem::CantCreateDocument, language, QStringLiteral("Can't open file"),
                   QStringLiteral("Impossible d'ouvrir le fichier"));
}

DumpMessage cantWrite(DumpProblem problem, const QString &path, const QString &reason,
                      DumpLanguage language) {
    return failure(
        problem, language, QStringLiteral("Error while writing the file %1:\n%2").arg(path, reason),
        QStringLiteral("Erreur lors de l'écriture du fichier %1 :\n%2").arg(path, reason));
}

DumpMessage outOfMemory(DumpLanguage language) {
    return failure(DumpProblem::OutOfMemory, language,
                   QStringLiteral("Insufficient memory available\n"),
                   QStringLiteral("Mémoire disponible insuffisante\n"));
}

DumpMessage lengthBeyondImage(int64_t announced, int64_t available, const QString &imageName,
                              bool archived, DumpLanguage language) {
    QString english = QStringLiteral("The SONVAR announced %1 bytes of measurements, but %2 "
                                     "holds only %3 bytes.")
                          .arg(announced)
                          .arg(imageName)
                          .arg(available);
    QString french = QStringLiteral("Le SONVAR a annoncé %1 octets de mesures, mais %2 n'en "
                                    "contient que %3.")
                         .arg(announced)
                         .arg(imageName)
                         .arg(available);
    if (archived) {
        english += QStringLiteral("\nThe bytes received were archived in SONVAR.bak.");
        french += QStringLiteral("\nLes octets reçus ont été archivés dans SONVAR.bak.");
    }
    return failure(DumpProblem::LengthBeyondImage, language, english, french);
}

DumpMessage crcMismatch(int64_t announced, uint16_t computed) {
    // A negative value is shown as the 32-bit number the instrument's answer
    // was read into.
    const uint64_t shown = announced < 0 ? uint64_t(uint32_t(announced)) : uint64_t(announced);
    const QString text =
        QString::asprintf("CRC error: dBaseCRC = 0x%2llx  crc = 0x%2x ",
                          static_cast<unsigned long long>(shown), unsigned(computed));
    return DumpMessage{DumpProblem::CrcMismatch, false, text};
}

DumpMessage incompleteLastRecord(DumpLanguage language) {
    DumpMessage message = failure(
        DumpProblem::IncompleteLastRecord, language,
        QStringLiteral("The last survey in the SONVAR's memory is incomplete and was skipped; "
                       "the surveys before it were written."),
        QStringLiteral("La dernière mesure de la mémoire du SONVAR est incomplète et a été "
                       "ignorée ; les mesures précédentes ont été écrites."));
    message.warning = true;
    return message;
}

} // namespace dumpmessages
