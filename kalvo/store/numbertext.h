#pragma once
#include <QString>

// Number texts as the user reads them: general format, at most 15 significant
// digits, no trailing zeros, the decimal separator of the user's locale and no
// group separators (23.4, or 23,4 in a comma locale; 23.0 is "23").
QString numberText(double value);

// The value of a value line, preceded by one to three blanks so that values of
// one and two integer digits line up in a fixed-width font.
QString alignedValueText(double value);
