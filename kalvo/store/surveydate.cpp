#include "kalvo/store/surveydate.h"

#include <array>

namespace {

struct Word {
    const char *token;
    const char16_t *french;
    const char16_t *english;
};

// The reports' spellings, "Thirsday" and "Aout" included.
constexpr std::array<Word, 7> kWeekdays = {{
    {"Mon", u"Lundi ", u"Monday "},
    {"Tue", u"Mardi ", u"Tuesday "},
    {"Wed", u"Mercredi ", u"Wednesday "},
    {"Thu", u"Jeudi ", u"Thirsday "},
    {"Fri", u"Vendredi ", u"Friday "},
    {"Sat", u"Samedi ", u"Saturday "},
    {"Sun", u"Dimanche ", u"Sunday "},
}};

constexpr std::array<Word, 12> kMonths = {{
    {"Jan", u"Janvier ", u"January "},
    {"Feb", u"F\u00E9vrier ", u"February "},
    {"Mar", u"Mars ", u"March "},
    {"Apr", u"Avril ", u"April "},
    {"May", u"Mai ", u"May "},
    {"Jun", u"Juin ", u"June "},
    {"Jul", u"Juillet ", u"July "},
    {"Aug", u"Aout ", u"August "},
    {"Sep", u"Septembre ", u"September "},
    {"Oct", u"Octobre ", u"October "},
    {"Nov", u"Novembre ", u"November "},
    {"Dec", u"D\u00E9cembre ", u"December "},
}};

template <size_t N>
QString lookUp(const std::array<Word, N> &words, const QString &token, bool french) {
    for (const Word &word : words)
        if (token == QLatin1String(word.token))
            return QString::fromUtf16(french ? word.french : word.english);
    return {};
}

} // namespace

SurveyDateParts splitSurveyDate(const QString &surveyDate) {
    SurveyDateParts parts;
    QString *tokens[] = {&parts.weekday, &parts.day, &parts.month, &parts.year};
    qsizetype start = 0;
    for (QString *token : tokens) {
        const qsizetype blank = surveyDate.indexOf(QLatin1Char(' '), start);
        if (blank < 0) {
            // A missing blank leaves this token and the following ones empty.
            break;
        }
        *token = surveyDate.mid(start, blank - start);
        start = blank + 1;
    }
    // Without any blank the time is read from the start of the text.
    const qsizetype lastBlank = surveyDate.lastIndexOf(QLatin1Char(' '));
    parts.time = surveyDate.mid(lastBlank + 1, 8);
    return parts;
}

QString frenchWeekdayWord(const QString &token) {
    return lookUp(kWeekdays, token, true);
}
QString englishWeekdayWord(const QString &token) {
    return lookUp(kWeekdays, token, false);
}
QString frenchMonthWord(const QString &token) {
    return lookUp(kMonths, token, true);
}
QString englishMonthWord(const QString &token) {
    return lookUp(kMonths, token, false);
}
