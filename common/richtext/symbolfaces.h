// The faces a writer marks as symbol fonts (\fcharset2 in RTF): a value a document carries,
// filled from the font catalog the program was given, so that two catalogs can meet in one
// process. Matched without regard to case.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class SymbolFaces {
public:
    SymbolFaces() = default;
    explicit SymbolFaces(const QStringList &faces);

    bool contains(const QString &face) const;
    bool isEmpty() const { return m_folded.isEmpty(); }

    friend bool operator==(const SymbolFaces &, const SymbolFaces &) = default;

private:
    QSet<QString> m_folded;
};
