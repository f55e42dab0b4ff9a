// Colour rows: see colourlabels.h.
#include "settings/colourlabels.h"

namespace ColourLabels {

int optionOf(Row row)
{
    return row == Row::Alternate ? EffectSettings::ColourAlternate : EffectSettings::ColourBlend;
}

int rightClick(std::span<ColourLabel> row, int k, Row which)
{
    if (k == 0)
        return EffectSettings::ColourSingle;
    if (k < 0 || k >= int(row.size()))
        return optionOf(which);
    if (row[k].inUse()) {
        for (int j = k; j < int(row.size()); ++j) {
            if (row[j].inUse())
                row[j].tag = QString::number(row[j].colour);
            row[j].colour = kExcludedGrey;
            row[j].mark = QStringLiteral("X");
        }
    } else {
        restoreUpTo(row, k);
    }
    return optionOf(which);
}

void restoreUpTo(std::span<ColourLabel> row, int k)
{
    for (int j = 1; j <= k && j < int(row.size()); ++j) {
        row[j].mark.clear();
        // A tag that is not a colour (only a damaged settings file could hold one) leaves
        // the displayed colour as it is.
        if (auto c = tagColour(row[j].tag))
            row[j].colour = *c;
    }
}

void setColour(std::span<ColourLabel> row, int k, qint32 colour)
{
    if (k < 0 || k >= int(row.size()))
        return;
    row[k].colour = colour;
    row[k].tag = QString::number(colour);
}

std::optional<qint32> tagColour(const QString &tag)
{
    bool ok = false;
    const qlonglong v = tag.trimmed().toLongLong(&ok);
    if (!ok || v < 0 || v > 0xFFFFFF)
        return std::nullopt;
    return qint32(v);
}

int inUseCount(std::span<const ColourLabel> row)
{
    int m = 1;
    for (int k = 0; k < int(row.size()); ++k) {
        if (row[k].inUse())
            m = k + 1;
    }
    return m;
}

} // namespace ColourLabels
