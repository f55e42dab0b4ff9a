// Facelister's main window: the font list with its filters and commands, the settings,
// the out-of-date indicator, the preview and the menus. The handlers carry the names of
// the controls and events they answer and are public so that tests can drive them.
#pragma once

#include "core/progressstate.h"
#include "logic/fontlist.h"
#include "logic/previewbuilder.h"
#include "ui/facelisterservices.h"

#include <QMainWindow>

class FontDetailsPanel;
class FontListPanel;
class PleaseWaitWindow;
class SettingsPanel;
class QAction;
struct PrintJob;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class PreviewView;

class FacelisterWindow : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kRefreshDelayMs = 400;
    static constexpr int kFlashIntervalMs = 200;
    static constexpr int kFlashSteps = 4;

    explicit FacelisterWindow(const FacelisterServices &services, QWidget *parent = nullptr);
    ~FacelisterWindow() override;

    // Start-up: the please-wait window, the list, the first preview (whose build runs on
    // the first tick of the refresh timer).
    void Form_Load();

    // The list and its filters.
    void CommandRL_Click();
    void CommandRemove_Click();
    void CommandCap_Click();
    void ListFonts_Click();
    void CheckSF_Click();
    void CheckSYS_Click();
    void TextSearch_Change();
    void CheckCover_Click();

    // The preview.
    void CommandPreview_Click();
    void TimerRefresh_Timer();
    void FlashPreview();
    void TimerFP_Timer();
    void applySampleRule();
    void CheckBI_Click();
    void TextSample_Change();
    void R_Click();
    void R_MouseUp();
    void R_KeyUp();

    // Menus and commands.
    void mnuFile_Click();
    void mnuEdit_Click();
    void mnuSave_Click();
    void mnuPrint_Click();
    // Print Preview and Export as PDF: the whole preview, read from its rich text.
    void mnuPreview_Click();
    void mnuPdf_Click();
    void mnuX_Click();
    void mnuCopy_Click();
    void mnuCPlainText_Click();
    void mnuOHelp_Click();
    void CommandHelp_Click();
    void mnuAbout_Click();
    void mnuDetails_Click();

    const FontList &fontList() const { return m_list; }
    ProgressState &progress() { return m_progress; }
    PreviewView *preview() const { return m_preview; }
    PleaseWaitWindow *waitWindow() const { return m_waitWindow; }
    FontDetailsPanel *detailsPanel() const { return m_detailsPanel; }
    int buildCount() const { return m_buildCount; }
    bool hasLoaded() const { return m_hasLoaded; }
    int sampleChoice() const { return m_samplesChoice; }

    static QString programName();
    static QString aboutText();
    static QString helpAddress(const QString &programFolder);
    static QString downloadAddress();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    PrintJob printJob() const;
    void setupControls();
    // Names for the controls that no label names.
    void setUpAccessibility();
    QHBoxLayout *createRefreshRow(QWidget *parent);
    void setupMenus();
    void setupConnections();

    void rebuildList(bool markOutOfDate);
    void showList(bool keepScroll = false);
    void showListedFonts();
    QString entryAtSelection() const;
    void showSelection();
    void updateListedCount();
    void updateDetails();
    void linkPreviewToList();
    void enableListCommandsBySelection();
    void setBuildControlsEnabled(bool enabled);
    void setIndicatorBold(bool bold);
    void openWait();
    QList<PreviewBuilder::Line> buildPreview(const PreviewBuilder::Options &options);
    int entryLineAt(int position) const;
    void buildPreview(int size, bool samples);

    FacelisterServices m_services;
    FontList m_list;
    ProgressState m_progress{ProgressState::kFacelisterBarWidth};

    FontListPanel *m_fontsPanel = nullptr;
    SettingsPanel *m_settingsPanel = nullptr;
    QLineEdit *m_outOfDateIndicator = nullptr;
    QPushButton *m_refreshButton = nullptr;
    PreviewView *m_preview = nullptr;
    FontDetailsPanel *m_detailsPanel = nullptr;
    QPushButton *m_helpButton = nullptr;

    QMenu *m_fileMenu = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_previewAction = nullptr;
    QAction *m_pdfAction = nullptr;
    QAction *m_exitAction = nullptr;
    QMenu *m_editMenu = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_copyPlainTextAction = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_onlineHelpAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QMenu *m_viewMenu = nullptr;
    QAction *m_detailsAction = nullptr;

    QTimer *m_refreshTimer = nullptr;
    QTimer *m_flashTimer = nullptr;
    PleaseWaitWindow *m_waitWindow = nullptr;

    int m_flashCount = 0;
    int m_samplesChoice = 1;
    bool m_hasLoaded = false;
    bool m_sampleFullTold = false; // the sample reached its limit and the user was told
    int m_buildCount = 0;
    QString m_lastSaveName;
    // What the preview was built from, to tell which entry a place in it belongs to.
    QStringList m_previewEntries;
    QList<PreviewBuilder::Line> m_previewLines;
};
