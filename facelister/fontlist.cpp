// Facelister's font list: see fontlist.h.
#include "fontlist.h"

#include "fontcatalog.h"
#include "sortednames.h"

namespace {

// 1-based position of the word in the name, 0 when it does not occur.
qsizetype position(const QString &upperName, const QString &word)
{
    return upperName.indexOf(word) + 1;
}

// A control character in a name (a line break above all) would split the preview's line
// and shift every position after it; a blank takes its place.
QString cleanName(QString name)
{
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    return name;
}

} // namespace

const QStringList &FontList::symbolWords()
{
    static const QStringList words = {
        QStringLiteral("SYMBOL"),        QStringLiteral("ANDALE MONO IPA"),
        QStringLiteral("FIXED"),         QStringLiteral("CHARACTER"),
        QStringLiteral("REFERENCE"),     QStringLiteral("DINGBATS"),
        QStringLiteral("WINGDINGS"),     QStringLiteral("LOTUS"),
        QStringLiteral("NWC"),           QStringLiteral("WEBDINGS"),
        QStringLiteral("OPUS"),          QStringLiteral("MARLETT"),
        QStringLiteral("MATH"),          QStringLiteral("OUTLOOK"),
        QStringLiteral("PERGOLESI"),     QStringLiteral("SCARLATTI"),
        QStringLiteral("PHONETIC"),      QStringLiteral("MT EXTRA"),
        QStringLiteral("SPECIAL"),       QStringLiteral("SUPERMATTBATZ"),
        QStringLiteral("COME TO FONTY"), QStringLiteral("MAESTRO"),
    };
    return words;
}

const QStringList &FontList::capsOnlyWords()
{
    static const QStringList words = {
        QStringLiteral("BLACKFLY MAMBO"), QStringLiteral("BABYLON INDUSTRIAL"),
        QStringLiteral("INKBLOT BABY"),   QStringLiteral("SHADOW PUPPETS"),
        QStringLiteral("SLIM JIM"),
    };
    return words;
}

bool FontList::isNormal(const QString &name)
{
    const QString upper = name.toUpper();
    for (const QString &word : symbolWords()) {
        if (position(upper, word) != 0)
            return false;
    }
    for (const QString &word : capsOnlyWords()) {
        if (position(upper, word) != 0) {
            add(upper);
            return false;
        }
    }
    return true;
}

bool FontList::isNotSystem(const QString &name)
{
    const QString upper = name.toUpper();
    // Courier is a system font and Courier New is not: in "COURIER NEW" both words start
    // at the same place, so their difference is 0.
    qsizetype s =
        position(upper, QStringLiteral("SYSTEM")) + position(upper, QStringLiteral("TERMINAL")) +
        (position(upper, QStringLiteral("COURIER")) -
         position(upper, QStringLiteral("COURIER NEW"))) +
        position(upper, QStringLiteral("FIXED")) + position(upper, QStringLiteral("MS SERIF")) +
        position(upper, QStringLiteral("MS SANS SERIF")) +
        position(upper, QStringLiteral("SMALL FONTS"));
    if (upper == QLatin1String("SCRIPT") || upper == QLatin1String("STENCIL"))
        s += 1;
    return s == 0;
}

void FontList::build(const FontCatalog &catalog, bool includeSymbol, bool includeSystem)
{
    m_hasRefreshed = includeSymbol;
    m_hasSRefreshed = includeSystem;
    m_entries.clear();
    m_selected = -1;
    m_installed = qMax(0, catalog.count());
    // Entries go in unsorted in the order a one-by-one sorted insertion would see
    // them; one stable sort at the end gives the same list, faster.
    m_building = true;
    for (int i = 0; i < m_installed; ++i) {
        const QString name = cleanName(catalog.name(i));
        // isNormal runs for every name, whatever the check box says: it lists the
        // caps-only fonts in capitals.
        // A symbol character map makes a symbol font whatever the name says.
        const bool normal = isNormal(name) && !catalog.isSymbolFont(i);
        const bool a = normal || includeSymbol;
        const bool b = isNotSystem(name) || includeSystem;
        if (a && b)
            add(name);
    }
    m_building = false;
    m_entries = SortedNames::sorted(m_entries);
}

bool FontList::filtersDiffer(bool includeSymbol, bool includeSystem) const
{
    return includeSymbol != m_hasRefreshed || includeSystem != m_hasSRefreshed;
}

void FontList::setSelected(int index)
{
    m_selected = index >= 0 && index < count() ? index : -1;
}

void FontList::removeAndMoveSelection()
{
    const int k = m_selected;
    if (k < count() - 1) {
        m_entries.removeAt(k); // the next entry moves into place k and stays selected
    } else {
        m_entries.removeAt(k);
        m_selected = k - 1; // -1 when the list is now empty
    }
}

bool FontList::removeSelected()
{
    if (m_selected < 0 || m_selected >= count())
        return false;
    removeAndMoveSelection();
    return true;
}

bool FontList::capitaliseSelected()
{
    if (m_selected < 0 || m_selected >= count())
        return false;
    const QString kept = m_entries.at(m_selected);
    removeAndMoveSelection();
    add(kept.toUpper());
    return true;
}

void FontList::add(const QString &entry)
{
    if (m_building) {
        m_entries.append(entry);
        return;
    }
    const int at = SortedNames::insertPosition(m_entries, entry);
    m_entries.insert(at, entry);
    // The selection stays on the entry it was on.
    if (m_selected >= at)
        ++m_selected;
}

QString FontList::availableText() const
{
    return QString::number(m_installed) + QStringLiteral(" fonts available");
}

QString FontList::listedText() const
{
    return QString::number(count()) + QStringLiteral(" fonts listed");
}

QString FontList::plainText() const
{
    QString text;
    for (const QString &entry : m_entries)
        text += entry + QStringLiteral("\r\n");
    return text;
}
