#include "survey/sonvar-sim/linefaults.h"

QByteArray LineFaults::apply(const QByteArray &bytes) {
    if (m_rate <= 0)
        return bytes;
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uniform_int_distribution<int> flip(1, 255);
    QByteArray out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        const double draw = chance(m_random);
        if (draw >= m_rate) {
            out.append(byte);
            continue;
        }
        ++m_faults;
        if (draw < m_rate / 2)
            continue; // lost
        out.append(char(uint8_t(byte) ^ uint8_t(flip(m_random))));
    }
    return out;
}
