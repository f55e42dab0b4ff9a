// Effect settings: the default colour rows and the font-list helpers.
#include "settings/effectsettings.h"

#include "core/numbers.h"

namespace {

ColourLabel label(qint32 colour, bool excluded = false)
{
    return {colour, QString::number(colour), excluded ? QStringLiteral("X") : QString()};
}

} // namespace

std::array<ColourLabel, EffectSettings::kAlternateCount> EffectSettings::defaultAlternateLabels()
{
    return {label(0x0000FF), label(0x0080FF),       label(0x00FFFF),
            label(0x00FF00), label(0xFFFF00),       label(0xFF0000),
            label(0xFF00FF), label(0xC0C0C0, true), label(0xC0C0C0, true)};
}

std::array<ColourLabel, EffectSettings::kBlendCount> EffectSettings::defaultBlendLabels()
{
    return {label(0x0000FF), label(0x00FF00), label(0xFF0000), label(0x0000FF)};
}

int EffectSettings::selectedFontCount() const
{
    return int(fontSelected.count(true));
}

QStringList EffectSettings::selectedFontNames() const
{
    QStringList names;
    for (qsizetype i = 0; i < fonts.size() && i < fontSelected.size(); ++i) {
        if (fontSelected[i])
            names.append(fonts[i]);
    }
    return names;
}

void EffectSettings::setFonts(const QStringList &names)
{
    fonts = names;
    fontSelected = QList<bool>(names.size(), false);
}

double EffectSettings::number(QStringView text)
{
    return Numbers::val(text);
}

QString EffectSettings::numberText(double value)
{
    return Numbers::text(value);
}

QString EffectSettings::sizeText(double size)
{
    return size == 0 ? QString() : Numbers::text(size);
}
