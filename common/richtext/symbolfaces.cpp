// Symbol faces: see symbolfaces.h.
#include "richtext/symbolfaces.h"

SymbolFaces::SymbolFaces(const QStringList &faces)
{
    for (const QString &face : faces)
        m_folded.insert(face.toCaseFolded());
}

bool SymbolFaces::contains(const QString &face) const
{
    return !m_folded.isEmpty() && m_folded.contains(face.toCaseFolded());
}
