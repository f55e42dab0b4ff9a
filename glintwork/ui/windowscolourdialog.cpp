// The sixteen-colour dialog: see windowscolourdialog.h.
#include "ui/windowscolourdialog.h"

#include "effects/colours.h"
#include "ui/swatchlabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Light colours above their dark counterparts.
constexpr int kTopRow[8] = {0, 1, 2, 3, 7, 6, 5, 4};
constexpr int kBottomRow[8] = {11, 10, 9, 8, 15, 14, 13, 12};
constexpr int kColumns = 8;

// The names a screen reader gives the swatches, by palette index.
constexpr const char *kColourNames[WindowsColourDialog::kSwatches] = {
    QT_TRANSLATE_NOOP("WindowsColourDialog", "White"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Silver"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Red"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Yellow"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Fuchsia"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Blue"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Aqua"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Lime"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Olive"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Maroon"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Gray"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Black"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Purple"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Navy"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Teal"),
    QT_TRANSLATE_NOOP("WindowsColourDialog", "Green"),
};

// The swatch shown at a place of the grid (row 0 or 1, column 0 to 7).
int swatchAt(int row, int col)
{
    return row == 0 ? kTopRow[col] : kBottomRow[col];
}

} // namespace

WindowsColourDialog::WindowsColourDialog(QWidget *parent) : QDialog(parent)
{
    setupControls();
    setUpKeyboard();
    // Form_Load: mark the swatch chosen last time.
    CL_Click(m_chosenSwatch);
}

qint32 WindowsColourDialog::paletteColour(int swatch)
{
    return swatch >= 0 && swatch < kSwatches ? Colours::WindowsPalette()[swatch] : 0;
}

void WindowsColourDialog::setupControls()
{
    setObjectName(QStringLiteral("FormWinColor"));
    setWindowTitle(tr("Select a color..."));
    setModal(true);

    for (int i = 0; i < kSwatches; ++i) {
        auto *swatch = new SwatchLabel(this);
        swatch->setObjectName(QStringLiteral("CL%1").arg(i));
        swatch->setColour(paletteColour(i));
        swatch->setToolTip(QString());
        const int side = qMax(24, swatch->sizeHint().width() + 6);
        swatch->setFixedSize(side, side);
        connect(swatch, &SwatchLabel::clicked, this, [this, i] { CL_Click(i); });
        connect(swatch, &SwatchLabel::doubleClicked, this, [this, i] { CL_DblClick(i); });
        m_swatches.append(swatch);
    }

    auto *grid = new QGridLayout;
    grid->setSpacing(4);
    for (int col = 0; col < 8; ++col) {
        grid->addWidget(m_swatches[kTopRow[col]], 0, col);
        grid->addWidget(m_swatches[kBottomRow[col]], 1, col);
    }

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("CommandOK"));
    m_okButton->setDefault(true);
    m_okButton->setAutoDefault(true);
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("CommandX"));
    m_cancelButton->setAutoDefault(false);
    connect(m_okButton, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { CommandX_Click(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void WindowsColourDialog::setUpKeyboard()
{
    // Tab follows the rows as they are shown, then the buttons.
    QWidget *previous = nullptr;
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            SwatchLabel *swatch = m_swatches[swatchAt(row, col)];
            if (previous)
                setTabOrder(previous, swatch);
            previous = swatch;
        }
    }
    setTabOrder(previous, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);
    for (int i = 0; i < kSwatches; ++i) {
        SwatchLabel *swatch = m_swatches[i];
        swatch->setAccessibleName(tr(kColourNames[i]));
        swatch->setEnterPassesOn(true);
        connect(swatch, &SwatchLabel::stepRequested, this,
                [this, i](int dx, int dy) { stepFrom(i, dx, dy); });
    }
}

void WindowsColourDialog::stepFrom(int index, int dx, int dy)
{
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            if (swatchAt(row, col) != index)
                continue;
            const int next = swatchAt(qBound(0, row + dy, 1), qBound(0, col + dx, kColumns - 1));
            // Moving marks the swatch, as the arrow keys choose among option buttons.
            CL_Click(next);
            m_swatches[next]->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

std::optional<qint32> WindowsColourDialog::run()
{
    m_okButton->setFocus();
    exec();
    if (m_chosenColour == -1)
        return std::nullopt;
    return m_chosenColour;
}

void WindowsColourDialog::CL_Click(int index)
{
    if (index < 0 || index >= kSwatches)
        return;
    if (SwatchLabel *old = m_swatches.value(m_chosenSwatch))
        old->setBordered(false);
    m_chosenSwatch = index;
    m_swatches[index]->setBordered(true);
}

void WindowsColourDialog::CL_DblClick(int index)
{
    CL_Click(index);
    CommandOK_Click();
}

void WindowsColourDialog::CommandOK_Click()
{
    m_chosenColour = paletteColour(m_chosenSwatch);
    done(QDialog::Accepted);
}

void WindowsColourDialog::CommandX_Click()
{
    m_chosenColour = -1;
    done(QDialog::Rejected);
}

void WindowsColourDialog::reject()
{
    CommandX_Click();
}
