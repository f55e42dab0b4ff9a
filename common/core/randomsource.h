// The uniform random source of a program: numbers in [0, 1), seeded once at start-up.
#pragma once

#include <QtGlobal>
#include <optional>
#include <random>

class RandomSource {
public:
    // Seeded from the time of day.
    RandomSource();
    explicit RandomSource(quint32 seed);
    virtual ~RandomSource() = default;

    void seed(quint32 seed);
    // A seed that every later reseed() goes back to, so that a run can be repeated.
    void fixSeed(quint32 seed);
    // A fresh sequence for a run: the fixed seed when there is one, else the time of day.
    void reseed();

    // A Single in [0, 1). Drawn as k / 2^24 so that it can never round up to 1.0f,
    // which would make Int(Rnd * count) index one past the end.
    virtual float next();

    // Int(next() * count): a position 0 .. count - 1 (0 when count < 1).
    int below(int count);

    static quint32 timeSeed();

private:
    std::mt19937 m_engine;
    std::optional<quint32> m_fixedSeed;
};
