// Installed fonts from Qt's font database: the families of real font files, in the order
// of the suite's sorted lists.
#pragma once

#include "fonts/fontcatalog.h"

#include <QHash>
#include <QRawFont>

#include <optional>

class QtFontCatalog : public FontCatalog {
public:
    QtFontCatalog();
    int count() const override;
    QString name(int index) const override;
    // Symbol-encoded by what the font holds (SymbolFont::isSymbolEncoded), not by its name
    // or by characters it lacks; asked on first use and remembered.
    bool isSymbolFont(int index) const override;
    // Asks the font's own character map through QRawFont, and remembers every answer for
    // the rest of the run: the first filter loads each font once, later ones only look up.
    // The font's data is let go after each question: thousands of fonts would hold
    // hundreds of megabytes, the answers a few bytes each.
    bool hasGlyphsFor(const QString &family, const QList<char32_t> &characters) const override;
    // Where fontconfig serves the fonts, its own order for the characters (FcFontSort with
    // their character set; for emoji only colour fonts), checked against the character maps and
    // remembered; elsewhere the catalog's scan.
    QString fallbackFamily(const QList<char32_t> &characters, bool emoji) const override;
    // fontconfig's metric aliases (WebFontAliases).
    QString metricAlias(const QString &family) const override;

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
        QString installed; // the installed family's name; empty when it is not installed
        QHash<char32_t, bool> known;
    };
    CharacterMap &characterMap(const QString &family) const;
    QString installedName(const QString &family) const;
    QString platformFallback(const QList<char32_t> &characters, bool colourOnly) const;
    static QRawFont rawFont(const QString &installed);

    QStringList m_names;
    mutable QHash<QString, QString> m_namesByFolded;
    mutable QHash<QString, CharacterMap> m_maps;
    mutable QList<std::optional<bool>> m_symbol;
    mutable QHash<QString, QString> m_fallbacks; // by the characters, emoji marked
};
