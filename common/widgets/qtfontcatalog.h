// Installed fonts from Qt's font database: the families of real font files, in the order
// of the suite's sorted lists.
#pragma once

#include "fontcatalog.h"

#include <QHash>
#include <QRawFont>

class QtFontCatalog : public FontCatalog {
public:
    QtFontCatalog();
    int count() const override;
    QString name(int index) const override;
    bool isSymbolFont(int index) const override;
    // Asks the font's own character map through QRawFont, and remembers every answer for
    // the rest of the run: the first filter loads each font once, later ones only look up.
    bool hasGlyphsFor(const QString &family, const QList<char32_t> &characters) const override;

    // Qt names a family that several foundries offer "Family [Foundry]". The suite shows
    // and stores the family alone: that is the name other programs, RTF and HTML know,
    // and QFont picks a foundry by itself. Duplicates that this leaves are dropped.
    static QString familyName(const QString &qtFamily);
    static QStringList familyNames(const QStringList &qtFamilies);
    // Qt lists the platform's generic names ("Sans Serif", "Serif", "Monospace") beside
    // the installed families; they stand for some other font and are not listed.
    static bool isGenericAlias(const QString &qtFamily);

private:
    struct CharacterMap {
        QRawFont font; // invalid when the family is not installed
        QHash<char32_t, bool> known;
    };
    CharacterMap &characterMap(const QString &family) const;

    QStringList m_names;
    mutable QHash<QString, QString> m_namesByFolded;
    mutable QHash<QString, CharacterMap> m_maps;
    QList<bool> m_symbol;
};
