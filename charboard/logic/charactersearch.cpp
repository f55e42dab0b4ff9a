// Finding characters: see charactersearch.h.
#include "logic/charactersearch.h"

#include "logic/nameindex.h"

#include <QRegularExpression>
#include <QStringList>

namespace CharacterSearch {

namespace {

bool isScalar(uint code)
{
    return code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
}

bool beyondAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7F)
            return true;
    }
    return false;
}

QList<char32_t> pasted(const QString &text)
{
    QList<char32_t> found;
    for (const char32_t c : text.toUcs4()) {
        if (!QChar::isSpace(c) && !found.contains(c))
            found.append(c);
    }
    return found;
}

} // namespace

int codePointOf(const QString &query)
{
    static const QRegularExpression prefixed(QStringLiteral("^[Uu]\\+([0-9A-Fa-f]{1,6})$"));
    static const QRegularExpression bare(QStringLiteral("^[0-9A-Fa-f]{4,6}$"));
    const QString text = query.trimmed();
    QString digits;
    if (const auto match = prefixed.match(text); match.hasMatch())
        digits = match.captured(1);
    else if (bare.match(text).hasMatch())
        digits = text;
    bool ok = false;
    const uint code = digits.toUInt(&ok, 16);
    return ok && isScalar(code) ? int(code) : -1;
}

bool searchesNames(const QString &query)
{
    const QString text = query.trimmed();
    return !text.isEmpty() && !beyondAscii(text) &&
           !(codePointOf(text) >= 0 && text.startsWith(u'U', Qt::CaseInsensitive) &&
             text.contains(u'+'));
}

QList<char32_t> find(const QString &query, const NameIndex &names)
{
    const QString text = query.trimmed();
    if (text.isEmpty())
        return {};
    if (beyondAscii(text))
        return pasted(text);
    QList<char32_t> found;
    const int code = codePointOf(text);
    if (code >= 0)
        found.append(char32_t(code));
    if (!searchesNames(text))
        return found;
    for (const char32_t c : names.find(text.split(u' ', Qt::SkipEmptyParts))) {
        if (c != char32_t(code))
            found.append(c);
    }
    return found;
}

} // namespace CharacterSearch
