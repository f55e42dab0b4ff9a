// Glyph names to Unicode: see glyphnames.h.
#include "fonts/glyphnames.h"

#include "fonts/glyphnametables.h"

#include <QList>

#include <algorithm>
#include <cstring>
#include <optional>

namespace GlyphNames {

namespace {

std::optional<QString> fromTable(const GlyphNameEntry *table, std::size_t size, QByteArrayView name)
{
    const GlyphNameEntry *end = table + size;
    const auto *found =
        std::lower_bound(table, end, name, [](const GlyphNameEntry &entry, QByteArrayView wanted) {
            return QByteArrayView(entry.name).compare(wanted) < 0;
        });
    if (found == end || QByteArrayView(found->name) != name)
        return std::nullopt;
    QString text;
    for (const char16_t code : found->codes) {
        if (code)
            text.append(QChar(code));
    }
    return text;
}

bool isUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

std::optional<uint> hexValue(QByteArrayView digits)
{
    if (!std::all_of(digits.begin(), digits.end(), isUpperHex))
        return std::nullopt;
    bool ok = false;
    const uint value = digits.toByteArray().toUInt(&ok, 16);
    return ok ? std::optional<uint>(value) : std::nullopt;
}

bool isScalarValue(uint code, uint highest)
{
    return code <= highest && !(code >= 0xD800 && code <= 0xDFFF);
}

// "uni" followed by one or more groups of four digits, each a BMP scalar value.
std::optional<QString> fromUniName(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() % 4 != 0)
        return std::nullopt;
    QString text;
    for (qsizetype i = 0; i < digits.size(); i += 4) {
        const auto code = hexValue(digits.sliced(i, 4));
        if (!code || !isScalarValue(*code, 0xFFFF))
            return std::nullopt;
        text.append(QChar(char16_t(*code)));
    }
    return text;
}

// "u" followed by four to six digits: one scalar value.
std::optional<QString> fromUName(QByteArrayView digits)
{
    if (digits.size() < 4 || digits.size() > 6)
        return std::nullopt;
    const auto code = hexValue(digits);
    if (!code || !isScalarValue(*code, 0x10FFFF))
        return std::nullopt;
    const char32_t scalar = *code;
    return QString::fromUcs4(&scalar, 1);
}

std::optional<QString> component(QByteArrayView part)
{
    if (part.isEmpty())
        return std::nullopt;
    if (auto text =
            fromTable(GlyphNameTables::adobeGlyphList, GlyphNameTables::adobeGlyphListSize, part))
        return text;
    if (auto text = fromTable(GlyphNameTables::zapfDingbatsGlyphList,
                              GlyphNameTables::zapfDingbatsGlyphListSize, part))
        return text;
    if (part.startsWith("uni"))
        return fromUniName(part.sliced(3));
    if (part.startsWith("u"))
        return fromUName(part.sliced(1));
    return std::nullopt;
}

} // namespace

QString toUnicode(QByteArrayView glyphName)
{
    const qsizetype period = glyphName.indexOf('.');
    const QByteArrayView base = period >= 0 ? glyphName.first(period) : glyphName;
    if (base.isEmpty())
        return {};
    QString text;
    qsizetype start = 0;
    while (start <= base.size()) {
        qsizetype end = base.indexOf('_', start);
        if (end < 0)
            end = base.size();
        const auto part = component(base.sliced(start, end - start));
        if (!part)
            return {};
        text += *part;
        start = end + 1;
    }
    return text;
}

} // namespace GlyphNames
