#include "kalvo/app/standardbuttontexts.h"

#include "kalvo/app/languages.h"
#include "kalvo/app/translationtable.h"

#include <cstring>

QString StandardButtonTexts::translate(const char *context, const char *sourceText,
                                       const char * /*disambiguation*/, int /*n*/) const {
    if (m_language == LanguageEnglish || !context || !sourceText ||
        std::strcmp(context, "QPlatformTheme") != 0)
        return {};
    const TranslationTable &table = TranslationTable::forWindow(QStringLiteral("StandardButtons"));
    const QString row = QString::fromUtf8(sourceText);
    return table.hasRow(row) ? table.text(row, m_language) : QString();
}
