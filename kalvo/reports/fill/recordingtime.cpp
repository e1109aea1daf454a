#include "kalvo/reports/fill/recordingtime.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>

QString recordingTimeText(int nbMeasurements) {
    const double minutes = nbMeasurements * (1.0 / 60);
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    // Rounded once, to whichever is coarser: three significant digits or one
    // decimal. Below 100 that is the decimal; from 100 on the units.
    if (std::abs(minutes) < 99.95)
        return locale.toString(minutes, 'f', 1);
    const double units = std::round(minutes);
    if (std::abs(units) < 1000)
        return locale.toString(units, 'f', 1);
    // d.ddE+ddd, as fixed-point notation falls back to when three digits do
    // not hold the integer part.
    const int exponent = int(std::floor(std::log10(std::abs(minutes))));
    double mantissa = std::round(minutes / std::pow(10.0, exponent - 2)) / 100;
    int shown = exponent;
    if (std::abs(mantissa) >= 10) {
        mantissa /= 10;
        ++shown;
    }
    return locale.toString(mantissa, 'f', 2) + QStringLiteral("E+") +
           QStringLiteral("%1").arg(shown, 3, 10, QLatin1Char('0'));
}
