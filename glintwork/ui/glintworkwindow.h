// The main window of Glintwork: the effects panel above, the output pane below and the
// menus made from one command table. The window reads the panel into an EffectSettings
// record, hands it to the engine and shows what comes back; its handlers are named after
// the control and event they answer, and every platform service arrives through
// GlintworkServices. The handlers live in three files: glintworkwindow.cpp (building, the
// settings record, enabling, help), glintworkwindowcommands.cpp (the menu commands) and
// glintworkwindowhost.cpp (Refresh, modes, reset, start-up and the engine's host calls).
#pragma once

#include "core/progressstate.h"
#include "effects/formatter.h"
#include "effects/recentcolours.h"
#include "settings/effectsettings.h"
#include "settings/modeswitch.h"
#include "settings/resetsequence.h"
#include "ui/commandtable.h"
#include "ui/glintworkdialogs.h"
#include "ui/glintworkservices.h"

#include <QMainWindow>
#include <memory>

class EffectsPanel;
class PrintCommands;
struct PrintJob;
class OutputPane;
class QVBoxLayout;
class RichTextBox;

class GlintworkWindow : public QMainWindow,
                        private ModeSwitchHost,
                        private RecordResetOperations,
                        private RefreshHost {
    Q_OBJECT
public:
    static inline const QString kTitle = QStringLiteral("Glintwork");

    explicit GlintworkWindow(const GlintworkServices &services, QWidget *parent = nullptr);
    ~GlintworkWindow() override;

    // The start-up sequence; the window must already be shown.
    void Form_Load();

    // The controls as one record, and back.
    EffectSettings currentSettings() const;
    void showSettings(const EffectSettings &settings);
    OutputMode outputMode() const { return m_outputMode; }
    // The folder of "Glintwork.ini": beside the program when it can be written there,
    // else the user's configuration folder.
    QString settingsFolder() const;
    QString settingsPath() const;
    static QStringList schemeNames();

    // The input text with CR LF line breaks, as the engine and the settings file see it.
    QString inputText() const;
    // The longest input text the box takes (EffectSettings::kMaxTextLength); tests set a
    // small one, so that they need not build a text of millions of characters.
    qsizetype maxInputLength() const { return m_maxInputLength; }
    void setMaxInputLength(qsizetype length) { m_maxInputLength = length; }
    void setInputText(const QString &crlfText);

    RichTextBox &output() const;
    QWidget *outputWidget() const;
    ProgressState &progress() { return m_progress; }

    // Handlers, named after their control and event.
    void cmdP_Click();
    void ListFonts_Click();
    void CommandCA_Click();
    void Text_Change();
    void Sizes_Click(int index);
    void OC_Click(int index);
    void CL_MouseDown(int index, int button);
    void CB_MouseDown(int index, int button);
    void Label1Col_Click();
    void R_MouseDown(int button);

    void mnuSave_Click();
    void mnuPrint_Click();
    // The whole result, paginated: the print preview and a PDF file.
    void mnuPreview_Click();
    void mnuPdf_Click();
    void mnuX_Click();
    void mnuFont_Click();
    void mnuColour_Click();
    void mnuCut_Click();
    void mnuCopy_Click();
    void mnuHTML_Click();
    void mnuPRTF_Click();
    void mnuPaste_Click();
    void mnuClear_Click();
    void mnuDS_Click();
    void mnuMode_Click(int index);
    void mnuFS_Click(int index);
    void mnuDoubleS_Click();
    void mnuOH_Click();
    void mnuTT_Click();
    void mnuDLFonts_Click();
    void mnuAbout_Click();

    // The enabling rules each menu runs as it opens.
    void mnufile_Open();
    void mnuEdit_Open();
    void mnuTools_Open();

    bool saveCurrentSettings();
    void loadSettings();

    // The addresses of the help commands (build settings or the bundled page).
    QString helpAddress() const;
    static QString commentAddress();
    static QString suggestionsAddress();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The operations the engine's mode switch, reset and Refresh drive.
    void setBusy(bool busy) override;
    void processEvents() override;
    void showOutput(bool visible) override;
    void showFontList(bool visible) override;
    void informWordProcessorMode() override;
    bool confirmReset() override;
    void switchMode(EffectSettings &settings, OutputMode mode) override;
    void clearOutput() override;
    void saveSettings(const EffectSettings &settings) override;
    bool confirmWarning(const QString &text) override;
    void enableRefresh(bool enabled) override;
    bool outputShowsFirstToolTip() const override;
    void setOutputToolTip(const QString &text) override;
    void selectFont(int index) override;
    void clearFontSelection() override;
    using RecordResetOperations::clearFontSelection;
    void outputReady(const RichDocument &finished) override;

    QList<CommandMenu> commandMenus();
    CommandMenu fileMenu();
    CommandMenu editMenu();
    CommandMenu settingsMenu();
    CommandMenu toolsMenu();
    CommandMenu helpMenu();
    std::function<void()> handler(void (GlintworkWindow::*method)());
    void connectPanel();
    void installShortcutFilter();

    EnabledState enabledState() const;
    void applyEnabling();
    void applyToolTips(bool on);
    void updateMenuRules();
    void applyMenuRules(const EnabledState &state);
    // The menu title whose access letter a shortcut event carries, if any.
    QAction *menuTitleFor(QEvent *event) const;
    void showMode();
    void markMode();
    void saveHtml(const QString &path);
    PrintCommands printCommands();
    PrintJob printJob() const;
    void swatchMouseDown(ColourLabels::Row which, int index, int button);
    std::optional<qint32> pickColour(std::optional<qint32> preset);
    void chooseColourOption(int option);
    bool writeOutputFile(const QString &path, const QByteArray &bytes);
    void saveSettingsOnce();
    void tellNoSettingsFolder();
    void refuseLongInput();
    // Whether Save As would write over the program's own settings file, by any name.
    bool isSettingsFile(const QString &path) const;
    // Where the settings are read from: the writable folder's file, else one that cannot be
    // written (read all the same); settingsFolder() is where they are written (empty: nowhere).
    QString settingsReadFolder() const;
    QAction *command(const QString &name) const;

    GlintworkServices m_services;
    ProgressState m_progress;
    ModeSwitch m_modes;
    RecentColours m_recent;
    Formatter m_formatter;
    // `CharSize` and `CharColour` of the last Refresh.
    QList<float> m_charSize;
    QList<qint32> m_charColour;
    OutputMode m_outputMode = OutputMode::None;
    mutable QString m_settingsFolder;
    // Settings are written on closing only once they were loaded: a window that never
    // read the file must not replace it.
    bool m_loaded = false;
    bool m_settingsSaved = false;
    bool m_refusingInput = false;
    qsizetype m_maxInputLength = EffectSettings::kMaxTextLength;
    bool m_busy = false;
    // Word Processor mode's message waits until the window shows the new mode.
    bool m_wordProcessorNoticePending = false;

    QWidget *m_central = nullptr;
    QVBoxLayout *m_centralLayout = nullptr;
    EffectsPanel *m_panel = nullptr;
    OutputPane *m_outputPane = nullptr;
    std::unique_ptr<CommandTable> m_commands;
};
