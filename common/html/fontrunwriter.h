// Writes formatted text as a flat row of <font> runs for the suite's HTML pages: each run
// opens its font tag with every attribute (then <b> and <i>), and is closed again before
// the next run or a line break opens. Unclosed tags nest one inside the other for every
// change, which browsers take seconds to lay out on a long page; closed runs never nest
// more than three elements deep and show the same.
#pragma once

#include "html/htmltext.h"

#include <QHash>
#include <QList>
#include <QString>

class FontRunWriter {
public:
    // The attributes of one run. An empty face or a negative colour is not written.
    struct Format {
        QString face;
        int sizeClass = 0;  // 1 .. 7; 0 writes no size
        qint32 colour = -1; // 0x00BBGGRR
        bool bold = false;
        bool italic = false;

        friend bool operator==(const Format &, const Format &) = default;
    };

    // Faces are written lower-cased, inside quotes of the given kind.
    explicit FontRunWriter(QString &out, HtmlText::Quote faceQuote = HtmlText::Quote::Double);

    // What is appended to the output next is in `format`: a different face, size or colour
    // closes the open run and opens a new one; bold and italic alone change inside it.
    void setFormat(const Format &format);
    // Closes the open run and writes "<br>".
    void lineBreak();
    // Closes the open run, if any.
    void close();

    static QString colourHex(qint32 colour);

private:
    const QString &faceAttribute(const QString &face);

    QString &m_out;
    HtmlText::Quote m_faceQuote = HtmlText::Quote::Double;
    Format m_format;
    bool m_open = false;
    QHash<QString, QString> m_faceAttributes;
    // The first faces asked for and their attributes, found by where their characters lie.
    static constexpr qsizetype kRecentFaces = 32;
    QList<std::pair<QString, QString>> m_recentFaces;
};
