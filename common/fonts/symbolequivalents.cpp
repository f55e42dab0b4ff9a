// Unicode equivalents of a font's codes: see symbolequivalents.h.
#include "fonts/symbolequivalents.h"

#include "encoding/cp1252.h"
#include "fonts/glyphnames.h"

#include <QCoreApplication>

#include <algorithm>

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

bool namesSaySymbol(const QList<QByteArray> &namesByCode)
{
    // Enough known names that a few odd ones in a text font do not tip the answer.
    constexpr int fewestKnown = 8;
    int known = 0;
    int other = 0;
    for (int code = 0x21; code <= 0x7E; ++code) {
        const QString text = GlyphNames::toUnicode(namesByCode.value(code));
        if (text.isEmpty())
            continue;
        ++known;
        other += text != QString(QChar(char16_t(code))) ? 1 : 0;
    }
    return known >= fewestKnown && 2 * other > known;
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

QStringList fromMappingTable(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    qsizetype at = 0;
    while (at < lines.size() && lines[at].trimmed().startsWith('#'))
        ++at;
    // "S", the header line, the page number "00", then the page.
    if (lines.size() < at + 3 + 16 || lines[at].trimmed() != "S" || lines[at + 2].trimmed() != "00")
        return {};
    QStringList equivalents;
    equivalents.reserve(codes);
    for (qsizetype row = 0; row < 16; ++row) {
        const QByteArray digits = lines[at + 3 + row].trimmed();
        if (digits.size() != 64)
            return {};
        for (int column = 0; column < 16; ++column) {
            bool ok = false;
            const uint code = digits.mid(column * 4, 4).toUInt(&ok, 16);
            if (!ok)
                return {};
            const QChar c{char16_t(code)};
            const bool none = code == 0 || c.category() == QChar::Other_Control ||
                              c.category() == QChar::Other_PrivateUse || c.isSurrogate();
            equivalents.append(none ? QString() : QString(c));
        }
    }
    return equivalents;
}

QStringList withPublishedTable(const QStringList &fromNames, const QStringList &published)
{
    const bool anyFromNames = std::any_of(fromNames.begin(), fromNames.end(),
                                          [](const QString &e) { return !e.isEmpty(); });
    return anyFromNames || published.size() != codes ? fromNames : published;
}

QString caption(const QString &equivalent)
{
    if (equivalent.isEmpty())
        return QCoreApplication::translate("SymbolEquivalents", "No Unicode equivalent");
    QStringList points;
    for (const char32_t code : equivalent.toUcs4())
        points.append(QStringLiteral("U+") +
                      QString::number(quint32(code), 16).toUpper().rightJustified(4, u'0'));
    return QCoreApplication::translate("SymbolEquivalents", "Unicode: %1 (%2)")
        .arg(equivalent, points.join(u' '));
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
