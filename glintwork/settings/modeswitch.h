// `mnuMode_Click`: the output mode switch. It refills the font list and the size boxes of
// the settings record for the new mode; what it shows, hides and asks goes through the
// window's host interface. Owns `OutputMode` and the `WebFontPositions` collected once.
#pragma once

#include "settings/effectsettings.h"

#include <QHash>
#include <QList>
#include <QStringList>

class FontCatalog;
class ProgressState;

class ModeSwitchHost {
public:
    virtual ~ModeSwitchHost() = default;
    // The hourglass over the window and the screen, and back.
    virtual void setBusy(bool busy) = 0;
    // Lets the window repaint.
    virtual void processEvents() = 0;
    virtual void showOutput(bool visible) = 0;
    virtual void showFontList(bool visible) = 0;
    // The information message of Word Processor mode.
    virtual void informWordProcessorMode() = 0;
};

class ModeSwitch {
public:
    // The notice shown on entering Word Processor mode.
    static QString wordProcessorMessage();

    ModeSwitch(const FontCatalog &fonts, ProgressState &progress);

    OutputMode mode() const { return m_mode; }
    // Back to "no mode yet" (start-up).
    void resetToNone() { m_mode = OutputMode::None; }

    // Switches to `index` (0, 1 or 2) and updates the record: its font list, selection,
    // size boxes, `pos` and `outputMode`. Returns false when nothing was done (the mode is
    // already `index`, or `index` is not a mode).
    bool switchTo(EffectSettings &settings, OutputMode index, ModeSwitchHost &host);

    // Positions in the catalogue of the installed web fonts, in ascending order.
    const QList<int> &webFontPositions();
    // HTML mode's font list: the web fonts installed under their names (in the catalogue's
    // order), then those the platform fills with a metric-compatible family.
    const QStringList &webFontNames();
    // The family standing in for each web font of the list that is not installed itself.
    const QHash<QString, QString> &webFontStandIns();
    // How many entries the font list has in a mode (for the settings loader).
    int fontCountFor(OutputMode mode);

private:
    void collectWebFonts();

    const FontCatalog &m_fonts;
    ProgressState &m_progress;
    OutputMode m_mode = OutputMode::None;
    QList<int> m_webFontPositions;
    QStringList m_webFontNames;
    QHash<QString, QString> m_webFontStandIns;
    bool m_webFontsCollected = false;
};
