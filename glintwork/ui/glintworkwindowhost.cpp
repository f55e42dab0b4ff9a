// The main window's side of the engine: Refresh, the output modes, the reset, the settings
// file and start-up, HTML export, and the calls the engine makes back into the window
// (ModeSwitchHost, RecordResetOperations, RefreshHost); see glintworkwindow.h.
#include "glintworkwindow.h"

#include "busypointer.h"
#include "clipboardservice.h"
#include "effectspanel.h"
#include "filelocations.h"
#include "htmlwriter.h"
#include "messageservice.h"
#include "modetables.h"
#include "outputpane.h"
#include "pendingevents.h"
#include "randomsource.h"
#include "richdocument.h"
#include "richtextedit.h"
#include "settingsfile.h"
#include "startup.h"

#include <QAction>
#include <QFileInfo>

void GlintworkWindow::cmdP_Click()
{
    EffectSettings s = currentSettings();
    RichDocument work;
    const RefreshResult result = m_formatter.refresh(s, m_outputMode, work, *this);
    if (!result.ran)
        return;
    if (result.baseFontSize)
        output().setBaseFontSize(*result.baseFontSize);
    m_charSize = result.charSize;
    m_charColour = result.charColour;
    // The size fields may have been repaired.
    m_panel->showRepairedFields(s);
    m_outputPane->keepFontsLoaded();
    updateMenuRules();
}

bool GlintworkWindow::confirmWarning(const QString &text)
{
    return m_services.messages->message(text, Formatter::kWarningTitle,
                                        MessageService::Buttons::OkCancel) ==
           MessageService::Answer::Ok;
}

void GlintworkWindow::enableRefresh(bool enabled)
{
    m_busy = !enabled;
    m_panel->enableRefresh(enabled && !inputText().isEmpty());
}

bool GlintworkWindow::outputShowsFirstToolTip() const
{
    return m_outputPane->showsFirstToolTip();
}

void GlintworkWindow::setOutputToolTip(const QString &text)
{
    m_outputPane->setBoxToolTip(text);
}

void GlintworkWindow::selectFont(int index)
{
    m_panel->selectFont(index);
}

void GlintworkWindow::clearFontSelection()
{
    CommandCA_Click();
}

void GlintworkWindow::outputReady(const RichDocument &finished)
{
    m_outputPane->showResult(finished);
}

void GlintworkWindow::mnuHTML_Click()
{
    setBusy(true);
    output().setVisible(false);
    m_progress.setValue(0);
    m_progress.setVisible(true);
    const QString html = HtmlWriter::clipboardText(output(), commentAddress(), &m_progress);
    m_services.clipboard->clear();
    m_services.clipboard->setText(html);
    m_progress.setVisible(false);
    output().setVisible(true);
    setBusy(false);
}

void GlintworkWindow::saveHtml(const QString &path)
{
    const QString title =
        m_services.messages->input(HtmlWriter::kTitlePrompt, kTitle, QFileInfo(path).fileName())
            .value_or(QString());
    setBusy(true);
    output().setVisible(false);
    m_progress.setMax(output().text().size());
    m_progress.setValue(0);
    m_progress.setVisible(true);
    const QByteArray bytes = HtmlWriter::fileBytes(output(), title, commentAddress(), &m_progress);
    m_progress.setVisible(false);
    output().setVisible(true);
    setBusy(false);
    writeOutputFile(path, bytes);
}

void GlintworkWindow::setBusy(bool busy)
{
    m_services.busy->setBusy(busy, BusyPointer::Scope::Window);
    m_services.busy->setBusy(busy, BusyPointer::Scope::Screen);
}

void GlintworkWindow::processEvents()
{
    processPendingEvents();
}

void GlintworkWindow::showOutput(bool visible)
{
    if (!visible)
        m_outputPane->stopShowingLoad();
    m_outputPane->edit()->setVisible(visible);
}

void GlintworkWindow::showFontList(bool visible)
{
    m_panel->showFontList(visible);
}

void GlintworkWindow::informWordProcessorMode()
{
    // Shown by showSettings() once the font list and the size boxes hold the new mode.
    m_wordProcessorNoticePending = true;
}

void GlintworkWindow::showMode()
{
    m_outputMode = m_modes.mode();
    markMode();
    m_panel->fillSizeLists(ModeTables::minSizeItems(m_outputMode),
                           ModeTables::maxSizeItems(m_outputMode));
}

void GlintworkWindow::markMode()
{
    for (int i = 0; i < 3; ++i)
        command(QStringLiteral("mnuMode_%1").arg(i))->setChecked(i == int(m_outputMode));
}

void GlintworkWindow::mnuMode_Click(int index)
{
    // A click toggled the mode's check mark; the switch sets the marks itself.
    markMode();
    EffectSettings s = currentSettings();
    if (!m_modes.switchTo(s, OutputMode(index), *this))
        return;
    showMode();
    showSettings(s);
    setBusy(false);
}

bool GlintworkWindow::confirmReset()
{
    return m_services.messages->message(ResetSequence::kQuestion, kTitle,
                                        MessageService::Buttons::YesNo) ==
           MessageService::Answer::Yes;
}

void GlintworkWindow::switchMode(EffectSettings &settings, OutputMode mode)
{
    if (m_modes.switchTo(settings, mode, *this))
        showMode();
}

void GlintworkWindow::clearOutput()
{
    output().setText(QString());
}

void GlintworkWindow::saveSettings(const EffectSettings &settings)
{
    ::SaveSettings(settingsFolder(), settings);
}

void GlintworkWindow::mnuDS_Click()
{
    EffectSettings s = currentSettings();
    if (!ResetSequence::run(s, *this, true))
        return;
    showSettings(s);
    // "&Clear Selection" shows the list again if a command left it hidden.
    m_panel->showFontList(true);
    updateMenuRules();
}

QString GlintworkWindow::settingsFolder() const
{
    if (m_settingsFolder.isEmpty())
        m_settingsFolder = m_services.files->configFolder();
    return m_settingsFolder;
}

QString GlintworkWindow::settingsPath() const
{
    return SettingsFile::path(settingsFolder());
}

bool GlintworkWindow::SaveSettings()
{
    return ::SaveSettings(settingsFolder(), currentSettings()).ok;
}

void GlintworkWindow::GetSettings()
{
    EffectSettings s = StartUp::initialState();
    // The rows as the window was built, each tag the text of its displayed colour.
    m_panel->readRow(ColourLabels::Row::Alternate, s.cl);
    m_panel->readRow(ColourLabels::Row::Blend, s.cb);
    for (ColourLabel &label : s.cl)
        label.tag = QString::number(label.colour);
    for (ColourLabel &label : s.cb)
        label.tag = QString::number(label.colour);
    s.text = inputText();
    s.label1Col = m_panel->singleColour();
    s.mnuTT = command(QStringLiteral("mnuTT"))->isChecked();
    StartUp::loadSettings(settingsFolder(), s, m_modes, *this, *this);
    showMode();
    showSettings(s);
}

void GlintworkWindow::Form_Load()
{
    // 1: the window is up; the pointer says the program is busy while it loads.
    setBusy(true);
    processPendingEvents();
    // 2: a fresh random sequence for this run (a seed given on the command line repeats one).
    if (m_services.random)
        m_services.random->reseed();
    // 3-4: the fixed tables live in the engine; the scheme names go into their box.
    m_panel->fillSchemes(schemeNames());
    // 5-7: tags, no mode yet, then the file.
    m_modes.resetToNone();
    m_outputMode = OutputMode::None;
    GetSettings();
    m_loaded = true;
    updateMenuRules();
    setBusy(false);
}

void GlintworkWindow::saveSettingsOnce()
{
    if (!m_loaded || m_settingsSaved)
        return;
    m_settingsSaved = true;
    SaveSettings();
}
