#pragma once
#include <QString>

// The recording time of a survey of `nbMeasurements` values (one a second),
// in minutes: three significant digits, written with one decimal (600 values:
// "10.0", 125: "2.1", 7250: "121.0"), in exponent notation from 1000 minutes
// on ("1.00E+003"). The decimal separator is the user's locale's.
QString recordingTimeText(int nbMeasurements);
