// Output-mode tables: see modetables.h.
#include "settings/modetables.h"

namespace ModeTables {

const QStringList &WebFontNames()
{
    static const QStringList k = {
        QStringLiteral("ARIAL"),           QStringLiteral("ARIAL BLACK"),
        QStringLiteral("TIMES NEW ROMAN"), QStringLiteral("HELVETICA"),
        QStringLiteral("COURIER NEW"),     QStringLiteral("VERDANA"),
        QStringLiteral("WEBDINGS"),        QStringLiteral("TREBUCHET MS (WESTERN)"),
        QStringLiteral("TREBUCHET MS"),    QStringLiteral("GEORGIA"),
        QStringLiteral("ANDALE MONO"),     QStringLiteral("ANDALE MONO (WESTERN)"),
        QStringLiteral("COMIC SANS MS"),   QStringLiteral("COMIC SANS MS (WESTERN)"),
        QStringLiteral("IMPACT")};
    return k;
}

const QStringList &WebFontTitles()
{
    static const QStringList k = {
        QStringLiteral("Arial"),           QStringLiteral("Arial Black"),
        QStringLiteral("Times New Roman"), QStringLiteral("Helvetica"),
        QStringLiteral("Courier New"),     QStringLiteral("Verdana"),
        QStringLiteral("Webdings"),        QStringLiteral("Trebuchet MS (Western)"),
        QStringLiteral("Trebuchet MS"),    QStringLiteral("Georgia"),
        QStringLiteral("Andale Mono"),     QStringLiteral("Andale Mono (Western)"),
        QStringLiteral("Comic Sans MS"),   QStringLiteral("Comic Sans MS (Western)"),
        QStringLiteral("Impact")};
    return k;
}

const QStringList &PreselectedWebFontNames()
{
    static const QStringList k = {QStringLiteral("ARIAL"),           QStringLiteral("ARIAL BLACK"),
                                  QStringLiteral("TIMES NEW ROMAN"), QStringLiteral("HELVETICA"),
                                  QStringLiteral("COURIER NEW"),     QStringLiteral("VERDANA")};
    return k;
}

const QStringList &minSizeItems(OutputMode mode)
{
    static const QStringList points = {"10", "12", "14", "16", "18", "20", "24", "28", "32",
                                       "36", "40", "48", "56", "64", "72", "84", "100"};
    static const QStringList html = {"1", "2", "3", "4", "5", "6"};
    return mode == OutputMode::Html ? html : points;
}

const QStringList &maxSizeItems(OutputMode mode)
{
    static const QStringList points = {"12", "14", "16", "18", "20", "24", "28",  "32", "36",
                                       "40", "48", "56", "64", "72", "84", "100", "120"};
    static const QStringList html = {"2", "3", "4", "5", "6", "7"};
    return mode == OutputMode::Html ? html : points;
}

int defaultMinIndex(OutputMode mode)
{
    return mode == OutputMode::Html ? 4 : 5;
}

int defaultMaxIndex(OutputMode mode)
{
    return mode == OutputMode::Html ? 4 : 7;
}

void selectSizeItem(double &size, int &index, const QStringList &items, int position)
{
    if (position < 0 || position >= items.size()) {
        index = -1;
        size = 0;
        return;
    }
    index = position;
    size = EffectSettings::number(items[position]);
}

} // namespace ModeTables
