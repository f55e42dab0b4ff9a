// The colour procedures: see colours.h.
#include "effects/colours.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>

namespace Colours {

const std::array<qint32, 7> &RainbowColours()
{
    static const std::array<qint32, 7> k = {0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00,
                                            0xFFFF00, 0xFF0000, 0xC000C0};
    return k;
}

const std::array<qint32, 16> &WindowsPalette()
{
    static const std::array<qint32, 16> k = {
        0xFFFFFF, 0xC0C0C0, 0x0000FF, 0x00FFFF, 0xFF00FF, 0xFF0000, 0xFFFF00, 0x00FF00,
        0x008080, 0x000080, 0x808080, 0x000000, 0x800080, 0x800000, 0x808000, 0x008000};
    return k;
}

std::array<QString, 14> SchemeNames()
{
    static const std::array<const char *, 14> k = {
        QT_TRANSLATE_NOOP("Colours", "Rainbow"),
        QT_TRANSLATE_NOOP("Colours", "Inverse Rainbow"),
        QT_TRANSLATE_NOOP("Colours", "15 Colors (Windows)"),
        QT_TRANSLATE_NOOP("Colours", "12 Colors (No grays)"),
        QT_TRANSLATE_NOOP("Colours", "Grays"),
        QT_TRANSLATE_NOOP("Colours", "Shades of Red"),
        QT_TRANSLATE_NOOP("Colours", "Shades of Yellow"),
        QT_TRANSLATE_NOOP("Colours", "Shades of Green"),
        QT_TRANSLATE_NOOP("Colours", "Shades of Cyan"),
        QT_TRANSLATE_NOOP("Colours", "Shades of Blue"),
        QT_TRANSLATE_NOOP("Colours", "Shades of Magenta"),
        QT_TRANSLATE_NOOP("Colours", "Reds and Greens"),
        QT_TRANSLATE_NOOP("Colours", "Greens and Blues"),
        QT_TRANSLATE_NOOP("Colours", "Blues and Reds"),
    };
    std::array<QString, 14> names;
    for (size_t i = 0; i < k.size(); ++i)
        names[i] = QCoreApplication::translate("Colours", k[i]);
    return names;
}

} // namespace Colours

using namespace Colours;

int colourDistance(qint32 c1, qint32 c2)
{
    return std::abs(red(c1) - red(c2)) + std::abs(green(c1) - green(c2)) +
           std::abs(blue(c1) - blue(c2));
}

qint32 nearestWindowsColour(qint32 c1, bool excludeGreys)
{
    struct Candidate {
        qint32 colour;
        int weight;
        bool grey;
    };
    // The search order decides ties: the earlier candidate stays.
    static const std::array<Candidate, 15> kSearch = {{{0x000000, 2, false},
                                                       {0xC0C0C0, 3, true},
                                                       {0x808080, 3, true},
                                                       {0x800000, 1, false},
                                                       {0x008000, 1, false},
                                                       {0x000080, 1, false},
                                                       {0x008080, 1, false},
                                                       {0x800080, 1, false},
                                                       {0x808000, 1, false},
                                                       {0x00FFFF, 1, false},
                                                       {0xFF00FF, 1, false},
                                                       {0xFFFF00, 1, false},
                                                       {0x0000FF, 1, false},
                                                       {0x00FF00, 1, false},
                                                       {0xFF0000, 1, false}}};
    int best = 1024;
    qint32 result = 0;
    for (const Candidate &c : kSearch) {
        if (excludeGreys && c.grey)
            continue;
        const int d = colourDistance(c1, c.colour) * c.weight;
        if (d < best) {
            best = d;
            result = c.colour;
        }
    }
    return result;
}

qint32 inverseColour(qint32 c1)
{
    return rgb(255 - red(c1), 255 - green(c1), 255 - blue(c1));
}

QString hexColour(qint32 c1)
{
    static const char kDigits[] = "0123456789ABCDEF";
    QString s(6, QChar(u'0'));
    const int parts[3] = {red(c1), green(c1), blue(c1)};
    for (int i = 0; i < 3; ++i) {
        s[2 * i] = QLatin1Char(kDigits[parts[i] / 16]);
        s[2 * i + 1] = QLatin1Char(kDigits[parts[i] % 16]);
    }
    return s;
}

qint32 blendColour(qint32 c1, qint32 c2, double f)
{
    auto mix = [f](int x1, int x2) {
        const double v = std::floor(double(x1) + double(x2 - x1) * f);
        // Fractions outside 0 .. 1 could leave the byte; keep the layout intact.
        return int(std::clamp(v, 0.0, 255.0));
    };
    return rgb(mix(red(c1), red(c2)), mix(green(c1), green(c2)), mix(blue(c1), blue(c2)));
}
