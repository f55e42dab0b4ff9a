// Random colours: see recentcolours.h.
#include "recentcolours.h"

#include "colours.h"
#include "randomsource.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

qint32 RecentColours::NewColour(bool vivid, bool dark, RandomSource &random)
{
    const qint32 comparison = m_recent[3];
    const int r2 = Colours::red(comparison);
    const int g2 = Colours::green(comparison);
    const int b2 = Colours::blue(comparison);
    int r = 0;
    int g = 0;
    int b = 0;
    // Each component can always avoid the comparison colour by more than 50 (0 or 255
    // does), and a vivid candidate exists for every comparison colour, so the loop ends.
    // A candidate is rejected as soon as one component is too close: the components not
    // yet drawn cannot save it, so the accepted colours are distributed as if all three
    // had been drawn, at a fraction of the draws.
    for (;;) {
        const bool darkCandidate = dark && !(random.next() > 0.7f);
        auto component = [&random, darkCandidate] {
            if (!darkCandidate)
                return int(std::floor(double(random.next()) * 256));
            const double a = random.next();
            return int(std::floor(a * double(random.next()) * 200));
        };
        r = component();
        if (std::abs(r - r2) <= 50)
            continue;
        g = component();
        if (std::abs(g - g2) <= 50)
            continue;
        b = component();
        if (std::abs(b - b2) <= 50)
            continue;
        const bool dull = std::max({r, g, b}) <= 150 || std::min({r, g, b}) >= 90;
        if (vivid && dull)
            continue;
        break;
    }
    const qint32 c = Colours::rgb(r, g, b);
    std::rotate(m_recent.rbegin(), m_recent.rbegin() + 1, m_recent.rend());
    m_recent[0] = c;
    return c;
}
