#pragma once
#include <QString>

// The parts of a survey date "Mon 12 Mar 2007 10:20:30": tokens 1 to 4 lie
// between the first four blanks, the time is the 8 characters after the last.
struct SurveyDateParts {
    QString weekday;
    QString day;
    QString month;
    QString year;
    QString time;
};

SurveyDateParts splitSurveyDate(const QString &surveyDate);

// "Lundi ", "Monday "...; empty for a token that is not an English
// three-letter name (compared with letter case).
QString frenchWeekdayWord(const QString &token);
QString englishWeekdayWord(const QString &token);
QString frenchMonthWord(const QString &token);
QString englishMonthWord(const QString &token);
