#include "survey/ui/surveypreferences.h"

#include "common/inifile.h"

#include <QDir>

QString preferredLanguageCode(const QString &programFolder) {
    const QString path =
        QDir(programFolder).filePath(QStringLiteral("../Preferences/preference.ini"));
    return IniFile::readValue(QDir::cleanPath(path), QStringLiteral("Language"),
                              QStringLiteral("Language"));
}
