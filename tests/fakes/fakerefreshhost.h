// A Refresh host that records what the formatter asked of the window and answers the
// warnings from a script.
#pragma once

#include "effects/formatter.h"

#include <QStringList>
#include <deque>

class FakeRefreshHost : public RefreshHost {
public:
    std::deque<bool> answers; // answers to the warnings; OK when they run out
    QStringList warnings;
    QStringList events;
    QList<int> selectedFonts;
    QString toolTip = Formatter::firstToolTip();
    int clears = 0;
    int outputs = 0;

    bool confirmWarning(const QString &text) override
    {
        warnings.append(text);
        if (answers.empty())
            return true;
        const bool ok = answers.front();
        answers.pop_front();
        return ok;
    }
    void setBusy(bool busy) override { events.append(busy ? "busy" : "idle"); }
    void showFontList(bool v) override { events.append(v ? "showList" : "hideList"); }
    void enableRefresh(bool e) override { events.append(e ? "enableRefresh" : "disableRefresh"); }
    void showOutput(bool v) override { events.append(v ? "showOutput" : "hideOutput"); }
    bool outputShowsFirstToolTip() const override { return toolTip == Formatter::firstToolTip(); }
    void setOutputToolTip(const QString &text) override { toolTip = text; }
    void selectFont(int index) override { selectedFonts.append(index); }
    void clearFontSelection() override
    {
        ++clears;
        events.append("clearSelection");
    }
    void outputReady(const RichDocument &) override
    {
        ++outputs;
        events.append("outputReady");
    }
};
