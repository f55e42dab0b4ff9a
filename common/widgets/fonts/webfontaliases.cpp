// Metric aliases of web fonts: see webfontaliases.h.
#include "widgets/fonts/webfontaliases.h"

#ifdef KERNCRAFT_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <QSet>
#endif

namespace WebFontAliases {

#ifdef KERNCRAFT_HAS_FONTCONFIG
namespace {

// Generic names are bound "same" to some fonts too (emoji, math); they are no family.
bool isGeneric(const QString &family)
{
    static const QSet<QString> generics = {
        QStringLiteral("sans-serif"), QStringLiteral("serif"),    QStringLiteral("monospace"),
        QStringLiteral("cursive"),    QStringLiteral("fantasy"),  QStringLiteral("emoji"),
        QStringLiteral("math"),       QStringLiteral("system-ui")};
    return generics.contains(family.toLower());
}

QString familyOf(const FcChar8 *value)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(value));
}

// The families the configuration puts beside the name as its equals. An alias bound "same"
// takes the binding of the name it stands for, strong for a name asked for; everything
// the configuration only prefers or falls back to is weak.
QSet<QString> boundAsEqual(FcPattern *pattern, const QString &webName)
{
    QSet<QString> equals;
    FcValue value;
    FcValueBinding binding;
    for (int i = 0;
         FcPatternGetWithBinding(pattern, FC_FAMILY, i, &value, &binding) == FcResultMatch; ++i) {
        if (value.type != FcTypeString || binding == FcValueBindingWeak)
            continue;
        const QString family = familyOf(value.u.s);
        if (!isGeneric(family) && family.compare(webName, Qt::CaseInsensitive) != 0)
            equals.insert(family.toCaseFolded());
    }
    return equals;
}

} // namespace

QString metricAlias(const QString &webName, FcConfig *config)
{
    if (webName.trimmed().isEmpty())
        return {};
    FcPattern *pattern = FcPatternCreate();
    const QByteArray name = webName.trimmed().toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(name.constData()));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    const QSet<QString> equals = boundAsEqual(pattern, webName.trimmed());
    QString alias;
    FcResult result = FcResultNoMatch;
    if (FcPattern *match = FcFontMatch(config, pattern, &result)) {
        FcChar8 *family = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch) {
            const QString matched = familyOf(family);
            if (equals.contains(matched.toCaseFolded()))
                alias = matched;
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return alias;
}

QString metricAlias(const QString &webName)
{
    return metricAlias(webName, nullptr);
}
#else
QString metricAlias(const QString &, _FcConfig *)
{
    return {};
}

QString metricAlias(const QString &)
{
    return {};
}
#endif

} // namespace WebFontAliases
