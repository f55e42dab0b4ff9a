// Glyphmatch's table rules: see keyboardtable.h.
#include "logic/keyboardtable.h"

#include "core/numbers.h"

namespace KeyboardTable {

const QString &sequence()
{
    static const QString characters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                     "abcdefghijklmnopqrstuvwxyz"
                                                     "1234567890"
                                                     "!\"\u00A4$%^&*()"
                                                     "-_=+[]{};:'@"
                                                     "#~,.<>/?\\|`\u00AC");
    return characters;
}

QChar character(int group, int row)
{
    if (group < 0 || group >= groups || row < 0 || row >= rowsPerGroup)
        return {};
    return sequence().at(rowsPerGroup * group + row);
}

QString normaliseSizeText(const QString &text)
{
    // Each step reads the text afresh, as the steps do one after the other on the size box.
    QString size = Numbers::text(Numbers::intPart(Numbers::val(text)));
    if (Numbers::val(size) == 0)
        size = QStringLiteral("24");
    if (Numbers::val(size) < 10)
        size = QStringLiteral("10");
    if (Numbers::val(size) > 36)
        size = QStringLiteral("36");
    return size;
}

int characterColumnWidth(double points)
{
    return Numbers::clampToInt32(6 * points + 400);
}

QString pageTitle(const QString &textFont, const QString &symbolFont)
{
    const QString upper = textFont.toUpper();
    if (upper.contains(QStringLiteral("ARIAL")) ||
        upper.contains(QStringLiteral("TIMES NEW ROMAN")))
        return symbolFont;
    return textFont + QStringLiteral(" - ") + symbolFont;
}

} // namespace KeyboardTable
