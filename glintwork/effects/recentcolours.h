// `NewColour` and the `RecentColours` it keeps: fresh random colours that differ clearly
// from the one returned four calls earlier. Lives as long as the main window.
#pragma once

#include <QtGlobal>
#include <array>

class RandomSource;

class RecentColours {
public:
    // A random colour; `vivid` insists on one component above 150 and one below 90,
    // `dark` makes about 70 % of the candidates dark.
    qint32 NewColour(bool vivid, bool dark, RandomSource &random);

    // Most recent first; all black at the start.
    const std::array<qint32, 4> &colours() const { return m_recent; }

private:
    std::array<qint32, 4> m_recent = {0, 0, 0, 0};
};
