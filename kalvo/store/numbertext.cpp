#include "kalvo/store/numbertext.h"

#include <QLocale>

QString numberText(double value) {
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15);
}

QString alignedValueText(double value) {
    QString text(QLatin1Char(' '));
    if (value > -10 && value < 10)
        text += QLatin1Char(' ');
    if (value >= 0)
        text += QLatin1Char(' ');
    return text + numberText(value);
}
