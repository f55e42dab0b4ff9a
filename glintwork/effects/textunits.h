// The units of text that one effect treats as a whole: user-perceived characters
// (grapheme clusters) and, in scripts whose letters join or reorder, whole words, so that
// a change of font, size or position never cuts a letter from its marks or breaks a join.
#pragma once

#include <QList>
#include <QString>

#include <functional>

class TextUnits {
public:
    struct Span {
        qsizetype start = 0;
        qsizetype length = 0;
        bool joined = false; // a word of a joining or reordering script
    };

    using Visitor = std::function<void(const Span &span)>;

    // The text as consecutive spans: a grapheme cluster each, except that the clusters of
    // a word in a joining script form one span.
    static QList<Span> spans(const QString &text);
    // The same spans handed over one at a time, in order: a long text never holds them all
    // (a span takes twelve times the room of a character).
    static void forEachSpan(const QString &text, const Visitor &visit);
    // The grapheme clusters alone.
    static QList<Span> clusters(const QString &text);
    static void forEachCluster(const QString &text, const Visitor &visit);
    // Arabic, Syriac, N'Ko, Mongolian, the Indic scripts, Thai and its neighbours.
    static bool isJoiningScript(char32_t c);
};
