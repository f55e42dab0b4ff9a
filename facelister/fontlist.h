// Facelister's list of fonts: built from the installed fonts through the symbol-font and
// system-font filters, kept sorted without regard to case (duplicates allowed), and
// pruned by hand with remove and capitalise.
#pragma once

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
    // included. The filters used are remembered; the selection is cleared.
    void build(const FontCatalog &catalog, bool includeSymbol, bool includeSystem);

    // Whether the filters on screen still match those of the last build.
    bool filtersDiffer(bool includeSymbol, bool includeSystem) const;
    bool builtWithSymbol() const { return m_hasRefreshed; }
    bool builtWithSystem() const { return m_hasSRefreshed; }

    const QStringList &entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }
    int installedCount() const { return m_installed; }
    int indexOf(const QString &entry) const { return int(m_entries.indexOf(entry)); }

    int selected() const { return m_selected; }
    // An index outside the list clears the selection.
    void setSelected(int index);

    // Removes the selected entry; the entry after it (or before it, for the last one)
    // becomes selected. False, and nothing changes, when no entry is selected.
    bool removeSelected();
    // Replaces the selected entry by its text in capitals, at its sorted place; the
    // selection moves as for a removal. False when no entry is selected.
    bool capitaliseSelected();
    // Adds an entry at its sorted place, after any equal entries.
    void add(const QString &entry);

    QString availableText() const;
    QString listedText() const;
    // Every entry followed by CR LF.
    QString plainText() const;

private:
    void removeAndMoveSelection();

    QStringList m_entries;
    int m_selected = -1;
    int m_installed = 0;
    bool m_hasRefreshed = false;
    bool m_hasSRefreshed = false;
    bool m_building = false;
};
