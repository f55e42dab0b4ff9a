// The characters the user selected or collected last, newest first, at most 16, kept between
// runs in a small UTF-8 file (one character per line) in the user's configuration folder.
#pragma once

#include <QString>
#include <QStringList>

class RecentCharacters {
public:
    static constexpr int capacity = 16;

    const QStringList &items() const { return m_items; }
    // Puts the character first; one it held already moves there, the oldest beyond 16 goes.
    void add(const QString &character);

    // Reads the file; a missing or unreadable file leaves the list empty. Lines that are not
    // one character are skipped.
    void load(const QString &path);
    // Writes the file whole (never half); false when it could not be written.
    bool save(const QString &path) const;

private:
    QStringList m_items;
};
