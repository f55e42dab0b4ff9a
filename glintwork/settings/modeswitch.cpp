// The output mode switch: see modeswitch.h.
#include "settings/modeswitch.h"

#include "core/progressstate.h"
#include "fonts/fontcatalog.h"
#include "settings/modetables.h"

#include <QCoreApplication>

QString ModeSwitch::wordProcessorMessage()
{
    return QCoreApplication::translate(
        "ModeSwitch",
        "In Word Processor mode, all colors will be replaced with their nearest windows "
        "equivalent (so that colors are not changed when you paste into a word processor, "
        "e.g. in older versions of MS Word and MS Works).");
}

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
            m_webFontNames.append(m_fonts.name(p));
            remaining.removeAt(hit);
        }
    }
    // Not installed under its name, a web font still counts where the platform draws it
    // with a family of the same metrics: the page names the web font, which the reader's
    // browser finds, and the box draws the stand-in.
    const QStringList &names = ModeTables::WebFontNames();
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!remaining.contains(names[i]))
            continue;
        const QString title = ModeTables::WebFontTitles().value(i);
        const QString standIn = m_fonts.metricAlias(title);
        if (standIn.isEmpty())
            continue;
        m_webFontNames.append(title);
        m_webFontStandIns.insert(title, standIn);
    }
}

const QStringList &ModeSwitch::webFontNames()
{
    collectWebFonts();
    return m_webFontNames;
}

const QHash<QString, QString> &ModeSwitch::webFontStandIns()
{
    collectWebFonts();
    return m_webFontStandIns;
}

const QList<int> &ModeSwitch::webFontPositions()
{
    collectWebFonts();
    return m_webFontPositions;
}

int ModeSwitch::fontCountFor(OutputMode mode)
{
    if (mode == OutputMode::Html)
        return int(webFontNames().size());
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
        ModeTables::selectSizeItem(s.minimumSize, s.minimumSizeIndex,
                                   ModeTables::minSizeItems(points),
                                   ModeTables::defaultMinIndex(points));
        ModeTables::selectSizeItem(s.maximumSize, s.maximumSizeIndex,
                                   ModeTables::maxSizeItems(points),
                                   ModeTables::defaultMaxIndex(points));
        host.showOutput(true);
        m_progress.setVisible(false);
    }

    m_mode = index;
    s.outputMode = index;

    if (index == OutputMode::Html) {
        s.characterPosition = EffectSettings::PositionNone;
        host.processEvents();
        const QStringList &names = m_webFontNames;
        s.setFonts(names);
        const QStringList &preselected = ModeTables::PreselectedWebFontNames();
        for (qsizetype i = 0; i < names.size(); ++i)
            s.fontSelected[i] = preselected.contains(names[i].toUpper());
        ModeTables::selectSizeItem(s.minimumSize, s.minimumSizeIndex,
                                   ModeTables::minSizeItems(OutputMode::Html),
                                   ModeTables::defaultMinIndex(OutputMode::Html));
        ModeTables::selectSizeItem(s.maximumSize, s.maximumSizeIndex,
                                   ModeTables::maxSizeItems(OutputMode::Html),
                                   ModeTables::defaultMaxIndex(OutputMode::Html));
    } else if (index == OutputMode::WordProcessor) {
        host.informWordProcessorMode();
    }
    host.setBusy(false);
    return true;
}
