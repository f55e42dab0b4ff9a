// The uniform random source: see randomsource.h.
#include "core/randomsource.h"

#include <QDateTime>
#include <cmath>

RandomSource::RandomSource() : m_engine(timeSeed()) {}

RandomSource::RandomSource(quint32 seed) : m_engine(seed) {}

void RandomSource::seed(quint32 seed)
{
    m_engine.seed(seed);
}

void RandomSource::fixSeed(quint32 seed)
{
    m_fixedSeed = seed;
    m_engine.seed(seed);
}

void RandomSource::reseed()
{
    m_engine.seed(m_fixedSeed.value_or(timeSeed()));
}

float RandomSource::next()
{
    const quint32 k = m_engine() >> 8; // 24 random bits
    return float(k) / 16777216.0f;
}

int RandomSource::below(int count)
{
    if (count < 1)
        return 0;
    const int i = int(std::floor(double(next()) * count));
    return qBound(0, i, count - 1);
}

quint32 RandomSource::timeSeed()
{
    return quint32(QDateTime::currentMSecsSinceEpoch() & 0xffffffffu);
}
