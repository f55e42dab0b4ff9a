// The effects panel's controls and their layout: see effectspanel.h. The mapping to the
// settings record, the enabling and the font list are in effectspanelsettings.cpp.
#include "ui/effectspanel.h"

#include "ui/gaplabel.h"
#include "ui/swatchlabel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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

namespace {

const QStringList kSizesCaptions = {
    QStringLiteral("None"),          QStringLiteral("Random"),  QStringLiteral("Alternate"),
    QStringLiteral("First Letters"), QStringLiteral("Balloon"), QStringLiteral("Constrict"),
    QStringLiteral("Wave"),
};
const QStringList kCapCaptions = {
    QStringLiteral("None"),
    QStringLiteral("RAnDOm"),
    QStringLiteral("ALL UPPERCASE"),
    QStringLiteral("all lowercase"),
    QStringLiteral("First Letters Only"),
    QStringLiteral("aLtErNaTe"),
};
const QStringList kPosCaptions = {
    QStringLiteral("None"),
    QStringLiteral("Random"),
    QStringLiteral("Centre vertically"),
};
const QStringList kOCCaptions = {
    QStringLiteral("Single Color:"),     QStringLiteral("Random Colors"),
    QStringLiteral("Alternate colors:"), QStringLiteral("Blend:"),
    QStringLiteral("Predefined:"),
};

const QStringList kSizesTips = {
    QStringLiteral("Use one size for all characters (The minimum size selected below)"),
    QStringLiteral("Pick a random size for each character"),
    QStringLiteral("Alternate between large and small characters"),
    QStringLiteral("Make the first letter of each word bigger (for clarity)"),
    QStringLiteral("Vary character sizes to make the text bulge in the middle"),
    QStringLiteral("Vary character sizes to make the text smaller in the middle, bigger towards "
                   "the ends (try it and see what it does)"),
    QStringLiteral("Vary character sizes between being large and small smoothly to form a wave"),
};
const QStringList kCapTips = {
    QStringLiteral("Don't change the capitalization"),
    QStringLiteral("Make letters upper case or lower case at raNdOM!"),
    QStringLiteral("Make the text all UPPERCASE"),
    QStringLiteral("Make the text all lowercase"),
    QStringLiteral("Capitalize The First Letter Of Each Word (For Clarity)"),
    QStringLiteral("AlTeRnAtE capital and lower case letters"),
};
const QStringList kOCTips = {
    QStringLiteral("Use a single color for all the text - click to change it"),
    QStringLiteral("Select colors at random for each character"),
    QStringLiteral("Use these colors - click them to change them"),
    QStringLiteral("Blend smoothly between these colors"),
    QStringLiteral("Use a pre-defined color scheme (choose one and click 'Refresh...' to see what "
                   "it does)"),
};
const QStringList kPosTips = {
    QStringLiteral("Don't change the vertical alignment of characters"),
    QStringLiteral("Randomly select the vertical alignment of characters"),
    QStringLiteral("Attempt to centre characters vertically (pick a range of font sizes and click "
                   "'Refresh...' to see what it does)"),
};

QList<QRadioButton *> addOptions(QWidget *parent, QButtonGroup *group, const QString &name,
                                 const QStringList &captions)
{
    QList<QRadioButton *> options;
    for (int i = 0; i < captions.size(); ++i) {
        auto *option = new QRadioButton(captions[i], parent);
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

    m_refreshButton = new QPushButton(QStringLiteral("&Refresh..."), column);
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
    m_clearSelectionButton = new QPushButton(QStringLiteral("&Clear Selection"), column);
    m_clearSelectionButton->setObjectName(QStringLiteral("CommandCA"));
    statusRow->addWidget(m_selectionStatus, 1);
    statusRow->addWidget(m_clearSelectionButton, 1);
    layout->addLayout(statusRow);

    auto *checkRow = new QHBoxLayout;
    m_alternateFontsCheck = new QCheckBox(QStringLiteral("Alternate selected &fonts"), column);
    m_alternateFontsCheck->setObjectName(QStringLiteral("CheckAF"));
    m_boldItalicCheck = new QCheckBox(QStringLiteral("Random Bold/&Italic"), column);
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
    m_sizesFrame = new QGroupBox(QStringLiteral("&Vary Font Sizes"), this);
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
        new GapLabel(QStringLiteral("&Min. size:                      Max. size:"), m_sizesFrame);
    m_sizeRangeLabel->setObjectName(QStringLiteral("Label1"));
    m_sizeRangeLabel->setGapWidget(0, m_minSizeBox);
    m_sizeRangeLabel->setGapWidget(1, m_maxSizeBox);
    m_sizeRangeLabel->setBuddy(m_minSizeBox);

    m_wavelengthLabel = new QLabel(QStringLiteral("Wavelength:"), m_sizesFrame);
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
    m_capsFrame = new QGroupBox(QStringLiteral("C&aPiTaLiZaTiOn"), this);
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
    m_colourFrame = new QGroupBox(QStringLiteral("C&olor"), this);
    m_colourFrame->setObjectName(QStringLiteral("FrameColour"));
    m_colourGroup = new QButtonGroup(m_colourFrame);
    m_colourOptions = addOptions(m_colourFrame, m_colourGroup, QStringLiteral("OC"), kOCCaptions);

    m_singleSwatch = new SwatchLabel(m_colourFrame);
    m_singleSwatch->setObjectName(QStringLiteral("Label1Col"));
    m_singleSwatch->setColour(0x000000);
    m_alternateSwatches =
        swatchRow(m_colourFrame, QStringLiteral("CL"), EffectSettings::defaultAlternateLabels());
    m_randomOrderCheck = new QCheckBox(QStringLiteral("(Random)"), m_colourFrame);
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
    m_blendLengthLabel =
        new GapLabel(QStringLiteral("Blend over            characters."), m_colourFrame);
    m_blendLengthLabel->setObjectName(QStringLiteral("Label4"));
    m_blendLengthLabel->setGapWidget(0, m_blendLengthBox);

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
    m_positionFrame = new QGroupBox(QStringLiteral("C&haracter positions"), this);
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
    auto addEach = [&add](const QList<QRadioButton *> &options, const QStringList &texts) {
        for (int i = 0; i < options.size(); ++i)
            add(options[i], texts[i]);
    };
    add(m_inputBox, QStringLiteral("Type some text here and click 'Refresh...' to format it"));
    add(m_refreshButton, QStringLiteral("Click here to format the text above.  Not sure what to "
                                        "do? - just click and see what happens!"));
    add(m_fontList, QStringLiteral("Select which fonts you want to use, or select none to use a "
                                   "random selection"));
    add(m_clearSelectionButton, QStringLiteral("De-select any fonts you have selected above - so "
                                               "that all fonts may be used."));
    add(m_alternateFontsCheck, QStringLiteral("Alternate the font used for each character (using "
                                              "the fonts selected)"));
    add(m_boldItalicCheck, QStringLiteral("Make each character bold or italic (at random)"));
    add(m_sizesFrame, QStringLiteral("Choose how to vary the sizes of characters in the text"));
    addEach(m_sizeOptions, kSizesTips);
    add(m_minSizeBox, QStringLiteral("Choose a minimum font size."));
    add(m_maxSizeBox, QStringLiteral("Choose a maximum font size."));
    add(m_wavelengthBox, QStringLiteral("Set the length (in characters) of a wave"));
    add(m_capsFrame,
        QStringLiteral("Choose how to change the case of the text - 'None' leaves it unchanged"));
    addEach(m_capOptions, kCapTips);
    add(m_colourFrame, QStringLiteral("Choose how to color the formatted text"));
    addEach(m_colourOptions, kOCTips);
    add(m_randomOrderCheck, QStringLiteral("Cycle between these colors randomly, rather than in "
                                           "the order they are in."));
    add(m_blendLengthBox,
        QStringLiteral("Set the number of characters to blend between two colors over"));
    add(m_schemeBox, QStringLiteral("Choose a pre-defined color scheme - pick one and click "
                                    "refresh to see what it does!"));
    add(m_positionFrame, QStringLiteral("Choose how to vary the vertical alignment (superscript "
                                        "and subscript) of the characters"));
    addEach(m_positionOptions, kPosTips);
    // The colour labels say "Click" whatever the state of the tooltips.
    m_singleSwatch->setToolTip(QStringLiteral("Click"));
    for (SwatchLabel *swatch : m_alternateSwatches + m_blendSwatches)
        swatch->setToolTip(QStringLiteral("Click"));
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
