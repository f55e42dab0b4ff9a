// The main window of Glintwork: see formgw.h. This file builds the controls and menus and
// holds the small reactions; the long commands are in formgwcommands.cpp.
#include "formgw.h"

#include "busypointer.h"
#include "clipboardservice.h"
#include "colourref.h"
#include "colours.h"
#include "enablingrules.h"
#include "filelocations.h"
#include "fontcatalog.h"
#include "gaplabel.h"
#include "helppage.h"
#include "inputwrap.h"
#include "messageservice.h"
#include "progressindicator.h"
#include "publisher.h"
#include "richtextedit.h"
#include "shellservice.h"
#include "swatchlabel.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#ifndef KERNCRAFT_HELP_URL_GLINTWORK
#define KERNCRAFT_HELP_URL_GLINTWORK ""
#endif
#ifndef KERNCRAFT_FONTS_URL
#define KERNCRAFT_FONTS_URL ""
#endif
#ifndef KERNCRAFT_VERSION
#define KERNCRAFT_VERSION "1.0.0"
#endif

namespace {

const QString kHelpPage = QStringLiteral("glintwork.html");

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

} // namespace

FormGW::FormGW(const FormGWServices &services, QWidget *parent)
    : QMainWindow(parent), m_services(services), m_modes(*services.fonts, m_progress),
      m_formatter(*services.random, m_recent, m_progress)
{
    m_formatter.setSymbolFonts(services.fonts->symbolFontNames());
    setupControls();
    setupMenus();
    setupConnections();
    setupToolTips();
    // Until the settings are read the tooltips are off; the loader switches them on.
    applyToolTips(false);
    applyEnabling();
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { saveSettingsOnce(); });
}

QStringList FormGW::schemeNames()
{
    const auto &names = Colours::SchemeNames();
    return QStringList(names.begin(), names.end());
}

FormGW::~FormGW() = default;

void FormGW::setupControls()
{
    setObjectName(QStringLiteral("FormGW"));
    setWindowTitle(kTitle);

    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("central"));
    setCentralWidget(m_central);

    auto *top = new QHBoxLayout;
    top->setSpacing(7);
    top->addWidget(setupLeftColumn(), 1);
    auto *middle = new QVBoxLayout;
    middle->addWidget(setupFrameSize());
    middle->addWidget(setupFrameCaps());
    middle->addStretch(1);
    top->addLayout(middle);
    auto *right = new QVBoxLayout;
    right->addWidget(setupFrameColour());
    right->addWidget(setupFrameVA());
    right->addStretch(1);
    top->addLayout(right);

    m_edit = new RichTextEdit(m_central);
    R = m_edit;
    m_box = m_edit;
    R->setObjectName(QStringLiteral("R"));
    R->setMinimumHeight(120);
    R->setContextMenuPolicy(Qt::NoContextMenu);

    m_centralLayout = new QVBoxLayout(m_central);
    m_centralLayout->setContentsMargins(8, 6, 8, 6);
    m_centralLayout->setSpacing(7);
    m_centralLayout->addLayout(top);
    m_centralLayout->addWidget(R, 1);

    // The bar lies over the bottom of the output box while work runs.
    m_indicator = new ProgressIndicator(m_progress, m_central);
    m_indicator->shape()->setObjectName(QStringLiteral("ShapePB"));

    // The design's 792 x 527 client area, grown to what the fonts of this screen need and
    // with room for the output; never larger than the screen.
    QSize size = QSize(792, 680).expandedTo(minimumSizeHint());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

QWidget *FormGW::setupLeftColumn()
{
    auto *column = new QWidget(m_central);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    Text = new QPlainTextEdit(column);
    Text->setObjectName(QStringLiteral("Text"));
    Text->setTabChangesFocus(true);
    // The boxes of the left column share the height of the frames beside them; the
    // output box below takes any further room.
    Text->setMinimumHeight(73);
    Text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    layout->addWidget(Text, 1);

    cmdP = new QPushButton(QStringLiteral("&Refresh..."), column);
    cmdP->setObjectName(QStringLiteral("cmdP"));
    cmdP->setDefault(false);
    layout->addWidget(cmdP);

    ListFonts = new QListWidget(column);
    ListFonts->setObjectName(QStringLiteral("ListFonts"));
    ListFonts->setSelectionMode(QAbstractItemView::MultiSelection);
    ListFonts->setMinimumHeight(94);
    ListFonts->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    ListFonts->setUniformItemSizes(true);
    layout->addWidget(ListFonts, 2);

    auto *statusRow = new QHBoxLayout;
    LabelS = new QLabel(column);
    LabelS->setObjectName(QStringLiteral("LabelS"));
    CommandCA = new QPushButton(QStringLiteral("&Clear Selection"), column);
    CommandCA->setObjectName(QStringLiteral("CommandCA"));
    statusRow->addWidget(LabelS, 1);
    statusRow->addWidget(CommandCA, 1);
    layout->addLayout(statusRow);

    auto *checkRow = new QHBoxLayout;
    CheckAF = new QCheckBox(QStringLiteral("Alternate selected &fonts"), column);
    CheckAF->setObjectName(QStringLiteral("CheckAF"));
    CheckBI = new QCheckBox(QStringLiteral("Random Bold/&Italic"), column);
    CheckBI->setObjectName(QStringLiteral("CheckBI"));
    CheckBI->setChecked(true);
    for (QWidget *widget : {static_cast<QWidget *>(CheckAF), static_cast<QWidget *>(CheckBI),
                            static_cast<QWidget *>(LabelS), static_cast<QWidget *>(CommandCA)})
        widget->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    checkRow->addWidget(CheckAF);
    checkRow->addWidget(CheckBI);
    checkRow->addStretch(1);
    layout->addLayout(checkRow);

    Text->setMinimumWidth(273);
    return column;
}

QGroupBox *FormGW::setupFrameSize()
{
    FrameSize = new QGroupBox(QStringLiteral("&Vary Font Sizes"), m_central);
    FrameSize->setObjectName(QStringLiteral("FrameSize"));
    m_sizesGroup = new QButtonGroup(FrameSize);
    Sizes = addOptions(FrameSize, m_sizesGroup, QStringLiteral("Sizes"), kSizesCaptions);

    ComboS = new QComboBox;
    ComboS->setObjectName(QStringLiteral("ComboS"));
    ComboB = new QComboBox;
    ComboB->setObjectName(QStringLiteral("ComboB"));
    for (QComboBox *combo : {ComboS, ComboB}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(17);
        combo->setMinimumContentsLength(3);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    Label1 = new GapLabel(QStringLiteral("&Min. size:                      Max. size:"), FrameSize);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGapWidget(0, ComboS);
    Label1->setGapWidget(1, ComboB);
    Label1->setBuddy(ComboS);

    Label2 = new QLabel(QStringLiteral("Wavelength:"), FrameSize);
    Label2->setObjectName(QStringLiteral("Label2"));
    TextWL = new QLineEdit(FrameSize);
    TextWL->setObjectName(QStringLiteral("TextWL"));
    TextWL->setMaxLength(8);
    TextWL->setFixedWidth(TextWL->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);

    auto *grid = new QGridLayout(FrameSize);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i)
        grid->addWidget(Sizes[i], i, 0);
    for (int i = 4; i < 7; ++i)
        grid->addWidget(Sizes[i], i - 4, 1, 1, 2);
    auto *wave = new QHBoxLayout;
    wave->addWidget(Label2);
    wave->addWidget(TextWL);
    wave->addStretch(1);
    grid->addLayout(wave, 3, 1, 1, 2);
    grid->addWidget(Label1, 4, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return FrameSize;
}

QGroupBox *FormGW::setupFrameCaps()
{
    FrameCaps = new QGroupBox(QStringLiteral("C&aPiTaLiZaTiOn"), m_central);
    FrameCaps->setObjectName(QStringLiteral("FrameCaps"));
    m_capGroup = new QButtonGroup(FrameCaps);
    Cap = addOptions(FrameCaps, m_capGroup, QStringLiteral("Cap"), kCapCaptions);
    auto *grid = new QGridLayout(FrameCaps);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < Cap.size(); ++i)
        grid->addWidget(Cap[i], i % 3, i / 3);
    return FrameCaps;
}

QGroupBox *FormGW::setupFrameColour()
{
    FrameColour = new QGroupBox(QStringLiteral("C&olor"), m_central);
    FrameColour->setObjectName(QStringLiteral("FrameColour"));
    m_ocGroup = new QButtonGroup(FrameColour);
    OC = addOptions(FrameColour, m_ocGroup, QStringLiteral("OC"), kOCCaptions);

    Label1Col = new SwatchLabel(FrameColour);
    Label1Col->setObjectName(QStringLiteral("Label1Col"));
    Label1Col->setColour(0x000000);

    // The colours the window is built with are the defaults of the reset.
    const auto alternate = EffectSettings::defaultAlternateLabels();
    for (int i = 0; i < EffectSettings::kAlternateCount; ++i) {
        auto *swatch = new SwatchLabel(FrameColour);
        swatch->setObjectName(QStringLiteral("CL_%1").arg(i));
        swatch->setColour(alternate[i].colour);
        swatch->setMark(alternate[i].mark);
        CL.append(swatch);
    }
    CheckRandom = new QCheckBox(QStringLiteral("(Random)"), FrameColour);
    CheckRandom->setObjectName(QStringLiteral("CheckRandom"));

    const auto blend = EffectSettings::defaultBlendLabels();
    for (int i = 0; i < EffectSettings::kBlendCount; ++i) {
        auto *swatch = new SwatchLabel(FrameColour);
        swatch->setObjectName(QStringLiteral("CB_%1").arg(i));
        swatch->setColour(blend[i].colour);
        swatch->setMark(blend[i].mark);
        CB.append(swatch);
    }
    for (int i = 0; i + 1 < EffectSettings::kBlendCount; ++i) {
        auto *arrow = new QLabel(QStringLiteral(">"), FrameColour);
        arrow->setObjectName(QStringLiteral("Label3_%1").arg(i));
        Label3.append(arrow);
    }
    TextBL = new QLineEdit;
    TextBL->setObjectName(QStringLiteral("TextBL"));
    TextBL->setMaxLength(8);
    TextBL->setFixedWidth(TextBL->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    Label4 = new GapLabel(QStringLiteral("Blend over            characters."), FrameColour);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGapWidget(0, TextBL);

    ComboPC = new QComboBox(FrameColour);
    ComboPC->setObjectName(QStringLiteral("ComboPC"));
    ComboPC->setEditable(false);

    auto *layout = new QVBoxLayout(FrameColour);
    layout->setSpacing(3);
    auto addRow = [layout](std::initializer_list<QWidget *> widgets, int indent = 0) {
        auto *row = new QHBoxLayout;
        row->setSpacing(2);
        if (indent > 0)
            row->addSpacing(indent);
        for (QWidget *widget : widgets)
            row->addWidget(widget);
        row->addStretch(1);
        layout->addLayout(row);
        return row;
    };
    addRow({OC[0], Label1Col});
    addRow({OC[1]});
    addRow({OC[2]});
    const int indent = OC[2]->sizeHint().height();
    QHBoxLayout *alternateRow = addRow({}, indent);
    // The row's closing stretch goes: the swatches follow, then a stretch of their own.
    delete alternateRow->takeAt(alternateRow->count() - 1);
    for (SwatchLabel *swatch : CL)
        alternateRow->addWidget(swatch);
    alternateRow->addSpacing(4);
    alternateRow->addWidget(CheckRandom);
    alternateRow->addStretch(1);
    QHBoxLayout *blendRow = addRow({OC[3]});
    delete blendRow->takeAt(blendRow->count() - 1);
    for (int i = 0; i < CB.size(); ++i) {
        blendRow->addWidget(CB[i]);
        if (i < Label3.size())
            blendRow->addWidget(Label3[i]);
    }
    blendRow->addStretch(1);
    addRow({Label4}, indent);
    addRow({OC[4], ComboPC});
    return FrameColour;
}

QGroupBox *FormGW::setupFrameVA()
{
    FrameVA = new QGroupBox(QStringLiteral("C&haracter positions"), m_central);
    FrameVA->setObjectName(QStringLiteral("FrameVA"));
    m_posGroup = new QButtonGroup(FrameVA);
    Pos = addOptions(FrameVA, m_posGroup, QStringLiteral("Pos"), kPosCaptions);
    auto *row = new QHBoxLayout(FrameVA);
    for (QRadioButton *option : Pos)
        row->addWidget(option);
    row->addStretch(1);
    return FrameVA;
}

void FormGW::setupMenus()
{
    auto action = [this](QMenu *menu, const QString &name, const QString &caption,
                         const QKeySequence &keys = {}) {
        auto *a = menu->addAction(caption);
        a->setObjectName(name);
        if (!keys.isEmpty()) {
            a->setShortcut(keys);
            // Menu shortcuts stay live even where the menu bar is hidden (tests, the
            // print enlargement) and win over the text boxes' own bindings.
            a->setShortcutContext(Qt::WindowShortcut);
        }
        return a;
    };

    mnufile = menuBar()->addMenu(QStringLiteral("&File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    mnuSave = action(mnufile, QStringLiteral("mnuSave"), QStringLiteral("&Save As..."),
                     QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuPrint = action(mnufile, QStringLiteral("mnuPrint"), QStringLiteral("&Print..."),
                      QKeySequence(Qt::CTRL | Qt::Key_P));
    mnufile->addSeparator();
    mnuX = action(mnufile, QStringLiteral("mnuX"), QStringLiteral("E&xit"));

    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuFont = action(mnuEdit, QStringLiteral("mnuFont"), QStringLiteral("&Font and style..."),
                     QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuColour = action(mnuEdit, QStringLiteral("mnuColour"), QStringLiteral("C&olour..."),
                       QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuEdit->addSeparator();
    mnuCut = action(mnuEdit, QStringLiteral("mnuCut"), QStringLiteral("C&ut"));
    mnuCopy = action(mnuEdit, QStringLiteral("mnuCopy"), QStringLiteral("&Copy"));
    mnuHTML = action(mnuEdit, QStringLiteral("mnuHTML"), QStringLiteral("Copy &HTML"));
    mnuHTML->setVisible(false);
    mnuPRTF = action(mnuEdit, QStringLiteral("mnuPRTF"), QStringLiteral("Paste &formatted text"));
    mnuPaste = action(mnuEdit, QStringLiteral("mnuPaste"), QStringLiteral("&Paste text"));
    mnuClear = action(mnuEdit, QStringLiteral("mnuClear"), QStringLiteral("C&lear"));

    mnuDefaults = menuBar()->addMenu(QStringLiteral("&Settings"));
    mnuDefaults->setObjectName(QStringLiteral("mnuDefaults"));
    mnuDS = action(mnuDefaults, QStringLiteral("mnuDS"), QStringLiteral("&Reset all settings"));
    mnuDefaults->addSeparator();
    mnuWW = action(mnuDefaults, QStringLiteral("mnuWW"),
                   QStringLiteral("&Format word by word (rather than letter by letter)"));
    mnuCW = action(mnuDefaults, QStringLiteral("mnuCW"),
                   QStringLiteral("&Color word by word (rather than letter by letter)"));
    mnuWW->setCheckable(true);
    mnuCW->setCheckable(true);
    mnuDefaults->addSeparator();
    const QStringList modes = {QStringLiteral("&Normal"), QStringLiteral("&HTML"),
                               QStringLiteral("&Word Processor compatible (16 colors)")};
    for (int i = 0; i < modes.size(); ++i) {
        QAction *mode = action(mnuDefaults, QStringLiteral("mnuMode_%1").arg(i), modes[i]);
        mode->setCheckable(true);
        mnuMode.append(mode);
    }

    mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    const QStringList steps = {
        QStringLiteral("&Increase font size 1pt"), QStringLiteral("&Decrease font size 1pt"),
        QStringLiteral("I&ncrease font size 5pt"), QStringLiteral("D&ecrease font size 5pt")};
    const QList<QKeySequence> stepKeys = {
        {}, {}, QKeySequence(Qt::CTRL | Qt::Key_U), QKeySequence(Qt::CTRL | Qt::Key_D)};
    for (int i = 0; i < steps.size(); ++i)
        mnuFS.append(action(mnuTools, QStringLiteral("mnuFS_%1").arg(i), steps[i], stepKeys[i]));
    mnuDoubleS =
        action(mnuTools, QStringLiteral("mnuDoubleS"), QStringLiteral("Double-&space paragraphs"));

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help!"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOH = action(mnuHelp, QStringLiteral("mnuOH"), QStringLiteral("&Online Help..."),
                   QKeySequence(Qt::Key_F1));
    mnuTT = action(mnuHelp, QStringLiteral("mnuTT"), QStringLiteral("&ToolTips"));
    mnuTT->setCheckable(true);
    mnuDLFonts = action(mnuHelp, QStringLiteral("mnuDLFonts"),
                        QStringLiteral("Where can I download more &fonts?"));
    mnuAbout = action(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("&About..."));
}

void FormGW::setupConnections()
{
    connect(cmdP, &QPushButton::clicked, this, [this] { cmdP_Click(); });
    connect(ListFonts, &QListWidget::itemSelectionChanged, this, [this] { ListFonts_Click(); });
    connect(CommandCA, &QPushButton::clicked, this, [this] { CommandCA_Click(); });
    connect(Text, &QPlainTextEdit::textChanged, this, [this] { Text_Change(); });
    connect(m_sizesGroup, &QButtonGroup::idClicked, this, [this](int id) { Sizes_Click(id); });
    connect(m_ocGroup, &QButtonGroup::idClicked, this, [this](int id) { OC_Click(id); });
    for (int i = 0; i < CL.size(); ++i)
        connect(CL[i], &SwatchLabel::mouseDown, this,
                [this, i](int button) { CL_MouseDown(i, button); });
    for (int i = 0; i < CB.size(); ++i)
        connect(CB[i], &SwatchLabel::mouseDown, this,
                [this, i](int button) { CB_MouseDown(i, button); });
    connect(Label1Col, &SwatchLabel::clicked, this, [this] { Label1Col_Click(); });
    m_box->onMouseDown = [this](int button) { R_MouseDown(button); };

    connect(mnufile, &QMenu::aboutToShow, this, [this] { mnufile_Open(); });
    connect(mnuEdit, &QMenu::aboutToShow, this, [this] { mnuEdit_Open(); });
    connect(mnuTools, &QMenu::aboutToShow, this, [this] { mnuTools_Open(); });

    connect(mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(mnuPrint, &QAction::triggered, this, [this] { mnuPrint_Click(); });
    connect(mnuX, &QAction::triggered, this, [this] { mnuX_Click(); });
    connect(mnuFont, &QAction::triggered, this, [this] { mnuFont_Click(); });
    connect(mnuColour, &QAction::triggered, this, [this] { mnuColour_Click(); });
    connect(mnuCut, &QAction::triggered, this, [this] { mnuCut_Click(); });
    connect(mnuCopy, &QAction::triggered, this, [this] { mnuCopy_Click(); });
    connect(mnuHTML, &QAction::triggered, this, [this] { mnuHTML_Click(); });
    connect(mnuPRTF, &QAction::triggered, this, [this] { mnuPRTF_Click(); });
    connect(mnuPaste, &QAction::triggered, this, [this] { mnuPaste_Click(); });
    connect(mnuClear, &QAction::triggered, this, [this] { mnuClear_Click(); });
    connect(mnuDS, &QAction::triggered, this, [this] { mnuDS_Click(); });
    // The check mark is the setting itself; the handlers only keep it.
    connect(mnuWW, &QAction::triggered, this, [this] { mnuWW_Click(); });
    connect(mnuCW, &QAction::triggered, this, [this] { mnuCW_Click(); });
    for (int i = 0; i < mnuMode.size(); ++i)
        connect(mnuMode[i], &QAction::triggered, this, [this, i] {
            // The switch sets the check marks itself.
            mnuMode[i]->setChecked(i == int(m_outputMode));
            mnuMode_Click(i);
        });
    for (int i = 0; i < mnuFS.size(); ++i)
        connect(mnuFS[i], &QAction::triggered, this, [this, i] { mnuFS_Click(i); });
    connect(mnuDoubleS, &QAction::triggered, this, [this] { mnuDoubleS_Click(); });
    connect(mnuOH, &QAction::triggered, this, [this] { mnuOH_Click(); });
    connect(mnuTT, &QAction::triggered, this, [this] {
        // mnuTT_Click toggles the mark itself.
        mnuTT->setChecked(!mnuTT->isChecked());
        mnuTT_Click();
    });
    connect(mnuDLFonts, &QAction::triggered, this, [this] { mnuDLFonts_Click(); });
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });

    // Menu shortcuts must win over the text boxes' own key bindings (Ctrl+U clears a line
    // edit on X11).
    for (QWidget *widget : std::initializer_list<QWidget *>{
             Text, TextWL, TextBL, ComboS->lineEdit(), ComboB->lineEdit(), ComboPC, R, ListFonts})
        if (widget)
            widget->installEventFilter(this);
    if (m_edit)
        for (QObject *child : m_edit->findChildren<QWidget *>())
            child->installEventFilter(this);
}

bool FormGW::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == R && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeProgress();
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        const QList<QAction *> actions = findChildren<QAction *>();
        for (QAction *a : actions) {
            if (a->shortcut().isEmpty() || a->shortcut() != pressed)
                continue;
            // Left unaccepted, the override lets the shortcut run instead of the box's own
            // binding. A key press only arrives when the command is disabled: it then does
            // nothing at all.
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FormGW::setupToolTips()
{
    auto add = [this](QWidget *widget, const QString &text) { m_toolTips.append({widget, text}); };
    add(Text, QStringLiteral("Type some text here and click 'Refresh...' to format it"));
    add(cmdP, QStringLiteral("Click here to format the text above.  Not sure what to do? - just "
                             "click and see what happens!"));
    add(ListFonts, QStringLiteral("Select which fonts you want to use, or select none to use a "
                                  "random selection"));
    add(CommandCA, QStringLiteral("De-select any fonts you have selected above - so that all fonts "
                                  "may be used."));
    add(CheckAF, QStringLiteral("Alternate the font used for each character (using the fonts "
                                "selected)"));
    add(CheckBI, QStringLiteral("Make each character bold or italic (at random)"));
    add(FrameSize, QStringLiteral("Choose how to vary the sizes of characters in the text"));
    for (int i = 0; i < Sizes.size(); ++i)
        add(Sizes[i], kSizesTips[i]);
    add(ComboS, QStringLiteral("Choose a minimum font size."));
    add(ComboB, QStringLiteral("Choose a maximum font size."));
    add(TextWL, QStringLiteral("Set the length (in characters) of a wave"));
    add(FrameCaps,
        QStringLiteral("Choose how to change the case of the text - 'None' leaves it unchanged"));
    for (int i = 0; i < Cap.size(); ++i)
        add(Cap[i], kCapTips[i]);
    add(FrameColour, QStringLiteral("Choose how to color the formatted text"));
    for (int i = 0; i < OC.size(); ++i)
        add(OC[i], kOCTips[i]);
    add(CheckRandom, QStringLiteral("Cycle between these colors randomly, rather than in the order "
                                    "they are in."));
    add(TextBL, QStringLiteral("Set the number of characters to blend between two colors over"));
    add(ComboPC, QStringLiteral("Choose a pre-defined color scheme - pick one and click refresh to "
                                "see what it does!"));
    add(FrameVA, QStringLiteral("Choose how to vary the vertical alignment (superscript and "
                                "subscript) of the characters"));
    for (int i = 0; i < Pos.size(); ++i)
        add(Pos[i], kPosTips[i]);
    add(R, kFirstToolTipR);
    // The colour labels say "Click" whatever the state of the tooltips.
    Label1Col->setToolTip(QStringLiteral("Click"));
    for (SwatchLabel *swatch : CL + CB)
        swatch->setToolTip(QStringLiteral("Click"));
}

void FormGW::applyToolTips(bool on)
{
    for (const ToolTip &tip : std::as_const(m_toolTips)) {
        if (!tip.widget)
            continue;
        if (tip.widget == R)
            m_box->setToolTip(on ? tip.text : QString());
        else
            tip.widget->setToolTip(on ? tip.text : QString());
    }
}

void FormGW::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeProgress();
}

void FormGW::placeProgress()
{
    if (!m_indicator || !R)
        return;
    // Over the bottom of the output box, as tall as the bar's design height.
    const int h = qMin(m_indicator->sizeHint().height(), R->height());
    const QRect box = R->geometry();
    m_indicator->setGeometry(box.left(), box.bottom() + 1 - h, box.width(), h);
    m_indicator->raise();
}

QString FormGW::inputText() const
{
    QString text = Text->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void FormGW::setInputText(const QString &crlfText)
{
    QString text = crlfText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    updateInputWrap(text); // before the box lays the text out
    Text->setPlainText(text);
}

void FormGW::updateInputWrap(const QString &text)
{
    const bool anywhere = InputWrap::breakAnywhere(text);
    const auto mode =
        anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (Text->wordWrapMode() == mode)
        return;
    Text->setWordWrapMode(mode);
    // A scroll bar that appears after the layout narrows the box and lays the long text
    // out a second time.
    Text->setVerticalScrollBarPolicy(anywhere ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    // Kerning and ligatures of Latin text are worth little in an input box and take a third
    // of the layout time; scripts that need shaping keep it.
    QFont font = Text->font();
    font.setStyleStrategy(anywhere ? QFont::PreferNoShaping : QFont::PreferDefault);
    Text->setFont(font);
}

int FormGW::comboIndex(const QComboBox *combo)
{
    // The list position that matches the shown text exactly; a typed size that is not an
    // item has none.
    const QString shown = combo->currentText();
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i) == shown)
            return i;
    return -1;
}

void FormGW::setComboIndex(QComboBox *combo, int index)
{
    const QSignalBlocker block(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    if (combo->currentIndex() < 0 && combo->isEditable())
        combo->setEditText(QString());
}

QList<SwatchLabel *> &FormGW::row(ColourLabels::Row which)
{
    return which == ColourLabels::Row::Alternate ? CL : CB;
}

void FormGW::showRow(ColourLabels::Row which, std::span<const ColourLabel> labels)
{
    QList<SwatchLabel *> &swatches = row(which);
    for (int i = 0; i < swatches.size() && i < int(labels.size()); ++i) {
        swatches[i]->setColour(labels[i].colour);
        swatches[i]->setTag(labels[i].tag);
        swatches[i]->setMark(labels[i].mark);
    }
}

void FormGW::readRow(ColourLabels::Row which, std::span<ColourLabel> labels) const
{
    const QList<SwatchLabel *> &swatches = which == ColourLabels::Row::Alternate ? CL : CB;
    for (int i = 0; i < swatches.size() && i < int(labels.size()); ++i) {
        labels[i].colour = swatches[i]->colour();
        labels[i].tag = swatches[i]->tag();
        labels[i].mark = swatches[i]->mark();
    }
}

EffectSettings FormGW::currentSettings() const
{
    EffectSettings s;
    s.text = inputText();
    s.fonts.clear();
    s.fontSelected.clear();
    for (int i = 0; i < ListFonts->count(); ++i) {
        s.fonts.append(ListFonts->item(i)->text());
        s.fontSelected.append(ListFonts->item(i)->isSelected());
    }
    s.checkAF = CheckAF->isChecked() ? 1 : 0;
    s.checkBI = CheckBI->isChecked() ? 1 : 0;
    s.sizes = m_sizesGroup->checkedId();
    s.comboS = ComboS->currentText();
    s.comboSIndex = comboIndex(ComboS);
    s.comboB = ComboB->currentText();
    s.comboBIndex = comboIndex(ComboB);
    s.textWL = TextWL->text();
    s.pos = m_posGroup->checkedId();
    s.cap = m_capGroup->checkedId();
    s.oc = m_ocGroup->checkedId();
    s.label1Col = Label1Col->colour();
    readRow(ColourLabels::Row::Alternate, s.cl);
    s.checkRandom = CheckRandom->isChecked() ? 1 : 0;
    readRow(ColourLabels::Row::Blend, s.cb);
    s.textBL = TextBL->text();
    s.comboPC = ComboPC->currentIndex();
    s.mnuWW = mnuWW->isChecked();
    s.mnuCW = mnuCW->isChecked();
    s.outputMode = m_outputMode;
    s.mnuTT = mnuTT->isChecked();
    return s;
}

void FormGW::selectOption(QButtonGroup *group, int index)
{
    if (QAbstractButton *button = group->button(index)) {
        button->setChecked(true);
        return;
    }
    // No option of the group selected.
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

void FormGW::fillFontList(const QStringList &names, const QList<bool> &selected)
{
    {
        const QSignalBlocker block(ListFonts);
        const bool same = ListFonts->count() == names.size() && [&] {
            for (int i = 0; i < names.size(); ++i)
                if (ListFonts->item(i)->text() != names[i])
                    return false;
            return true;
        }();
        if (!same) {
            ListFonts->clear();
            ListFonts->addItems(names);
        }
        for (int i = 0; i < ListFonts->count(); ++i)
            ListFonts->item(i)->setSelected(selected.value(i, false));
        ListFonts->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
    }
    ListFonts_Click();
}

void FormGW::showSettings(const EffectSettings &s)
{
    setInputText(s.text);
    fillFontList(s.fonts, s.fontSelected);
    {
        const QSignalBlocker blockAF(CheckAF), blockBI(CheckBI), blockRandom(CheckRandom);
        CheckAF->setChecked(s.checkAF != 0);
        CheckBI->setChecked(s.checkBI != 0);
        CheckRandom->setChecked(s.checkRandom != 0);
    }
    selectOption(m_sizesGroup, s.sizes);
    selectOption(m_capGroup, s.cap);
    selectOption(m_ocGroup, s.oc);
    selectOption(m_posGroup, s.pos);
    if (s.comboSIndex >= 0 || s.comboS.isEmpty()) {
        setComboIndex(ComboS, s.comboSIndex);
    } else {
        const QSignalBlocker block(ComboS);
        ComboS->setEditText(s.comboS);
    }
    if (s.comboBIndex >= 0 || s.comboB.isEmpty()) {
        setComboIndex(ComboB, s.comboBIndex);
    } else {
        const QSignalBlocker block(ComboB);
        ComboB->setEditText(s.comboB);
    }
    TextWL->setText(s.textWL);
    TextBL->setText(s.textBL);
    Label1Col->setColour(s.label1Col);
    showRow(ColourLabels::Row::Alternate, s.cl);
    showRow(ColourLabels::Row::Blend, s.cb);
    {
        const QSignalBlocker block(ComboPC);
        ComboPC->setCurrentIndex(s.comboPC >= 0 && s.comboPC < ComboPC->count() ? s.comboPC : 0);
    }
    mnuWW->setChecked(s.mnuWW);
    mnuCW->setChecked(s.mnuCW);
    if (mnuTT->isChecked() != s.mnuTT) {
        mnuTT->setChecked(s.mnuTT);
        applyToolTips(s.mnuTT);
    }
    applyEnabling();
}

void FormGW::applyEnabling()
{
    const EffectSettings s = currentSettings();
    const EnabledState e = EnablingRules::evaluate(s, m_outputMode);
    FrameVA->setEnabled(e.posOptions);
    Pos[0]->setEnabled(e.posOptions);
    Pos[1]->setEnabled(e.posOptions);
    Pos[2]->setEnabled(e.posOptions && e.pos2);
    TextWL->setEnabled(e.textWL);
    Label2->setEnabled(e.textWL);
    CheckRandom->setEnabled(e.checkRandom);
    TextBL->setEnabled(e.textBL);
    Label4->setEnabled(e.textBL);
    ComboPC->setEnabled(e.comboPC);
    CommandCA->setEnabled(e.commandCA);
    CheckAF->setEnabled(e.checkAF);
    cmdP->setEnabled(e.cmdP && !m_busy);
    mnuHTML->setVisible(e.mnuHTMLVisible);
}

void FormGW::setStatus(int selected)
{
    LabelS->setText(selected == 0 ? QStringLiteral(" All fonts selected.")
                                  : QStringLiteral(" %1 fonts selected.").arg(selected));
}

void FormGW::ListFonts_Click()
{
    int selected = int(ListFonts->selectedItems().size());
    if (selected > EffectSettings::kMaxSelectedFonts) {
        m_services.messages->beep();
        const QSignalBlocker block(ListFonts);
        if (QListWidgetItem *current = ListFonts->currentItem(); current && current->isSelected())
            current->setSelected(false);
        // A selection made by the program has no clicked item: drop the last ones.
        const QList<QListWidgetItem *> items = ListFonts->selectedItems();
        QList<int> rows;
        for (QListWidgetItem *item : items)
            rows.append(ListFonts->row(item));
        std::sort(rows.begin(), rows.end());
        for (int i = EffectSettings::kMaxSelectedFonts; i < rows.size(); ++i)
            ListFonts->item(rows[i])->setSelected(false);
        selected = int(ListFonts->selectedItems().size());
    }
    CommandCA->setEnabled(selected >= 1);
    CheckAF->setEnabled(selected >= 2);
    setStatus(selected);
}

void FormGW::CommandCA_Click()
{
    {
        const QSignalBlocker block(ListFonts);
        ListFonts->clearSelection();
        ListFonts->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
    }
    ListFonts_Click();
    CheckAF->setEnabled(false);
    if (ListFonts->isHidden())
        ListFonts->show();
}

void FormGW::Text_Change()
{
    const QString text = inputText();
    updateInputWrap(text);
    cmdP->setEnabled(!text.isEmpty() && !m_busy);
    // Deepening red as the text grows: the whole part of L / 4 as the red byte.
    const qsizetype length = text.size();
    const int red = length >= 1024 ? 255 : int(length / 4);
    QPalette tint = Text->palette();
    tint.setColor(QPalette::Text, QColor(red, 0, 0));
    Text->setPalette(tint);
}

void FormGW::Sizes_Click(int)
{
    EffectSettings s = currentSettings();
    if (EnablingRules::afterSizesChange(s, m_outputMode))
        selectOption(m_posGroup, s.pos);
    applyEnabling();
}

void FormGW::OC_Click(int)
{
    applyEnabling();
}

void FormGW::mnuWW_Click() {}

void FormGW::mnuCW_Click() {}

void FormGW::mnuTT_Click()
{
    mnuTT->setChecked(!mnuTT->isChecked());
    applyToolTips(mnuTT->isChecked());
}

QString FormGW::helpAddress() const
{
    return HelpPage::address(QStringLiteral(KERNCRAFT_HELP_URL_GLINTWORK),
                             m_services.files->programFolder(), kHelpPage);
}

QString FormGW::fontsAddress() const
{
    return HelpPage::address(QStringLiteral(KERNCRAFT_FONTS_URL), m_services.files->programFolder(),
                             kHelpPage);
}

QString FormGW::commentAddress()
{
    // The comment travels with the user's page: a configured fonts page, else the public
    // download page, never the local path of the bundled help.
    const QString fonts = QStringLiteral(KERNCRAFT_FONTS_URL);
    return fonts.isEmpty() ? Publisher::downloadAddress() : fonts;
}

QString FormGW::suggestionsAddress()
{
    return Publisher::suggestionsAddress();
}

void FormGW::mnuOH_Click()
{
    const QString address = helpAddress();
    if (!address.isEmpty())
        m_services.shell->openAddress(address);
}

void FormGW::mnuDLFonts_Click()
{
    m_services.messages->message(
        QStringLiteral("Check out sites in the Download section of the Top Links on your home "
                       "page, ") +
            fontsAddress() + QStringLiteral("."),
        QStringLiteral("Sites with cool fonts to download"), MessageService::Buttons::Ok,
        MessageService::Icon::Information);
}

void FormGW::mnuAbout_Click()
{
    const QStringList lines = {
        QString(),
        QStringLiteral("Glintwork %1, part of the Kerncraft font tools.")
            .arg(QStringLiteral(KERNCRAFT_VERSION)),
        QString(),
        QStringLiteral("We are always looking for suggestions for how to improve our software and "
                       "to make it more user-friendly.  If you have any suggestions, email ") +
            suggestionsAddress() + QStringLiteral("."),
    };
    m_services.messages->message(lines.join(QStringLiteral("\r\n")), kTitle,
                                 MessageService::Buttons::Ok, MessageService::Icon::None);
}
