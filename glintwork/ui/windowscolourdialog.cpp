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

} // namespace

WindowsColourDialog::WindowsColourDialog(QWidget *parent) : QDialog(parent)
{
    setupControls();
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
