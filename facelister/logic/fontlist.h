// Facelister's list of fonts: built from the installed fonts through the symbol-font and
// system-font filters, kept sorted without regard to case (duplicates allowed), and
// pruned by hand with remove and capitalise. Of these entries it lists those that match
// the search text and have a glyph for every character of the sample, when one is asked
// for; positions, the selection, the counts and the copies speak of the listed entries.
// The user's pruning is remembered by name until forgotten: every later build leaves out
// what was removed and lists in capitals what was capitalised.
#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class FontCatalog;

class FontList {
public:
    // The symbol-font words and the caps-only words, in the order they are tested.
    static const QStringList &symbolWords();
    static const QStringList &capsOnlyWords();

    // True for an ordinary text font. A caps-only font answers false and, as a side
    // effect the build relies on, adds its name in capitals to the list.
    bool isNormal(const QString &name);
    // True unless the name is one of the system fonts.
    static bool isNotSystem(const QString &name);

    // Empties the list and fills it from the catalog. A font is listed when it is normal
    // or symbol fonts are included, and it is not a system font or system fonts are
    // included, and the user has not removed it; one the user capitalised is listed in
    // capitals. The filters used are remembered; the selection is cleared.
    void build(const FontCatalog &catalog, bool includeSymbol, bool includeSystem);

    // Whether the filters on screen still match those of the last build.
    bool filtersDiffer(bool includeSymbol, bool includeSystem) const;
    bool builtWithSymbol() const { return m_hasRefreshed; }
    bool builtWithSystem() const { return m_hasSRefreshed; }

    // Lists only the entries that contain the text, ignoring case and accents.
    void setSearch(const QString &text);
    // Lists only the entries whose font has a glyph for every character of the sample, as
    // the catalog's character maps say; an empty sample lists them all.
    void setRequiredText(const FontCatalog &catalog, const QString &sample);
    // The text as the search compares it: accents and other marks dropped, compatibility
    // forms decomposed, case folded.
    static QString searchKey(const QString &text);

    // Whether the entry names a font whose character map is a symbol encoding.
    bool isSymbolFont(const QString &entry) const;

    const QStringList &entries() const { return m_listed; }
    int count() const { return int(m_listed.size()); }
    int installedCount() const { return m_installed; }
    int indexOf(const QString &entry) const { return int(m_listed.indexOf(entry)); }

    int selected() const { return m_selected; }
    // An index outside the list clears the selection.
    void setSelected(int index);

    // Removes the selected entry; the entry after it (or before it, for the last one)
    // becomes selected. False, and nothing changes, when no entry is selected.
    bool removeSelected();
    // Replaces the selected entry by its text in capitals, at its sorted place; the
    // selection moves as for a removal. False when no entry is selected.
    bool capitaliseSelected();
    // Forgets the removals and capitalisations, for the next build.
    void forgetPruning();
    bool hasPruning() const { return !m_removed.isEmpty() || !m_capitalised.isEmpty(); }
    // Adds an entry at its sorted place, after any equal entries.
    void add(const QString &entry);

    QString availableText() const;
    QString listedText() const;
    // Every entry followed by CR LF.
    QString plainText() const;

private:
    bool isListed(const QString &entry) const;
    // Lists the entries afresh; the selection follows the entry at that index of
    // m_entries, or is cleared when it is not listed.
    void relist(int selectedEntry);
    void findLacking(const FontCatalog &catalog);
    int selectedEntry() const;
    // Removes the selected entry and returns the index in m_entries of the entry that
    // takes over the selection: the next listed one, else the one before, else -1.
    int removeAndMoveSelection();

    QStringList m_entries;
    QStringList m_listed;
    QList<int> m_listedAt; // index in m_entries of each listed entry
    QString m_searchKey;
    QList<char32_t> m_required;
    QSet<QString> m_lacking;     // folded names of fonts without every glyph of the sample
    QSet<QString> m_symbolFonts; // folded names
    QSet<QString> m_removed;     // entries as they were when removed
    QSet<QString> m_capitalised; // entries as they were before capitals
    int m_selected = -1;
    int m_installed = 0;
    bool m_hasRefreshed = false;
    bool m_hasSRefreshed = false;
    bool m_building = false;
};
