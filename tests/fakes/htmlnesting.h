// How deep a page's elements nest below a given element, and whether every element that
// opens there closes again in order: the measure of the suite's HTML writers.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

struct HtmlNesting {
    int maxDepth = 0;     // elements open at once below the element, at most
    bool balanced = true; // every tag closed in order, and nothing left open

    // The nesting inside the first `<container>` element of the page (or the page's start).
    static HtmlNesting of(const QString &html, const QString &container = QStringLiteral("body"))
    {
        static const QRegularExpression tag(QStringLiteral("<!--.*?-->|<(/?)([a-zA-Z]+)[^>]*>"),
                                            QRegularExpression::DotMatchesEverythingOption);
        static const QStringList voidElements = {QStringLiteral("br"), QStringLiteral("meta")};
        HtmlNesting result;
        QStringList open;
        bool inside = container.isEmpty();
        for (auto it = tag.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const QString name = m.captured(2).toLower();
            if (name.isEmpty() || voidElements.contains(name))
                continue;
            const bool closing = !m.captured(1).isEmpty();
            if (!inside) {
                inside = !closing && name == container;
                continue;
            }
            if (closing && open.isEmpty() && name == container)
                return result;
            if (closing) {
                if (open.isEmpty() || open.last() != name)
                    result.balanced = false;
                if (!open.isEmpty())
                    open.removeLast();
                continue;
            }
            open.append(name);
            result.maxDepth = std::max(result.maxDepth, int(open.size()));
        }
        result.balanced = result.balanced && open.isEmpty();
        return result;
    }
};
