// What the Refresh benchmarks share: a host that asks nothing and does nothing the window
// would do (the document is the working box), and the prose they format.
#pragma once

#include "effects/formatter.h"

#include <QString>

class NullRefreshHost : public RefreshHost {
public:
    bool confirmWarning(const QString &) override { return true; }
    void setBusy(bool) override {}
    void showFontList(bool) override {}
    void enableRefresh(bool) override {}
    void showOutput(bool) override {}
    bool outputShowsFirstToolTip() const override { return false; }
    void setOutputToolTip(const QString &) override {}
    void selectFont(int) override {}
    void clearFontSelection() override {}
    void outputReady(const RichDocument &) override {}
};

// n characters of one sentence over and over, a line break (CR LF) after each.
inline QString benchProse(qsizetype n)
{
    static const QString kLine = QStringLiteral(
        "The quick brown fox jumps over the lazy dog, and then it rests a while.\r\n");
    QString text;
    text.reserve(n + kLine.size());
    while (text.size() < n)
        text += kLine;
    text.truncate(n);
    return text;
}
