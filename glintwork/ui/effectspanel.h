// The top of Glintwork's window: the input column (the text, "Refresh...", the font list and
// its status line, two check boxes) and the four frames of effect settings. The panel maps
// its controls to and from an EffectSettings record, applies an EnabledState to them and
// holds their tooltips; it reports the users' clicks as signals and decides nothing itself.
// Each control keeps the name the settings and the tests know it by as its objectName.
#pragma once

#include "settings/colourlabels.h"
#include "settings/effectsettings.h"
#include "settings/enablingrules.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <span>

class CaptionRow;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class SwatchLabel;

class EffectsPanel : public QWidget {
    Q_OBJECT
public:
    explicit EffectsPanel(QWidget *parent = nullptr);

    // The record's fields that the panel's controls show; the menus' fields stay as given.
    void readInto(EffectSettings &settings) const;
    void showSettings(const EffectSettings &settings);
    // The size, wavelength and blend fields after a Refresh repaired them.
    void showRepairedFields(const EffectSettings &settings);

    // The input text with CR LF line breaks, as the engine and the settings file see it.
    QString inputText() const;
    void setInputText(const QString &crlfText);
    // Takes the last change of the input text back; false when there is none to take back.
    bool undoInput();
    // Inserts at the caret, replacing any selection.
    void insertInputText(const QString &crlfText);
    // Deepening red as the text grows.
    void tintInput();

    void applyEnabling(const EnabledState &state, bool busy);
    void enableRefresh(bool enabled);
    void setToolTipsShown(bool shown);

    // The font list: its entries with a selection, one entry selected, none selected.
    void fillFontList(const QStringList &names, const QList<bool> &selected);
    // Fonts listed by a name that another family draws: shown as "Arial (Liberation Sans)",
    // read back as the name.
    void setFontStandIns(const QHash<QString, QString> &standIns) { m_fontStandIns = standIns; }
    void selectFont(int index);
    void clearFontSelection();
    void showFontList(bool visible);
    bool fontListHidden() const;
    // Keeps at most the allowed number of fonts selected; true when it had to drop some.
    bool limitFontSelection();
    // The status line and the two controls that follow the number selected.
    void showFontSelection();

    void fillSizeLists(const QStringList &minItems, const QStringList &maxItems);
    void fillSchemes(const QStringList &names);
    void selectSizeOption(int index);
    void selectColourOption(int index);
    void selectPositionOption(int index);

    qint32 singleColour() const;
    void setSingleColour(qint32 colour);
    void showRow(ColourLabels::Row which, std::span<const ColourLabel> labels);
    void readRow(ColourLabels::Row which, std::span<ColourLabel> labels) const;

    // The boxes whose own key bindings must not swallow the window's shortcuts.
    QList<QWidget *> keyBoxes() const;
    // The controls in the order Tab visits them: the columns as shown, each top to bottom.
    QList<QWidget *> tabOrder() const;

signals:
    void refreshClicked();
    void fontSelectionChanged();
    void clearSelectionClicked();
    void inputChanged();
    void sizeOptionClicked(int index);
    void colourOptionClicked(int index);
    void alternateSwatchPressed(int index, int button);
    void blendSwatchPressed(int index, int button);
    void singleColourClicked();

private:
    QWidget *buildInputColumn();
    QGroupBox *buildSizesFrame();
    QGroupBox *buildCapsFrame();
    QGroupBox *buildColourFrame();
    void layOutColourFrame(QGroupBox *frame);
    QGroupBox *buildPositionFrame();
    void connectControls();
    void collectToolTips();
    void setUpAccessibility();
    void setUpTabOrder();
    void connectRowSteps(const QList<SwatchLabel *> &row);
    QList<SwatchLabel *> swatchRow(QWidget *parent, const QString &name,
                                   std::span<const ColourLabel> labels);
    const QList<SwatchLabel *> &row(ColourLabels::Row which) const;
    QString plainInput() const;
    static void selectOption(QButtonGroup *group, int index);
    static int comboIndex(const QComboBox *combo);
    static void showComboValue(QComboBox *combo, int index, const QString &text);
    static void showNumber(QLineEdit *box, double value);
    // Word wrapping, or wrapping anywhere when the text holds a long unbroken run.
    void updateInputWrap(const QString &text);

    // The input column.
    QPlainTextEdit *m_inputBox = nullptr;
    QPushButton *m_refreshButton = nullptr;
    QListWidget *m_fontList = nullptr;
    QHash<QString, QString> m_fontStandIns;
    QLabel *m_selectionStatus = nullptr;
    QPushButton *m_clearSelectionButton = nullptr;
    QCheckBox *m_alternateFontsCheck = nullptr;
    QCheckBox *m_boldItalicCheck = nullptr;
    // "Vary Font Sizes".
    QGroupBox *m_sizesFrame = nullptr;
    QList<QRadioButton *> m_sizeOptions;
    QButtonGroup *m_sizeGroup = nullptr;
    CaptionRow *m_sizeRangeLabel = nullptr;
    QComboBox *m_minSizeBox = nullptr;
    QComboBox *m_maxSizeBox = nullptr;
    QLabel *m_wavelengthLabel = nullptr;
    QLineEdit *m_wavelengthBox = nullptr;
    // "CaPiTaLiZaTiOn".
    QGroupBox *m_capsFrame = nullptr;
    QList<QRadioButton *> m_capOptions;
    QButtonGroup *m_capGroup = nullptr;
    // "Color".
    QGroupBox *m_colourFrame = nullptr;
    QList<QRadioButton *> m_colourOptions;
    QButtonGroup *m_colourGroup = nullptr;
    SwatchLabel *m_singleSwatch = nullptr;
    QList<SwatchLabel *> m_alternateSwatches;
    QCheckBox *m_randomOrderCheck = nullptr;
    QList<SwatchLabel *> m_blendSwatches;
    QList<QLabel *> m_blendArrows;
    CaptionRow *m_blendLengthLabel = nullptr;
    QLineEdit *m_blendLengthBox = nullptr;
    QComboBox *m_schemeBox = nullptr;
    // "Character positions".
    QGroupBox *m_positionFrame = nullptr;
    QList<QRadioButton *> m_positionOptions;
    QButtonGroup *m_positionGroup = nullptr;

    struct ToolTip {
        QPointer<QWidget> widget;
        QString text;
    };
    QList<ToolTip> m_toolTips;
};
