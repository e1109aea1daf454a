#include "kalvo/store/data.h"

#include "kalvo/store/numbertext.h"

QString Data::valueText() const {
    return alignedValueText(m_dataValue) + QStringLiteral("\tdB\u00B5V ") +
           (m_sensor == 'B' ? QStringLiteral("Black sensor") : QStringLiteral("Red sensor")) +
           QLatin1Char('\n');
}

QString Data::valueLine() const {
    return alignedValueText(m_dataValue) + QLatin1Char('\n');
}
