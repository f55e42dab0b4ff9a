// Unicode equivalents of a font's codes: see symbolequivalents.h.
#include "symbolequivalents.h"

#include "cp1252.h"
#include "glyphnames.h"

namespace SymbolEquivalents {

namespace {

bool isPrivateUse(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_PrivateUse || c.isSurrogate())
            return true;
    }
    return false;
}

} // namespace

QString fromGlyphName(QByteArrayView glyphName)
{
    const QString text = GlyphNames::toUnicode(glyphName);
    return isPrivateUse(text) ? QString() : text;
}

QStringList fromGlyphNames(const QList<QByteArray> &namesByCode)
{
    QStringList equivalents;
    equivalents.reserve(codes);
    for (int code = 0; code < codes; ++code) {
        const QByteArray name = namesByCode.value(code);
        equivalents.append(name.isEmpty() ? QString() : fromGlyphName(name));
    }
    return equivalents;
}

QStringList ofTextFont()
{
    QStringList equivalents;
    equivalents.reserve(codes);
    for (int code = 0; code < codes; ++code) {
        const QChar c = Cp1252::toUnicode(uchar(code));
        equivalents.append(c.category() == QChar::Other_Control ? QString() : QString(c));
    }
    return equivalents;
}

QString caption(const QString &equivalent)
{
    if (equivalent.isEmpty())
        return QStringLiteral("No Unicode equivalent");
    QStringList points;
    for (const char32_t code : equivalent.toUcs4())
        points.append(QStringLiteral("U+") +
                      QString::number(quint32(code), 16).toUpper().rightJustified(4, u'0'));
    return QStringLiteral("Unicode: ") + equivalent + QStringLiteral(" (") + points.join(u' ') +
           u')';
}

QString unicodeText(const QString &collected, const QStringList &equivalents)
{
    QString text;
    text.reserve(collected.size());
    for (const QChar c : collected) {
        const auto code = Cp1252::fromUnicode(c);
        const QString equivalent = code ? equivalents.value(*code) : QString();
        text += equivalent.isEmpty() ? QString(c) : equivalent;
    }
    return text;
}

} // namespace SymbolEquivalents
