// The Language menu of the main window and the stored language.
#include "kalvo/app/menu.h"

#include "common/inifile.h"
#include "kalvo/app/languages.h"
#include "kalvo/app/preferences.h"

#include <QAction>
#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("Language");
const QString kKey = QStringLiteral("Language");

} // namespace

QAction *TForm1::languageItem(int language) const {
    for (QAction *item : {English1, French1, German1, Italian1, Spanish1, Dutch1, Danish1})
        if (item->data().toInt() == language)
            return item;
    return English1;
}

void TForm1::LanguageItemClick(QAction *item) {
    const int language = item->data().toInt();
    languageDispatcher().setActiveLanguage(language);
    item->setChecked(true);
    writePreference(preferencesPath(), kSection, kKey, languageCode(language));
}

void TForm1::applyStoredLanguage(const QString &path) {
    if (!QFileInfo::exists(path))
        writePreference(path, kSection, kKey, languageCode(LanguageEnglish));
    const QString code = IniFile::readValue(path, kSection, kKey, QString());
    if (code.isEmpty())
        writePreference(path, kSection, kKey, languageCode(LanguageEnglish));
    // Any code but the six others, in exactly their letters, is English; it
    // stays in the file as it is.
    QAction *item = languageItem(languageOfCode(code));
    languageDispatcher().setActiveLanguage(item->data().toInt());
    item->setChecked(true);
}
