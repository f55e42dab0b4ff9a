// Unicode character properties through ICU: see unicodecharacter.h.
#include "logic/unicodecharacter.h"

#include <unicode/uchar.h>
#include <unicode/ucpmap.h>

#include <algorithm>

#include <QCoreApplication>

namespace UnicodeCharacter {

namespace {

// ICU's long property value names join their words with underscores.
QString spaced(const char *propertyName)
{
    return propertyName ? QString::fromLatin1(propertyName).replace(u'_', u' ') : QString();
}

QString hex(uint value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QChar(u'0')).toUpper();
}

QList<Block> readBlocks()
{
    QList<Block> result;
    UErrorCode error = U_ZERO_ERROR;
    const UCPMap *map = u_getIntPropertyMap(UCHAR_BLOCK, &error);
    if (U_FAILURE(error) || !map)
        return result;
    UChar32 start = 0;
    uint32_t value = 0;
    UChar32 end = 0;
    while ((end = ucpmap_getRange(map, start, UCPMAP_RANGE_NORMAL, 0, nullptr, nullptr, &value)) >=
           0) {
        if (value != UBLOCK_NO_BLOCK) {
            Block block{
                spaced(u_getPropertyValueName(UCHAR_BLOCK, int32_t(value), U_LONG_PROPERTY_NAME)),
                char32_t(start), char32_t(end), 0};
            for (UChar32 c = start; c <= end; ++c)
                block.assigned += u_charType(c) != U_UNASSIGNED ? 1 : 0;
            result.append(block);
        }
        start = end + 1;
    }
    return result;
}

} // namespace

QString name(char32_t c)
{
    char buffer[128];
    UErrorCode error = U_ZERO_ERROR;
    int32_t length = u_charName(UChar32(c), U_UNICODE_CHAR_NAME, buffer, sizeof buffer, &error);
    if (U_SUCCESS(error) && length > 0)
        return QString::fromLatin1(buffer, length);
    error = U_ZERO_ERROR;
    length = u_charName(UChar32(c), U_EXTENDED_CHAR_NAME, buffer, sizeof buffer, &error);
    return U_SUCCESS(error) ? QString::fromLatin1(buffer, length) : QString();
}

QString blockName(char32_t c)
{
    const int index = blockIndex(c);
    return index >= 0 ? blocks().at(index).name
                      : QCoreApplication::translate("UnicodeCharacter", "No Block");
}

QString categoryName(char32_t c)
{
    return spaced(u_getPropertyValueName(UCHAR_GENERAL_CATEGORY, u_charType(UChar32(c)),
                                         U_LONG_PROPERTY_NAME));
}

QString utf8Bytes(char32_t c)
{
    const QByteArray bytes = QString::fromUcs4(&c, 1).toUtf8();
    QStringList parts;
    for (const char byte : bytes)
        parts.append(hex(uchar(byte), 2));
    return parts.join(u' ');
}

QString utf16Units(char32_t c)
{
    const QString text = QString::fromUcs4(&c, 1);
    QStringList parts;
    for (const QChar unit : text)
        parts.append(hex(unit.unicode(), 4));
    return parts.join(u' ');
}

const QList<Block> &blocks()
{
    static const QList<Block> all = readBlocks();
    return all;
}

int blockIndex(char32_t c)
{
    const QList<Block> &all = blocks();
    const auto found = std::upper_bound(
        all.begin(), all.end(), c, [](char32_t code, const Block &b) { return code < b.first; });
    if (found == all.begin())
        return -1;
    const auto block = std::prev(found);
    return c <= block->last ? int(block - all.begin()) : -1;
}

} // namespace UnicodeCharacter
