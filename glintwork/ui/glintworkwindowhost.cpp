// The main window's side of the engine: Refresh, the output modes, the reset, the settings
// file and start-up, HTML export, and the calls the engine makes back into the window
// (ModeSwitchHost, RecordResetOperations, RefreshHost); see glintworkwindow.h.
#include "ui/glintworkwindow.h"

#include "core/randomsource.h"
#include "effects/htmlwriter.h"
#include "files/filelocations.h"
#include "platform/busypointer.h"
#include "platform/clipboardservice.h"
#include "platform/messageservice.h"
#include "platform/pendingevents.h"
#include "richtext/richdocument.h"
#include "settings/modetables.h"
#include "settings/settingsfile.h"
#include "settings/startup.h"
#include "ui/effectspanel.h"
#include "ui/outputpane.h"
#include "widgets/richtext/richtextedit.h"

#include <QAction>
#include <QDir>
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
    return m_services.messages->message(text, Formatter::warningTitle(),
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
        m_services.messages->input(HtmlWriter::titlePrompt(), kTitle, QFileInfo(path).fileName())
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
    return m_services.messages->message(ResetSequence::question(), kTitle,
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
    // The reset writes in silence (a failure is logged); without a writable folder there
    // is nowhere to write.
    if (!settingsFolder().isEmpty())
        SettingsFile::saveQuietly(settingsFolder(), settings);
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

bool GlintworkWindow::saveCurrentSettings()
{
    return !settingsFolder().isEmpty() &&
           SettingsFile::save(settingsFolder(), currentSettings()).ok;
}

QString GlintworkWindow::settingsReadFolder() const
{
    return m_services.files->configFileFolder(SettingsFile::kFileName);
}

void GlintworkWindow::loadSettings()
{
    EffectSettings s = StartUp::initialState();
    // The rows as the window was built, each tag the text of its displayed colour.
    m_panel->readRow(ColourLabels::Row::Alternate, s.alternateColours);
    m_panel->readRow(ColourLabels::Row::Blend, s.blendColours);
    for (ColourLabel &label : s.alternateColours)
        label.tag = QString::number(label.colour);
    for (ColourLabel &label : s.blendColours)
        label.tag = QString::number(label.colour);
    s.text = inputText();
    s.singleColour = m_panel->singleColour();
    s.toolTips = command(QStringLiteral("mnuTT"))->isChecked();
    const StartUp::Outcome outcome =
        StartUp::loadSettings(settingsReadFolder(), s, m_modes, *this, *this);
    showMode();
    showSettings(s);
    if (outcome == StartUp::Outcome::ResetTooLong)
        m_services.messages->message(
            tr("The text saved in \"%1\" is longer than %2 characters (a line break counts two), "
               "more than Glintwork can take.  The file was kept beside it as a backup, and the "
               "settings were reset.")
                .arg(QDir::toNativeSeparators(SettingsFile::path(settingsReadFolder())))
                .arg(EffectSettings::kMaxTextLength),
            kTitle, MessageService::Buttons::Ok, MessageService::Icon::Information);
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
    loadSettings();
    m_loaded = true;
    updateMenuRules();
    setBusy(false);
    if (settingsFolder().isEmpty())
        tellNoSettingsFolder();
}

void GlintworkWindow::tellNoSettingsFolder()
{
    const QString folder = m_services.files->userConfigFolder();
    const QString where = folder.isEmpty()
                              ? tr("There is no home folder for them.")
                              : tr("No folder for them can be written, \"%1\" included.")
                                    .arg(QDir::toNativeSeparators(folder));
    m_services.messages->message(
        tr("Glintwork cannot save your text and settings.  %1  Glintwork works on without "
           "saving them.")
            .arg(where),
        kTitle, MessageService::Buttons::Ok, MessageService::Icon::Information);
}

void GlintworkWindow::saveSettingsOnce()
{
    if (!m_loaded || m_settingsSaved)
        return;
    m_settingsSaved = true;
    const QString folder = settingsFolder();
    if (folder.isEmpty())
        return; // the user was told at start-up
    // The design saves in silence; losing the user's text in silence is worse, so a failure
    // is told once, with the choice to try again (after making room, say) or to go on.
    for (;;) {
        const WriteResult result = SettingsFile::save(folder, currentSettings());
        if (result.ok)
            return;
        const auto answer = m_services.messages->message(
            tr("Your text and settings could not be saved in \"%1\".  %2")
                .arg(QDir::toNativeSeparators(folder), result.error),
            kTitle, MessageService::Buttons::RetryDiscard, MessageService::Icon::Warning);
        if (answer != MessageService::Answer::Retry)
            return;
    }
}
