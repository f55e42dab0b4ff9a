// The effects panel's controls and their layout: see effectspanel.h. The mapping to the
// settings record, the enabling and the font list are in effectspanelsettings.cpp.
#include "ui/effectspanel.h"

#include "ui/captionrow.h"
#include "ui/swatchlabel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <vector>

namespace {

const std::vector<const char *> kSizesCaptions = {
    QT_TRANSLATE_NOOP("EffectsPanel", "None"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Random"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Alternate"),
    QT_TRANSLATE_NOOP("EffectsPanel", "First Letters"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Balloon"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Constrict"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Wave"),
};
const std::vector<const char *> kCapCaptions = {
    QT_TRANSLATE_NOOP("EffectsPanel", "None"),
    QT_TRANSLATE_NOOP("EffectsPanel", "RAnDOm"),
    QT_TRANSLATE_NOOP("EffectsPanel", "ALL UPPERCASE"),
    QT_TRANSLATE_NOOP("EffectsPanel", "all lowercase"),
    QT_TRANSLATE_NOOP("EffectsPanel", "First Letters Only"),
    QT_TRANSLATE_NOOP("EffectsPanel", "aLtErNaTe"),
};
const std::vector<const char *> kPosCaptions = {
    QT_TRANSLATE_NOOP("EffectsPanel", "None"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Random"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Centre vertically"),
};
const std::vector<const char *> kOCCaptions = {
    QT_TRANSLATE_NOOP("EffectsPanel", "Single Color:"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Random Colors"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Alternate colors:"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Blend:"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Predefined:"),
};

const std::vector<const char *> kSizesTips = {
    QT_TRANSLATE_NOOP("EffectsPanel",
                      "Use one size for all characters (The minimum size selected below)"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Pick a random size for each character"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Alternate between large and small characters"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Make the first letter of each word bigger (for clarity)"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Vary character sizes to make the text bulge in the middle"),
    QT_TRANSLATE_NOOP("EffectsPanel",
                      "Vary character sizes to make the text smaller in the middle, bigger towards "
                      "the ends (try it and see what it does)"),
    QT_TRANSLATE_NOOP("EffectsPanel",
                      "Vary character sizes between being large and small smoothly to form a wave"),
};
const std::vector<const char *> kCapTips = {
    QT_TRANSLATE_NOOP("EffectsPanel", "Don't change the capitalization"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Make letters upper case or lower case at raNdOM!"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Make the text all UPPERCASE"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Make the text all lowercase"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Capitalize The First Letter Of Each Word (For Clarity)"),
    QT_TRANSLATE_NOOP("EffectsPanel", "AlTeRnAtE capital and lower case letters"),
};
const std::vector<const char *> kOCTips = {
    QT_TRANSLATE_NOOP("EffectsPanel", "Use a single color for all the text - click to change it"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Select colors at random for each character"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Use these colors - click them to change them"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Blend smoothly between these colors"),
    QT_TRANSLATE_NOOP(
        "EffectsPanel",
        "Use a pre-defined color scheme (choose one and click 'Refresh...' to see what "
        "it does)"),
};
const std::vector<const char *> kPosTips = {
    QT_TRANSLATE_NOOP("EffectsPanel", "Don't change the vertical alignment of characters"),
    QT_TRANSLATE_NOOP("EffectsPanel", "Randomly select the vertical alignment of characters"),
    QT_TRANSLATE_NOOP(
        "EffectsPanel",
        "Attempt to centre characters vertically (pick a range of font sizes and click "
        "'Refresh...' to see what it does)"),
};

QString translated(const char *text)
{
    return QCoreApplication::translate("EffectsPanel", text);
}

QList<QRadioButton *> addOptions(QWidget *parent, QButtonGroup *group, const QString &name,
                                 const std::vector<const char *> &captions)
{
    QList<QRadioButton *> options;
    for (int i = 0; i < int(captions.size()); ++i) {
        auto *option = new QRadioButton(translated(captions[i]), parent);
        option->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        group->addButton(option, i);
        options.append(option);
    }
    return options;
}

// A row of the colour frame: the widgets after an indent, then a closing stretch.
QHBoxLayout *addRow(QVBoxLayout *layout, std::initializer_list<QWidget *> widgets, int indent = 0)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    if (indent > 0)
        row->addSpacing(indent);
    for (QWidget *widget : widgets)
        row->addWidget(widget);
    row->addStretch(1);
    layout->addLayout(row);
    return row;
}

} // namespace

EffectsPanel::EffectsPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("effectsPanel"));
    auto *top = new QHBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(7);
    top->addWidget(buildInputColumn(), 1);
    auto *middle = new QVBoxLayout;
    middle->addWidget(buildSizesFrame());
    middle->addWidget(buildCapsFrame());
    middle->addStretch(1);
    top->addLayout(middle);
    auto *right = new QVBoxLayout;
    right->addWidget(buildColourFrame());
    right->addWidget(buildPositionFrame());
    right->addStretch(1);
    top->addLayout(right);
    connectControls();
    collectToolTips();
    setUpAccessibility();
    setUpTabOrder();
}

QWidget *EffectsPanel::buildInputColumn()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    m_inputBox = new QPlainTextEdit(column);
    m_inputBox->setObjectName(QStringLiteral("Text"));
    m_inputBox->setTabChangesFocus(true);
    // The boxes of the left column share the height of the frames beside them; the
    // output box below takes any further room.
    m_inputBox->setMinimumHeight(73);
    m_inputBox->setMinimumWidth(273);
    m_inputBox->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    layout->addWidget(m_inputBox, 1);

    m_refreshButton = new QPushButton(tr("&Refresh..."), column);
    m_refreshButton->setObjectName(QStringLiteral("cmdP"));
    m_refreshButton->setDefault(false);
    layout->addWidget(m_refreshButton);

    m_fontList = new QListWidget(column);
    m_fontList->setObjectName(QStringLiteral("ListFonts"));
    m_fontList->setSelectionMode(QAbstractItemView::MultiSelection);
    m_fontList->setMinimumHeight(94);
    m_fontList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_fontList->setUniformItemSizes(true);
    layout->addWidget(m_fontList, 2);

    auto *statusRow = new QHBoxLayout;
    m_selectionStatus = new QLabel(column);
    m_selectionStatus->setObjectName(QStringLiteral("LabelS"));
    m_clearSelectionButton = new QPushButton(tr("&Clear Selection"), column);
    m_clearSelectionButton->setObjectName(QStringLiteral("CommandCA"));
    statusRow->addWidget(m_selectionStatus, 1);
    statusRow->addWidget(m_clearSelectionButton, 1);
    layout->addLayout(statusRow);

    auto *checkRow = new QHBoxLayout;
    m_alternateFontsCheck = new QCheckBox(tr("Alternate selected fo&nts"), column);
    m_alternateFontsCheck->setObjectName(QStringLiteral("CheckAF"));
    m_boldItalicCheck = new QCheckBox(tr("Random Bold/&Italic"), column);
    m_boldItalicCheck->setObjectName(QStringLiteral("CheckBI"));
    m_boldItalicCheck->setChecked(true);
    for (QWidget *widget :
         {static_cast<QWidget *>(m_alternateFontsCheck), static_cast<QWidget *>(m_boldItalicCheck),
          static_cast<QWidget *>(m_selectionStatus),
          static_cast<QWidget *>(m_clearSelectionButton)})
        widget->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    checkRow->addWidget(m_alternateFontsCheck);
    checkRow->addWidget(m_boldItalicCheck);
    checkRow->addStretch(1);
    layout->addLayout(checkRow);
    return column;
}

QGroupBox *EffectsPanel::buildSizesFrame()
{
    m_sizesFrame = new QGroupBox(tr("&Vary Font Sizes"), this);
    m_sizesFrame->setObjectName(QStringLiteral("FrameSize"));
    m_sizeGroup = new QButtonGroup(m_sizesFrame);
    m_sizeOptions = addOptions(m_sizesFrame, m_sizeGroup, QStringLiteral("Sizes"), kSizesCaptions);

    m_minSizeBox = new QComboBox;
    m_minSizeBox->setObjectName(QStringLiteral("ComboS"));
    m_maxSizeBox = new QComboBox;
    m_maxSizeBox->setObjectName(QStringLiteral("ComboB"));
    for (QComboBox *combo : {m_minSizeBox, m_maxSizeBox}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(17);
        combo->setMinimumContentsLength(3);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    m_sizeRangeLabel =
        new CaptionRow(tr("&Min. size: %1 Max. size: %2"), {m_minSizeBox, m_maxSizeBox},
                       QStringLiteral("Label1"), m_sizesFrame);

    m_wavelengthLabel = new QLabel(tr("Wavelength:"), m_sizesFrame);
    m_wavelengthLabel->setObjectName(QStringLiteral("Label2"));
    m_wavelengthBox = new QLineEdit(m_sizesFrame);
    m_wavelengthBox->setObjectName(QStringLiteral("TextWL"));
    m_wavelengthBox->setMaxLength(8);
    m_wavelengthBox->setFixedWidth(
        m_wavelengthBox->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);

    auto *grid = new QGridLayout(m_sizesFrame);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i)
        grid->addWidget(m_sizeOptions[i], i, 0);
    for (int i = 4; i < 7; ++i)
        grid->addWidget(m_sizeOptions[i], i - 4, 1, 1, 2);
    auto *wave = new QHBoxLayout;
    wave->addWidget(m_wavelengthLabel);
    wave->addWidget(m_wavelengthBox);
    wave->addStretch(1);
    grid->addLayout(wave, 3, 1, 1, 2);
    grid->addWidget(m_sizeRangeLabel, 4, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return m_sizesFrame;
}

QGroupBox *EffectsPanel::buildCapsFrame()
{
    m_capsFrame = new QGroupBox(tr("C&aPiTaLiZaTiOn"), this);
    m_capsFrame->setObjectName(QStringLiteral("FrameCaps"));
    m_capGroup = new QButtonGroup(m_capsFrame);
    m_capOptions = addOptions(m_capsFrame, m_capGroup, QStringLiteral("Cap"), kCapCaptions);
    auto *grid = new QGridLayout(m_capsFrame);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < m_capOptions.size(); ++i)
        grid->addWidget(m_capOptions[i], i % 3, i / 3);
    return m_capsFrame;
}

QList<SwatchLabel *> EffectsPanel::swatchRow(QWidget *parent, const QString &name,
                                             std::span<const ColourLabel> labels)
{
    // The colours the window is built with are the defaults of the reset.
    QList<SwatchLabel *> swatches;
    for (int i = 0; i < int(labels.size()); ++i) {
        auto *swatch = new SwatchLabel(parent);
        swatch->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
        swatch->setColour(labels[i].colour);
        swatch->setMark(labels[i].mark);
        swatches.append(swatch);
    }
    return swatches;
}

QGroupBox *EffectsPanel::buildColourFrame()
{
    m_colourFrame = new QGroupBox(tr("C&olor"), this);
    m_colourFrame->setObjectName(QStringLiteral("FrameColour"));
    m_colourGroup = new QButtonGroup(m_colourFrame);
    m_colourOptions = addOptions(m_colourFrame, m_colourGroup, QStringLiteral("OC"), kOCCaptions);

    m_singleSwatch = new SwatchLabel(m_colourFrame);
    m_singleSwatch->setObjectName(QStringLiteral("Label1Col"));
    m_singleSwatch->setColour(0x000000);
    m_alternateSwatches =
        swatchRow(m_colourFrame, QStringLiteral("CL"), EffectSettings::defaultAlternateLabels());
    m_randomOrderCheck = new QCheckBox(tr("(Random)"), m_colourFrame);
    m_randomOrderCheck->setObjectName(QStringLiteral("CheckRandom"));
    m_blendSwatches =
        swatchRow(m_colourFrame, QStringLiteral("CB"), EffectSettings::defaultBlendLabels());
    for (int i = 0; i + 1 < EffectSettings::kBlendCount; ++i) {
        auto *arrow = new QLabel(QStringLiteral(">"), m_colourFrame);
        arrow->setObjectName(QStringLiteral("Label3_%1").arg(i));
        m_blendArrows.append(arrow);
    }
    m_blendLengthBox = new QLineEdit;
    m_blendLengthBox->setObjectName(QStringLiteral("TextBL"));
    m_blendLengthBox->setMaxLength(8);
    m_blendLengthBox->setFixedWidth(
        m_blendLengthBox->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    m_blendLengthLabel = new CaptionRow(tr("Blend over %1 characters."), {m_blendLengthBox},
                                        QStringLiteral("Label4"), m_colourFrame);

    m_schemeBox = new QComboBox(m_colourFrame);
    m_schemeBox->setObjectName(QStringLiteral("ComboPC"));
    m_schemeBox->setEditable(false);
    // The names arrive after the window is shown: the box sizes to them then, and again
    // when the font changes, and the layout may not squeeze it, so no name is ever cut.
    m_schemeBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_schemeBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layOutColourFrame(m_colourFrame);
    return m_colourFrame;
}

void EffectsPanel::layOutColourFrame(QGroupBox *frame)
{
    auto *layout = new QVBoxLayout(frame);
    layout->setSpacing(3);
    addRow(layout, {m_colourOptions[0], m_singleSwatch});
    addRow(layout, {m_colourOptions[1]});
    addRow(layout, {m_colourOptions[2]});
    const int indent = m_colourOptions[2]->sizeHint().height();
    QHBoxLayout *alternateRow = addRow(layout, {}, indent);
    // The row's closing stretch goes: the swatches follow, then a stretch of their own.
    delete alternateRow->takeAt(alternateRow->count() - 1);
    for (SwatchLabel *swatch : std::as_const(m_alternateSwatches))
        alternateRow->addWidget(swatch);
    alternateRow->addSpacing(4);
    alternateRow->addWidget(m_randomOrderCheck);
    alternateRow->addStretch(1);
    QHBoxLayout *blendRow = addRow(layout, {m_colourOptions[3]});
    delete blendRow->takeAt(blendRow->count() - 1);
    for (int i = 0; i < m_blendSwatches.size(); ++i) {
        blendRow->addWidget(m_blendSwatches[i]);
        if (i < m_blendArrows.size())
            blendRow->addWidget(m_blendArrows[i]);
    }
    blendRow->addStretch(1);
    addRow(layout, {m_blendLengthLabel}, indent);
    addRow(layout, {m_colourOptions[4], m_schemeBox});
}

QGroupBox *EffectsPanel::buildPositionFrame()
{
    m_positionFrame = new QGroupBox(tr("Character &positions"), this);
    m_positionFrame->setObjectName(QStringLiteral("FrameVA"));
    m_positionGroup = new QButtonGroup(m_positionFrame);
    m_positionOptions =
        addOptions(m_positionFrame, m_positionGroup, QStringLiteral("Pos"), kPosCaptions);
    auto *row = new QHBoxLayout(m_positionFrame);
    for (QRadioButton *option : std::as_const(m_positionOptions))
        row->addWidget(option);
    row->addStretch(1);
    return m_positionFrame;
}

void EffectsPanel::connectControls()
{
    connect(m_refreshButton, &QPushButton::clicked, this, &EffectsPanel::refreshClicked);
    connect(m_fontList, &QListWidget::itemSelectionChanged, this,
            &EffectsPanel::fontSelectionChanged);
    connect(m_clearSelectionButton, &QPushButton::clicked, this,
            &EffectsPanel::clearSelectionClicked);
    connect(m_inputBox, &QPlainTextEdit::textChanged, this,
            [this] { updateInputWrap(m_inputBox->toPlainText()); });
    connect(m_inputBox, &QPlainTextEdit::textChanged, this, &EffectsPanel::inputChanged);
    connect(m_sizeGroup, &QButtonGroup::idClicked, this, &EffectsPanel::sizeOptionClicked);
    connect(m_colourGroup, &QButtonGroup::idClicked, this, &EffectsPanel::colourOptionClicked);
    for (int i = 0; i < m_alternateSwatches.size(); ++i)
        connect(m_alternateSwatches[i], &SwatchLabel::mouseDown, this,
                [this, i](int button) { emit alternateSwatchPressed(i, button); });
    for (int i = 0; i < m_blendSwatches.size(); ++i)
        connect(m_blendSwatches[i], &SwatchLabel::mouseDown, this,
                [this, i](int button) { emit blendSwatchPressed(i, button); });
    connect(m_singleSwatch, &SwatchLabel::clicked, this, &EffectsPanel::singleColourClicked);
}

void EffectsPanel::collectToolTips()
{
    auto add = [this](QWidget *widget, const QString &text) { m_toolTips.append({widget, text}); };
    auto addEach = [&add](const QList<QRadioButton *> &options,
                          const std::vector<const char *> &texts) {
        for (int i = 0; i < options.size(); ++i)
            add(options[i], translated(texts[size_t(i)]));
    };
    add(m_inputBox, tr("Type some text here and click 'Refresh...' to format it"));
    add(m_refreshButton, tr("Click here to format the text above.  Not sure what to "
                            "do? - just click and see what happens!"));
    add(m_fontList, tr("Select which fonts you want to use, or select none to use a "
                       "random selection"));
    add(m_clearSelectionButton, tr("De-select any fonts you have selected above - so "
                                   "that all fonts may be used."));
    add(m_alternateFontsCheck, tr("Alternate the font used for each character (using "
                                  "the fonts selected)"));
    add(m_boldItalicCheck, tr("Make each character bold or italic (at random)"));
    add(m_sizesFrame, tr("Choose how to vary the sizes of characters in the text"));
    addEach(m_sizeOptions, kSizesTips);
    add(m_minSizeBox, tr("Choose a minimum font size."));
    add(m_maxSizeBox, tr("Choose a maximum font size."));
    add(m_wavelengthBox, tr("Set the length (in characters) of a wave"));
    add(m_capsFrame, tr("Choose how to change the case of the text - 'None' leaves it unchanged"));
    addEach(m_capOptions, kCapTips);
    add(m_colourFrame, tr("Choose how to color the formatted text"));
    addEach(m_colourOptions, kOCTips);
    add(m_randomOrderCheck, tr("Cycle between these colors randomly, rather than in "
                               "the order they are in."));
    add(m_blendLengthBox, tr("Set the number of characters to blend between two colors over"));
    add(m_schemeBox, tr("Choose a pre-defined color scheme - pick one and click "
                        "refresh to see what it does!"));
    add(m_positionFrame, tr("Choose how to vary the vertical alignment (superscript "
                            "and subscript) of the characters"));
    addEach(m_positionOptions, kPosTips);
    // The colour labels say "Click" whatever the state of the tooltips.
    m_singleSwatch->setToolTip(tr("Click"));
    for (SwatchLabel *swatch : m_alternateSwatches + m_blendSwatches)
        swatch->setToolTip(tr("Click"));
}

void EffectsPanel::setToolTipsShown(bool shown)
{
    for (const ToolTip &tip : std::as_const(m_toolTips))
        if (tip.widget)
            tip.widget->setToolTip(shown ? tip.text : QString());
}

QList<QWidget *> EffectsPanel::keyBoxes() const
{
    return {m_inputBox,
            m_wavelengthBox,
            m_blendLengthBox,
            m_minSizeBox->lineEdit(),
            m_maxSizeBox->lineEdit(),
            m_schemeBox,
            m_fontList};
}
