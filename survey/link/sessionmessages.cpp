#include "survey/link/sessionmessages.h"

#include <QFileInfo>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool french(DumpLanguage language) {
    return language == DumpLanguage::French;
}

QString groupOf(const QString &device) {
    struct stat info {};
    if (::stat(QFile::encodeName(device).constData(), &info) != 0)
        return {};
    if (const group *owner = ::getgrgid(info.st_gid))
        return QString::fromLocal8Bit(owner->gr_name);
    return QString::number(info.st_gid);
}

// Why the port could not be used, for the user who can do something about it.
QString openFailure(const SerialPort &port, DumpLanguage language) {
    if (port.status == kSerialNotFound)
        return french(language) ? QStringLiteral("Périphérique introuvable : %1").arg(port.device)
                                : QStringLiteral("Device not found: %1").arg(port.device);
    if (port.status != kSerialAccessDenied)
        return {};
    const QByteArray path = QFile::encodeName(port.device);
    if (::access(path.constData(), R_OK | W_OK) != 0) {
        const QString group = groupOf(port.device);
        return french(language)
                   ? QStringLiteral("Accès refusé à %1 : ajoutez l'utilisateur au groupe « %2 » "
                                    "puis ouvrez une nouvelle session.")
                         .arg(port.device, group)
                   : QStringLiteral("Permission denied on %1: add the user to the group \"%2\" "
                                    "and log in again.")
                         .arg(port.device, group);
    }
    return french(language)
               ? QStringLiteral("%1 est utilisé par un autre programme.").arg(port.device)
               : QStringLiteral("%1 is in use by another program.").arg(port.device);
}

} // namespace

namespace sessionmessages {

QString noResponse(DumpLanguage language, const SerialPort *unopened) {
    QString text = french(language) ? QStringLiteral("Pas de réponde du SONVAR")
                                    : QStringLiteral("No response of SONVAR");
    const QString why = unopened ? openFailure(*unopened, language) : QString();
    if (!why.isEmpty())
        text += u'\n' + why;
    return text;
}

QString noMeasurements(DumpLanguage language) {
    return french(language) ? QStringLiteral("Le SONVAR ne contient pas de mesures")
                            : QStringLiteral("No measurements in SONVAR");
}

QString noDownloadAllowed(DumpLanguage language) {
    return french(language) ? QStringLiteral("Le téléchargement de données n'est pas autorisé !!!")
                            : QStringLiteral("No download allowed !!!\n");
}

QString transferError(int code, DumpLanguage language) {
    return (french(language) ? QStringLiteral("Erreur lors du transfert de fichier %1")
                             : QStringLiteral("Error in file transfer %1"))
        .arg(code);
}

} // namespace sessionmessages
