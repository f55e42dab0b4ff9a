// The output mode switch: see modeswitch.h.
#include "modeswitch.h"

#include "fontcatalog.h"
#include "modetables.h"
#include "progressstate.h"

ModeSwitch::ModeSwitch(const FontCatalog &fonts, ProgressState &progress)
    : m_fonts(fonts), m_progress(progress)
{}

void ModeSwitch::collectWebFonts()
{
    if (m_webFontsCollected)
        return;
    m_webFontsCollected = true;
    QStringList remaining = ModeTables::WebFontNames();
    const int count = m_fonts.count();
    for (int p = 0; p < count && !remaining.isEmpty(); ++p) {
        const qsizetype hit = remaining.indexOf(m_fonts.name(p).trimmed().toUpper());
        if (hit >= 0) {
            m_webFontPositions.append(p);
            remaining.removeAt(hit);
        }
    }
}

const QList<int> &ModeSwitch::webFontPositions()
{
    collectWebFonts();
    return m_webFontPositions;
}

int ModeSwitch::fontCountFor(OutputMode mode)
{
    if (mode == OutputMode::Html)
        return int(webFontPositions().size());
    return m_fonts.count();
}

bool ModeSwitch::switchTo(EffectSettings &s, OutputMode index, ModeSwitchHost &host)
{
    if (index == m_mode)
        return false;
    if (index != OutputMode::Normal && index != OutputMode::Html &&
        index != OutputMode::WordProcessor)
        return false;
    host.setBusy(true);
    host.processEvents();

    if (m_mode == OutputMode::Html || m_mode == OutputMode::None) {
        const int count = m_fonts.count();
        m_progress.setMax(count - 1);
        m_progress.setValue(0);
        host.showOutput(false);
        m_progress.setVisible(true);
        host.showFontList(false);
        QStringList names;
        names.reserve(count);
        for (int p = 0; p < count; ++p) {
            m_progress.setValue(p);
            names.append(m_fonts.name(p));
        }
        // The web fonts are matched on the first switch only; the catalogue is stable.
        collectWebFonts();
        s.setFonts(names);
        host.showFontList(true);
        const OutputMode points = OutputMode::Normal;
        ModeTables::selectSizeItem(s.comboS, s.comboSIndex, ModeTables::minSizeItems(points),
                                   ModeTables::defaultMinIndex(points));
        ModeTables::selectSizeItem(s.comboB, s.comboBIndex, ModeTables::maxSizeItems(points),
                                   ModeTables::defaultMaxIndex(points));
        host.showOutput(true);
        m_progress.setVisible(false);
    }

    m_mode = index;
    s.outputMode = index;

    if (index == OutputMode::Html) {
        s.pos = EffectSettings::PosNone;
        host.processEvents();
        QStringList names;
        for (int p : std::as_const(m_webFontPositions))
            names.append(m_fonts.name(p));
        s.setFonts(names);
        const QStringList &preselected = ModeTables::PreselectedWebFontNames();
        for (qsizetype i = 0; i < names.size(); ++i)
            s.fontSelected[i] = preselected.contains(names[i].toUpper());
        ModeTables::selectSizeItem(s.comboS, s.comboSIndex,
                                   ModeTables::minSizeItems(OutputMode::Html),
                                   ModeTables::defaultMinIndex(OutputMode::Html));
        ModeTables::selectSizeItem(s.comboB, s.comboBIndex,
                                   ModeTables::maxSizeItems(OutputMode::Html),
                                   ModeTables::defaultMaxIndex(OutputMode::Html));
    } else if (index == OutputMode::WordProcessor) {
        host.informWordProcessorMode();
    }
    host.setBusy(false);
    return true;
}
