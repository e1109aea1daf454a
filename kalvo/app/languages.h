#pragma once
// The interface languages of KALVO. Their numbers are the columns of every
// translation table and the language's identity throughout the program.

#include <QObject>
#include <QString>
#include <memory>

class QTranslator;

enum Language : int {
    LanguageSystem = 1, // a column of the tables, never offered
    LanguageEnglish = 2,
    LanguageFrench = 3,
    LanguageSpanish = 4,
    LanguageItalian = 5,
    LanguageGerman = 6,
    LanguageDutch = 7,
    LanguageDanish = 8,
};
constexpr int kFirstLanguage = LanguageSystem;
constexpr int kLastLanguage = LanguageDanish;
// Active until the stored language is applied, and the fallback of every text
// that a language lacks.
constexpr int kDefaultLanguage = LanguageEnglish;

// The code of a language in preference.ini ("EN", "FR", "SP", "IT", "GER",
// "NL", "DAN"); empty for System.
QString languageCode(int language);
// The language of a code, compared exactly (letter case included); English
// for any other text.
int languageOfCode(const QString &code);

// The one dispatcher of the program: setting its language switches every
// window that carries a translation table, and windows created later start in
// the active language.
class LanguageDispatcher : public QObject {
    Q_OBJECT
public:
    LanguageDispatcher();
    ~LanguageDispatcher() override;

    int activeLanguage() const { return m_language; }
    void setActiveLanguage(int language);

signals:
    void languageChanged(int language);

private:
    // The toolkit's own texts (standard buttons, file dialogs) in the active
    // language, from Qt's translations when they are installed; the standard
    // buttons from the tables where Qt has no text.
    void switchToolkitTexts(int language);

    int m_language = kDefaultLanguage;
    std::unique_ptr<QTranslator> m_toolkitTexts;
    // The tables' standard button texts, asked after Qt's translations.
    std::unique_ptr<QTranslator> m_buttonTexts;
};

LanguageDispatcher &languageDispatcher();
