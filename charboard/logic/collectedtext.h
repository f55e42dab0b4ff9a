// The collected characters and the font each was collected in, so that "Copy as Unicode"
// converts every character with the equivalents of its own font. Characters typed into the
// box by hand belong to no font and are copied as typed.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class CollectedText {
public:
    // A font's table of equivalents (empty for a text font).
    using Equivalents = std::function<QStringList(const QString &font)>;

    // The box now holds `text`: whatever differs from the text known so far (between
    // their common start and common end) came from `font`, or was typed when it is empty.
    void follow(const QString &text, const QString &font = {});
    QString text() const { return m_text; }
    // The text with each font's run replaced by its Unicode equivalents.
    QString unicodeText(const Equivalents &equivalents) const;

private:
    QString m_text;
    QStringList m_fonts; // one per code unit of m_text
};
