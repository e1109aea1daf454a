#include "kalvo/app/preferences.h"

#include "common/inifile.h"
#include "kalvo/app/kalvoerror.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString &folderOverride() {
    static QString folder;
    return folder;
}

} // namespace

QString programFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder) {
    folderOverride() = folder;
}

void enterProgramFolder() {
    QDir::setCurrent(programFolder());
}

QString preferencesPath() {
    return programFolder() + QStringLiteral("/Preferences/preference.ini");
}

void writePreference(const QString &path, const QString &section, const QString &key,
                     const QString &value) {
    if (!IniFile::writeValue(path, section, key, value))
        throw KalvoError(QStringLiteral("Unable to write to %1").arg(path));
}
