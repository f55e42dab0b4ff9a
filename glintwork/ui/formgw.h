// The main window of Glintwork: the input text and the font list on the left, the effect
// settings in four frames, the formatted output across the bottom, and the menus. The
// window only reads its controls into an EffectSettings record, hands it to the engine and
// shows what comes back; every platform service arrives through FormGWServices.
#pragma once

#include "colourlabels.h"
#include "effectsettings.h"
#include "formatter.h"
#include "formgwservices.h"
#include "glintworkdialogs.h"
#include "modeswitch.h"
#include "progressstate.h"
#include "recentcolours.h"
#include "resetsequence.h"

#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <span>

class GapLabel;
class ProgressIndicator;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class RichTextBox;
class RichTextEdit;
class SwatchLabel;

class FormGW : public QMainWindow,
               private ModeSwitchHost,
               private RecordResetOperations,
               private RefreshHost {
    Q_OBJECT
public:
    static inline const QString kTitle = QStringLiteral("Glintwork");
    static inline const QString kFirstToolTipR =
        QStringLiteral("When you click 'Refresh...', the formatted text will appear here");

    explicit FormGW(const FormGWServices &services, QWidget *parent = nullptr);
    ~FormGW() override;

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
    void setInputText(const QString &crlfText);

    RichTextBox &output() const { return *m_box; }
    QWidget *outputWidget() const { return R; }
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
    void mnuWW_Click();
    void mnuCW_Click();
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

    bool SaveSettings();
    void GetSettings();

    // The addresses of the help commands (build settings or the bundled page).
    QString helpAddress() const;
    QString fontsAddress() const;
    static QString commentAddress();
    static QString suggestionsAddress();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The operations the engine's mode switch and reset drive.
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
    QString outputToolTip() const override;
    void setOutputToolTip(const QString &text) override;
    void selectFont(int index) override;
    void clearFontSelection() override;
    using RecordResetOperations::clearFontSelection;
    void outputReady(RichTextBox &finished) override;

    void setupControls();
    QWidget *setupLeftColumn();
    QGroupBox *setupFrameSize();
    QGroupBox *setupFrameCaps();
    QGroupBox *setupFrameColour();
    QGroupBox *setupFrameVA();
    void setupMenus();
    void setupConnections();
    void setupToolTips();

    void applyToolTips(bool on);
    void applyEnabling();
    void updateMenuRules();
    void showMode();
    void saveHtml(const QString &path);
    void keepFontsLoaded();
    void placeProgress();
    // Word wrapping, or wrapping anywhere when the text holds a long unbroken run.
    void updateInputWrap(const QString &text);
    void setStatus(int selected);
    QList<SwatchLabel *> &row(ColourLabels::Row which);
    void showRow(ColourLabels::Row which, std::span<const ColourLabel> labels);
    void readRow(ColourLabels::Row which, std::span<ColourLabel> labels) const;
    void swatchMouseDown(ColourLabels::Row which, int index, int button);
    std::optional<qint32> pickColour(std::optional<qint32> preset);
    void selectOption(QButtonGroup *group, int index);
    void fillSizeLists(OutputMode mode);
    void fillFontList(const QStringList &names, const QList<bool> &selected);
    static int comboIndex(const QComboBox *combo);
    void setComboIndex(QComboBox *combo, int index);
    bool writeOutputFile(const QString &path, const QByteArray &bytes);
    void saveSettingsOnce();

    FormGWServices m_services;
    ProgressState m_progress;
    ModeSwitch m_modes;
    RecentColours m_recent;
    Formatter m_formatter;
    // `CharSize` and `CharColour` of the last Refresh.
    QList<float> m_charSize;
    QList<qint32> m_charColour;
    QList<QFont> m_loadedFonts;
    OutputMode m_outputMode = OutputMode::None;
    mutable QString m_settingsFolder;
    // Settings are written on closing only once they were loaded: a window that never
    // read the file must not replace it.
    bool m_loaded = false;
    bool m_settingsSaved = false;
    bool m_busy = false;

    // Controls, named as the design names them.
    QPlainTextEdit *Text = nullptr;
    QPushButton *cmdP = nullptr;
    QListWidget *ListFonts = nullptr;
    QLabel *LabelS = nullptr;
    QPushButton *CommandCA = nullptr;
    QCheckBox *CheckAF = nullptr;
    QCheckBox *CheckBI = nullptr;
    QGroupBox *FrameSize = nullptr;
    QList<QRadioButton *> Sizes;
    QButtonGroup *m_sizesGroup = nullptr;
    GapLabel *Label1 = nullptr;
    QComboBox *ComboS = nullptr;
    QComboBox *ComboB = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *TextWL = nullptr;
    QGroupBox *FrameCaps = nullptr;
    QList<QRadioButton *> Cap;
    QButtonGroup *m_capGroup = nullptr;
    QGroupBox *FrameColour = nullptr;
    QList<QRadioButton *> OC;
    QButtonGroup *m_ocGroup = nullptr;
    SwatchLabel *Label1Col = nullptr;
    QList<SwatchLabel *> CL;
    QCheckBox *CheckRandom = nullptr;
    QList<SwatchLabel *> CB;
    QList<QLabel *> Label3;
    GapLabel *Label4 = nullptr;
    QLineEdit *TextBL = nullptr;
    QComboBox *ComboPC = nullptr;
    QGroupBox *FrameVA = nullptr;
    QList<QRadioButton *> Pos;
    QButtonGroup *m_posGroup = nullptr;
    RichTextEdit *m_edit = nullptr;
    QWidget *R = nullptr;
    RichTextBox *m_box = nullptr;
    ProgressIndicator *m_indicator = nullptr;
    QWidget *m_central = nullptr;
    QVBoxLayout *m_centralLayout = nullptr;

    // Menus.
    QMenu *mnufile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuDefaults = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuSave = nullptr;
    QAction *mnuPrint = nullptr;
    QAction *mnuX = nullptr;
    QAction *mnuFont = nullptr;
    QAction *mnuColour = nullptr;
    QAction *mnuCut = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuHTML = nullptr;
    QAction *mnuPRTF = nullptr;
    QAction *mnuPaste = nullptr;
    QAction *mnuClear = nullptr;
    QAction *mnuDS = nullptr;
    QAction *mnuWW = nullptr;
    QAction *mnuCW = nullptr;
    QList<QAction *> mnuMode;
    QList<QAction *> mnuFS;
    QAction *mnuDoubleS = nullptr;
    QAction *mnuOH = nullptr;
    QAction *mnuTT = nullptr;
    QAction *mnuDLFonts = nullptr;
    QAction *mnuAbout = nullptr;

    struct ToolTip {
        QPointer<QWidget> widget;
        QString text;
    };
    QList<ToolTip> m_toolTips;
};
