// Random colours: see recentcolours.h.
//
// The candidate of the definition is redrawn while any component lies within 50 of the
// comparison colour's, or while it is dull and a vivid colour was asked for; that loop
// wastes a hundred draws per colour. The same distribution is drawn here without
// rejection: each component falls in one of three bands (below 90, 90 to 150, above 150),
// the probability of every kind of candidate (uniform or dark) and every combination of
// bands, limited to the values far enough from the comparison colour, is worked out, one
// of them is chosen by its weight, and each component is drawn inside its band.
#include "effects/recentcolours.h"

#include "core/randomsource.h"
#include "effects/colours.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// Cumulative distribution of one component: cdf[v] = P(component < v), v = 0 .. 256.
using Cdf = std::array<double, 257>;

const Cdf &uniformCdf()
{
    static const Cdf cdf = [] {
        Cdf c{};
        for (int v = 0; v <= 256; ++v)
            c[v] = v / 256.0;
        return c;
    }();
    return cdf;
}

// A dark component is Int(a * b * 200) for two uniform draws; P(a * b < x) = x (1 - ln x).
const Cdf &darkCdf()
{
    static const Cdf cdf = [] {
        Cdf c{};
        for (int v = 0; v <= 256; ++v) {
            const double x = std::min(v, 200) / 200.0;
            c[v] = x <= 0 ? 0.0 : x * (1 - std::log(x));
        }
        c[256] = 1.0;
        return c;
    }();
    return cdf;
}

// Half-open value ranges [from, to) of one component.
struct Span {
    int from = 0;
    int to = 0;
};

struct Spans {
    std::array<Span, 2> span;
    int count = 0;

    void add(int from, int to)
    {
        if (from < to)
            span[count++] = {from, to};
    }
};

// The values of the band [lo, hi) more than 50 away from c.
Spans allowedIn(int c, int lo, int hi)
{
    Spans s;
    s.add(lo, std::min(hi, c - 50));
    s.add(std::max(lo, c + 51), hi);
    return s;
}

double mass(const Cdf &cdf, const Spans &s)
{
    double m = 0;
    for (int i = 0; i < s.count; ++i)
        m += cdf[s.span[i].to] - cdf[s.span[i].from];
    return m;
}

// std::upper_bound over the distribution, without the branches that random targets
// mispredict at every halving: the index of the first value above the target.
int firstAbove(const Cdf &cdf, double target)
{
    const double *base = cdf.data();
    size_t n = cdf.size();
    while (n > 1) {
        const size_t half = n / 2;
        base = !(target < base[half]) ? base + half : base;
        n -= half;
    }
    return int(base - cdf.data()) + (!(target < *base) ? 1 : 0);
}

// A value of the spans, drawn by the distribution limited to them.
int drawIn(const Cdf &cdf, const Spans &s, double total, RandomSource &random)
{
    double u = double(random.next()) * total;
    for (int i = 0; i < s.count; ++i) {
        const Span &sp = s.span[i];
        const double m = cdf[sp.to] - cdf[sp.from];
        if (u < m || i == s.count - 1) {
            const double target = cdf[sp.from] + u;
            const int v = firstAbove(cdf, target) - 1;
            // Rounding at the edges must not leave the span.
            return std::clamp(v, sp.from, sp.to - 1);
        }
        u -= m;
    }
    return 0;
}

constexpr int kBands[4] = {0, 90, 151, 256}; // below 90, 90 .. 150, above 150

// Combinations of bands of the three components; a vivid colour has some part above
// 150 and some below 90.
struct Pattern {
    int band[3];
};

const std::vector<Pattern> &patterns(bool vividOnly)
{
    static const auto build = [](bool vividOnly) {
        std::vector<Pattern> list;
        for (int b0 = 0; b0 < 3; ++b0) {
            for (int b1 = 0; b1 < 3; ++b1) {
                for (int b2 = 0; b2 < 3; ++b2) {
                    const bool high = b0 == 2 || b1 == 2 || b2 == 2;
                    const bool low = b0 == 0 || b1 == 0 || b2 == 0;
                    if (!vividOnly || (high && low))
                        list.push_back({{b0, b1, b2}});
                }
            }
        }
        return list;
    };
    static const std::vector<Pattern> vivid = build(true);
    static const std::vector<Pattern> all = build(false);
    return vividOnly ? vivid : all;
}

// The probability of each band limited to the values far from c, for every c and both
// kinds of candidate: worked out once, read three times per band on every call.
using BandMasses = std::array<std::array<std::array<double, 3>, 256>, 2>;

const BandMasses &bandMasses()
{
    static const BandMasses table = [] {
        BandMasses t{};
        const Cdf *cdfs[2] = {&uniformCdf(), &darkCdf()};
        for (int kind = 0; kind < 2; ++kind) {
            for (int c = 0; c < 256; ++c) {
                for (int b = 0; b < 3; ++b)
                    t[kind][c][b] = mass(*cdfs[kind], allowedIn(c, kBands[b], kBands[b + 1]));
            }
        }
        return t;
    }();
    return table;
}

} // namespace

qint32 RecentColours::NewColour(bool vivid, bool dark, RandomSource &random)
{
    const qint32 comparison = m_recent[3];
    const int against[3] = {Colours::red(comparison), Colours::green(comparison),
                            Colours::blue(comparison)};
    struct Kind {
        const Cdf *cdf;
        double share;
    };
    // Without `dark` every candidate is uniform; with it, 30 % are.
    const Kind kinds[2] = {{&uniformCdf(), dark ? 0.3 : 1.0}, {&darkCdf(), dark ? 0.7 : 0.0}};

    struct Choice {
        int kind;
        int band[3];
        double weight;
    };
    std::array<Choice, 54> choices;
    int count = 0;
    double total = 0;
    const BandMasses &table = bandMasses();
    double masses[2][3][3];
    for (int kind = 0; kind < 2; ++kind) {
        for (int k = 0; k < 3; ++k) {
            for (int b = 0; b < 3; ++b)
                masses[kind][k][b] = table[kind][against[k]][b];
        }
    }
    // Vivid: some component above 150 and some below 90. Should no vivid colour be
    // possible (only a dull comparison colour of a non-vivid call can cause that), the
    // vivid condition is dropped rather than looping for ever.
    for (bool requireVivid : {vivid, false}) {
        count = 0;
        total = 0;
        for (int kind = 0; kind < 2; ++kind) {
            if (kinds[kind].share <= 0)
                continue;
            for (const Pattern &p : patterns(requireVivid)) {
                const double w = kinds[kind].share * masses[kind][0][p.band[0]] *
                                 masses[kind][1][p.band[1]] * masses[kind][2][p.band[2]];
                if (w <= 0)
                    continue;
                choices[count++] = {kind, {p.band[0], p.band[1], p.band[2]}, w};
                total += w;
            }
        }
        if (total > 0)
            break;
    }

    int pick = count - 1;
    double u = double(random.next()) * total;
    for (int i = 0; i < count; ++i) {
        if (u < choices[i].weight) {
            pick = i;
            break;
        }
        u -= choices[i].weight;
    }
    int parts[3] = {0, 0, 0};
    if (pick >= 0) {
        const Choice &c = choices[pick];
        for (int k = 0; k < 3; ++k) {
            const int b = c.band[k];
            parts[k] = drawIn(*kinds[c.kind].cdf, allowedIn(against[k], kBands[b], kBands[b + 1]),
                              masses[c.kind][k][b], random);
        }
    }
    const qint32 c = Colours::rgb(parts[0], parts[1], parts[2]);
    std::rotate(m_recent.rbegin(), m_recent.rbegin() + 1, m_recent.rend());
    m_recent[0] = c;
    return c;
}
