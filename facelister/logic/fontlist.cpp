// Facelister's font list: see fontlist.h.
#include "logic/fontlist.h"

#include "fonts/fontcatalog.h"
#include "fonts/sortednames.h"
#include "fonts/symbolnamewords.h"

#include <QCoreApplication>

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
    return SymbolNameWords::fontListFilter();
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
    m_symbolFonts.clear();
    m_installed = qMax(0, catalog.count());
    // Entries go in unsorted in the order a one-by-one sorted insertion would see
    // them; one stable sort at the end gives the same list, faster.
    m_building = true;
    for (int i = 0; i < m_installed; ++i) {
        const QString name = cleanName(catalog.name(i));
        const bool symbolMap = catalog.isSymbolFont(i);
        if (symbolMap)
            m_symbolFonts.insert(name.toCaseFolded());
        // isNormal runs for every name, whatever the check box says: it lists the
        // caps-only fonts in capitals.
        // A symbol character map makes a symbol font whatever the name says.
        const bool normal = isNormal(name) && !symbolMap;
        const bool a = normal || includeSymbol;
        const bool b = isNotSystem(name) || includeSystem;
        if (a && b)
            add(m_capitalised.contains(name) ? name.toUpper() : name);
    }
    m_building = false;
    m_entries = SortedNames::sorted(m_entries);
    findLacking(catalog);
    relist(-1);
}

void FontList::setSearch(const QString &text)
{
    m_searchKey = searchKey(text);
    relist(selectedEntry());
}

void FontList::setRequiredText(const FontCatalog &catalog, const QString &sample)
{
    m_required = FontCatalog::requiredCharacters(sample);
    findLacking(catalog);
    relist(selectedEntry());
}

void FontList::findLacking(const FontCatalog &catalog)
{
    m_lacking.clear();
    if (m_required.isEmpty())
        return;
    for (const QString &entry : std::as_const(m_entries)) {
        const QString folded = entry.toCaseFolded();
        if (!m_lacking.contains(folded) && !catalog.hasGlyphsFor(entry, m_required))
            m_lacking.insert(folded);
    }
}

QString FontList::searchKey(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining &&
            category != QChar::Mark_Enclosing)
            key += c;
    }
    return key.toCaseFolded();
}

bool FontList::isSymbolFont(const QString &entry) const
{
    return m_symbolFonts.contains(entry.toCaseFolded());
}

bool FontList::isListed(const QString &entry) const
{
    if (!m_searchKey.isEmpty() && !searchKey(entry).contains(m_searchKey))
        return false;
    return m_lacking.isEmpty() || !m_lacking.contains(entry.toCaseFolded());
}

void FontList::relist(int selectedEntry)
{
    m_listed.clear();
    m_listedAt.clear();
    m_selected = -1;
    const bool all = m_searchKey.isEmpty() && m_lacking.isEmpty();
    for (int i = 0; i < m_entries.size(); ++i) {
        if (!all && !isListed(m_entries.at(i)))
            continue;
        if (i == selectedEntry)
            m_selected = int(m_listed.size());
        m_listed.append(m_entries.at(i));
        m_listedAt.append(i);
    }
}

int FontList::selectedEntry() const
{
    return m_selected < 0 ? -1 : m_listedAt.at(m_selected);
}

bool FontList::filtersDiffer(bool includeSymbol, bool includeSystem) const
{
    return includeSymbol != m_hasRefreshed || includeSystem != m_hasSRefreshed;
}

void FontList::setSelected(int index)
{
    m_selected = index >= 0 && index < count() ? index : -1;
}

int FontList::removeAndMoveSelection()
{
    const int row = m_selected;
    const int k = m_listedAt.at(row);
    int next = -1;
    if (row < count() - 1)
        next = m_listedAt.at(row + 1) - 1; // it moves up into the removed entry's place
    else if (row > 0)
        next = m_listedAt.at(row - 1);
    m_entries.removeAt(k);
    return next;
}

bool FontList::removeSelected()
{
    if (m_selected < 0 || m_selected >= count())
        return false;
    m_removed.insert(m_listed.at(m_selected));
    relist(removeAndMoveSelection());
    return true;
}

bool FontList::capitaliseSelected()
{
    if (m_selected < 0 || m_selected >= count())
        return false;
    const QString kept = m_entries.at(selectedEntry());
    m_capitalised.insert(kept);
    int next = removeAndMoveSelection();
    const QString upper = kept.toUpper();
    const int at = SortedNames::insertPosition(m_entries, upper);
    m_entries.insert(at, upper);
    if (next >= at)
        ++next;
    relist(next);
    return true;
}

void FontList::add(const QString &entry)
{
    if (m_building) {
        if (!m_removed.contains(entry))
            m_entries.append(entry);
        return;
    }
    // The selection stays on the entry it was on.
    int selected = selectedEntry();
    const int at = SortedNames::insertPosition(m_entries, entry);
    m_entries.insert(at, entry);
    if (selected >= at)
        ++selected;
    relist(selected);
}

void FontList::forgetPruning()
{
    m_removed.clear();
    m_capitalised.clear();
}

QString FontList::availableText() const
{
    return QCoreApplication::translate("FontList", "%n fonts available", nullptr, m_installed);
}

QString FontList::listedText() const
{
    return QCoreApplication::translate("FontList", "%n fonts listed", nullptr, int(count()));
}

QString FontList::plainText() const
{
    QString text;
    for (const QString &entry : m_listed)
        text += entry + QStringLiteral("\r\n");
    return text;
}
