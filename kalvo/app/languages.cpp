#include "kalvo/app/languages.h"

#include <array>

namespace {

// Indexed by language number.
const std::array<const char *, kLastLanguage + 1> kCodes = {"",   "",    "EN", "FR", "SP",
                                                            "IT", "GER", "NL", "DAN"};

} // namespace

QString languageCode(int language) {
    if (language < kFirstLanguage || language > kLastLanguage)
        return {};
    return QString::fromLatin1(kCodes[size_t(language)]);
}

int languageOfCode(const QString &code) {
    for (int language = LanguageEnglish; language <= kLastLanguage; ++language)
        if (code == QLatin1String(kCodes[size_t(language)]))
            return language;
    return LanguageEnglish;
}

void LanguageDispatcher::setActiveLanguage(int language) {
    if (language < kFirstLanguage || language > kLastLanguage)
        language = kDefaultLanguage;
    m_language = language;
    emit languageChanged(language);
}

LanguageDispatcher &languageDispatcher() {
    static LanguageDispatcher dispatcher;
    return dispatcher;
}
