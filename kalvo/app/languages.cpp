#include "kalvo/app/languages.h"

#include "kalvo/app/standardbuttontexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <array>

namespace {

// Indexed by language number.
const std::array<const char *, kLastLanguage + 1> kCodes = {"",   "",    "EN", "FR", "SP",
                                                            "IT", "GER", "NL", "DAN"};
// The language's name in Qt's translation files.
const std::array<const char *, kLastLanguage + 1> kQtNames = {"",   "",   "",   "fr", "es",
                                                              "it", "de", "nl", "da"};

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

LanguageDispatcher::LanguageDispatcher() = default;

LanguageDispatcher::~LanguageDispatcher() = default;

void LanguageDispatcher::setActiveLanguage(int language) {
    if (language < kFirstLanguage || language > kLastLanguage)
        language = kDefaultLanguage;
    m_language = language;
    switchToolkitTexts(language);
    emit languageChanged(language);
}

void LanguageDispatcher::switchToolkitTexts(int language) {
    for (auto *texts : {&m_toolkitTexts, &m_buttonTexts})
        if (*texts) {
            QCoreApplication::removeTranslator(texts->get());
            texts->reset();
        }
    const QLatin1String name(kQtNames[size_t(language)]);
    if (name.isEmpty() || !QCoreApplication::instance())
        return;
    // Installed first, so asked last: Qt's own texts win where they exist.
    auto buttons = std::make_unique<StandardButtonTexts>(language);
    if (QCoreApplication::installTranslator(buttons.get()))
        m_buttonTexts = std::move(buttons);
    auto texts = std::make_unique<QTranslator>();
    if (texts->load(QStringLiteral("qtbase_") + name,
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(texts.get()))
        m_toolkitTexts = std::move(texts);
}

LanguageDispatcher &languageDispatcher() {
    static LanguageDispatcher dispatcher;
    return dispatcher;
}
