// Recently used characters: see recentcharacters.h.
#include "logic/recentcharacters.h"

#include "files/textfile.h"

#include <QFile>

namespace {

// One character: one code point, which may take two UTF-16 units.
bool isOneCharacter(const QString &text)
{
    return !text.isEmpty() && text.toUcs4().size() == 1;
}

} // namespace

void RecentCharacters::add(const QString &character)
{
    if (!isOneCharacter(character))
        return;
    m_items.removeAll(character);
    m_items.prepend(character);
    while (m_items.size() > capacity)
        m_items.removeLast();
}

void RecentCharacters::load(const QString &path)
{
    m_items.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromUtf8(file.read(64 * 1024)).split(u'\n');
    for (const QString &line : lines) {
        if (isOneCharacter(line) && !m_items.contains(line) && m_items.size() < capacity)
            m_items.append(line);
    }
}

bool RecentCharacters::save(const QString &path) const
{
    if (path.isEmpty())
        return false;
    return TextFile::writeAtomically(path, (m_items.join(u'\n') + u'\n').toUtf8()).ok;
}
