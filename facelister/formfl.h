// Facelister's main window: the font list with its filters and commands, the settings,
// the out-of-date indicator, the preview and the menus. The handlers carry the names of
// the controls and events they answer and are public so that tests can drive them.
#pragma once

#include "facelisterservices.h"
#include "fontlist.h"
#include "progressstate.h"

#include <QMainWindow>

class FrmWait;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTimer;
class RichTextEdit;

class FormFL : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kRefreshDelayMs = 400;
    static constexpr int kFlashIntervalMs = 200;
    static constexpr int kFlashSteps = 4;

    explicit FormFL(const FacelisterServices &services, QWidget *parent = nullptr);
    ~FormFL() override;

    // Start-up: the please-wait window, the list, the first preview (whose build runs on
    // the first tick of TimerRefresh).
    void Form_Load();

    // The list and its filters.
    void CommandRL_Click();
    void CommandRemove_Click();
    void CommandCap_Click();
    void ListFonts_Click();
    void CheckSF_Click();
    void CheckSYS_Click();

    // The preview.
    void CommandPreview_Click();
    void TimerRefresh_Timer();
    void FlashPreview();
    void TimerFP_Timer();
    void applySampleRule();
    void CheckBI_Click();
    void R_Click();
    void R_MouseUp();
    void R_KeyUp();

    // Menus and commands.
    void mnuFile_Click();
    void mnuEdit_Click();
    void mnuSave_Click();
    void mnuPrint_Click();
    void mnuX_Click();
    void mnuCopy_Click();
    void mnuCPlainText_Click();
    void mnuOHelp_Click();
    void CommandHelp_Click();
    void mnuAbout_Click();

    const FontList &fontList() const { return m_list; }
    ProgressState &progress() { return m_progress; }
    RichTextEdit *preview() const { return R; }
    FrmWait *waitWindow() const { return m_wait; }
    int buildCount() const { return m_buildCount; }
    bool hasLoaded() const { return m_hasLoaded; }
    int sampleChoice() const { return m_biRemembered; }

    static QString aboutText();
    static QString helpAddress(const QString &programFolder);
    static QString downloadAddress();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setupControls();
    void setupMenus();
    void setupConnections();

    void rebuildList(bool markOutOfDate);
    void showList();
    void showSelection();
    void updateListedCount();
    void linkPreviewToList();
    void enableListCommandsBySelection();
    void setBuildControlsEnabled(bool enabled);
    void setIndicatorBold(bool bold);
    void openWait();
    void buildPreview(int size, bool samples);

    FacelisterServices m_services;
    FontList m_list;
    ProgressState m_progress{ProgressState::kFacelisterBarWidth};

    QGroupBox *Frame1 = nullptr;
    QListWidget *ListFonts = nullptr;
    QCheckBox *CheckSF = nullptr;
    QCheckBox *CheckSYS = nullptr;
    QPushButton *CommandRemove = nullptr;
    QPushButton *CommandCap = nullptr;
    QPushButton *CommandRL = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QLabel *Label3 = nullptr;
    QComboBox *ComboFS = nullptr;
    QCheckBox *CheckBI = nullptr;
    QLineEdit *TextRP = nullptr;
    QPushButton *CommandPreview = nullptr;
    RichTextEdit *R = nullptr;
    QPushButton *CommandHelp = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuSave = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuX = nullptr;
    QMenu *mnuEdit = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuCPlainText = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuOHelp = nullptr;
    QAction *mnuAbout = nullptr;

    QTimer *TimerRefresh = nullptr;
    QTimer *TimerFP = nullptr;
    FrmWait *m_wait = nullptr;

    int m_flashCount = 0;
    int m_biRemembered = 1;
    bool m_hasLoaded = false;
    int m_buildCount = 0;
    QString m_lastSaveName;
};
