// Charboard's character codes: see charcodes.h.
#include "logic/charcodes.h"

#include "encoding/cp1252.h"

#include <QStringList>

namespace CharCodes {

int codeAt(int row, int col)
{
    if (row < 0 || row >= rows || col < 0 || col >= cols)
        return -1;
    return firstCode + cols * row + col;
}

QString character(int code)
{
    if (code < 0 || code > 255)
        return {};
    return QString(Cp1252::toUnicode(uchar(code)));
}

QString keypadCode(int code)
{
    const QString digits = QString::number(code);
    return code > 127 ? QStringLiteral("0") + digits : digits;
}

QString altCaption(int code)
{
    return QStringLiteral("Alt + ") + keypadCode(code);
}

QString altTooltip(int code)
{
    QStringList digits;
    for (const QChar digit : keypadCode(code))
        digits.append(QString(digit));
    return QStringLiteral("To insert this character into any Windows program, hold down Alt and "
                          "press ") +
           digits.join(QStringLiteral(", then ")) +
           QStringLiteral(" on the KEYPAD (the numbers on the right of your keyboard).  Release "
                          "Alt to insert the character.");
}

QString initialAltTooltip()
{
    return QStringLiteral(
        "You can hold down Alt then press this series of numbers to insert this character");
}

QString appended(const QString &collected, const QString &character)
{
    return collected + character;
}

} // namespace CharCodes
