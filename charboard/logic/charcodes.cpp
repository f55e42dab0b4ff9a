// Charboard's character codes: see charcodes.h.
#include "logic/charcodes.h"

#include "encoding/cp1252.h"

#include <QCoreApplication>
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
    return QCoreApplication::translate("CharCodes", "Alt + %1").arg(keypadCode(code));
}

QString altTooltip(int code)
{
    QStringList digits;
    for (const QChar digit : keypadCode(code))
        digits.append(QString(digit));
    //: Joins the digits of a keypad code: "0, then 1, then 6, then 9".
    const QString then = QCoreApplication::translate("CharCodes", ", then ");
    return QCoreApplication::translate(
               "CharCodes",
               "To insert this character into any Windows program, hold down Alt and press %1 on "
               "the KEYPAD (the numbers on the right of your keyboard).  Release Alt to insert the "
               "character.")
        .arg(digits.join(then));
}

QString initialAltTooltip()
{
    return QCoreApplication::translate(
        "CharCodes",
        "You can hold down Alt then press this series of numbers to insert this character");
}

QString appended(const QString &collected, const QString &character)
{
    return collected + character;
}

} // namespace CharCodes
