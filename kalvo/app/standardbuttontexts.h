#pragma once
// The toolkit's standard button texts (Ok, Cancel, Yes, No, Close) from the
// table ":/lang/StandardButtons.lang", for a language whose Qt translation is
// missing. Installed before Qt's own translator, so that Qt's texts win
// wherever they exist.

#include <QTranslator>

class StandardButtonTexts : public QTranslator {
public:
    explicit StandardButtonTexts(int language) : m_language(language) {}

    // The text of a row named `sourceText` in the toolkit's context
    // "QPlatformTheme"; a null text for anything else, and in English.
    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    int m_language;
};
