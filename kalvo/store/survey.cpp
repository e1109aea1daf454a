#include "kalvo/store/survey.h"

#include "kalvo/store/numberparse.h"
#include "kalvo/store/numbertext.h"
#include "kalvo/store/surveydate.h"

#include <algorithm>
#include <stdexcept>

namespace {

QString baseText(double value, bool absent) {
    return absent ? QStringLiteral("--.-") : numberText(value);
}

} // namespace

size_t Survey::listedCount() const {
    return m_nbMeasurements <= 0 ? 0 : std::min(m_dataList.size(), size_t(m_nbMeasurements));
}

QString Survey::surveyText() const {
    QString text = QStringLiteral("Survey started on ") + m_surveyDate + QStringLiteral("\n\n");
    text += QStringLiteral("Measurements number = ") + QString::number(m_nbMeasurements) +
            QLatin1Char('\n');
    text += QStringLiteral("Pressure = ") + QString::number(m_pressure) + QStringLiteral(" mBar\n");
    if (!m_noBaseValues) {
        text += QStringLiteral("Base measurement for black sensor = ") +
                baseText(m_blackValue, m_noBlackBase) + QStringLiteral(" db\u00B5V\n");
        text += QStringLiteral("Base measurement for red sensor = ") +
                baseText(m_redValue, m_noRedBase) + QStringLiteral(" db\u00B5V\n");
    }
    text += QStringLiteral("Reference= ") + m_reference + QLatin1Char('\n');
    const size_t listed = listedCount();
    for (size_t i = 0; i < listed; ++i)
        text += m_dataList[i].valueText();
    text += QLatin1Char('\n');
    return text;
}

QString Survey::valuesText(char sensor) const {
    QString text;
    const size_t listed = listedCount();
    int n = 0;
    for (size_t i = 0; i < listed; ++i) {
        const Data &data = m_dataList[i];
        if (data.sensor() != sensor)
            continue;
        ++n;
        if (n < 10)
            text += QStringLiteral("  ");
        else if (n < 100)
            text += QLatin1Char(' ');
        text += QString::number(n) + QLatin1Char(')') + data.valueText();
    }
    text += QLatin1Char('\n');
    return text;
}

QString Survey::frenchDateText() const {
    const SurveyDateParts parts = splitSurveyDate(m_surveyDate);
    return frenchWeekdayWord(parts.weekday) + parts.day + QLatin1Char(' ') +
           frenchMonthWord(parts.month) + parts.year;
}

QString Survey::englishDateText() const {
    const SurveyDateParts parts = splitSurveyDate(m_surveyDate);
    QString suffix = QStringLiteral("th of ");
    if (parts.day == QLatin1String("01"))
        suffix = QStringLiteral("st of ");
    else if (parts.day == QLatin1String("02"))
        suffix = QStringLiteral("nd of ");
    else if (parts.day == QLatin1String("03"))
        suffix = QStringLiteral("rd of ");
    return englishWeekdayWord(parts.weekday) + parts.day + suffix + englishMonthWord(parts.month) +
           parts.year;
}

QString Survey::time12Text() const {
    const QString time = splitSurveyDate(m_surveyDate).time;
    const QByteArray hourText = time.left(2).toLatin1();
    const std::optional<int32_t> parsedHour =
        parseInteger(std::string_view(hourText.constData(), size_t(hourText.size())));
    if (!parsedHour)
        throw std::invalid_argument("'" + hourText.toStdString() +
                                    "' is not a valid integer value");
    int32_t hour = *parsedHour;
    QString suffix = QStringLiteral("am");
    if (hour > 11) {
        suffix = QStringLiteral("pm");
        if (hour > 12)
            hour -= 12;
    }
    return QString::number(hour) + time.mid(2, 6) + QLatin1Char(' ') + suffix;
}

QString Survey::time24Text() const {
    return splitSurveyDate(m_surveyDate).time;
}
