#pragma once
// Faults of a noisy serial line, reproducible from a seed: each byte is lost
// or changed with the given probability (half of the faults each way).

#include <QByteArray>
#include <cstdint>
#include <random>

class LineFaults {
public:
    LineFaults(double rate, uint32_t seed) : m_rate(rate), m_random(seed) {}
    QByteArray apply(const QByteArray &bytes);
    int faults() const { return m_faults; }

private:
    double m_rate;
    std::mt19937 m_random;
    int m_faults = 0;
};
