// The frame "Fonts to use": see fontlistpanel.h.
#include "ui/fontlistpanel.h"

#include "widgets/controls/named.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

FontListPanel::FontListPanel(QWidget *parent) : QGroupBox(tr("Fonts to use"), parent)
{
    setObjectName(QStringLiteral("Frame1"));
    m_searchBox = named(new QLineEdit(this), "TextSearch");
    m_searchBox->setPlaceholderText(tr("Find a font by name"));
    m_searchBox->setClearButtonEnabled(true);
    m_searchBox->setToolTip(tr("List only the fonts whose names contain this text."));
    m_fontListBox = named(new QListWidget(this), "ListFonts");
    m_fontListBox->setSelectionMode(QAbstractItemView::SingleSelection);
    m_fontListBox->setToolTip(tr("These fonts will be used in the Preview."));
    // Six whole rows to pick from however small the window (a row is a line and its
    // margins).
    m_fontListBox->setMinimumHeight(kMinimumRows * (m_fontListBox->fontMetrics().height() + 4) +
                                    2 * m_fontListBox->frameWidth());
    m_symbolFontsBox = named(new QCheckBox(tr("Include s&ymbol fonts"), this), "CheckSF");
    m_systemFontsBox = named(new QCheckBox(tr("Include sys&tem fonts"), this), "CheckSYS");
    m_removeButton = named(new QPushButton(tr("&Remove selected font"), this), "CommandRemove");
    m_removeButton->setToolTip(
        tr("Remove the selected font from the list so it isn't used in the Preview"));
    m_capitaliseButton =
        named(new QPushButton(tr("Make selected font &uppercase"), this), "CommandCap");
    m_capitaliseButton->setToolTip(tr("If the selected font in the Preview isn't "
                                      "displayed correctly, try changing it to UPPERCASE"));
    m_resetListButton = named(new QPushButton(tr("Reset &list"), this), "CommandRL");
    m_resetListButton->setToolTip(
        tr("Reset the list of fonts making any changes you have selected."));
    m_availableLabel = named(new QLabel(this), "Label1");
    m_listedLabel = named(new QLabel(this), "Label2");

    auto *listSide = new QVBoxLayout;
    listSide->addWidget(m_symbolFontsBox);
    listSide->addWidget(m_systemFontsBox);
    listSide->addSpacing(6);
    listSide->addWidget(m_removeButton);
    listSide->addWidget(m_capitaliseButton);
    listSide->addWidget(m_resetListButton);
    listSide->addStretch(1);
    listSide->addWidget(m_availableLabel);
    listSide->addWidget(m_listedLabel);
    auto *listColumn = new QVBoxLayout;
    listColumn->addWidget(m_searchBox);
    listColumn->addWidget(m_fontListBox, 1);
    auto *frameLayout = new QHBoxLayout(this);
    frameLayout->addLayout(listColumn, 1);
    frameLayout->addLayout(listSide);
}

void FontListPanel::showEntries(const QStringList &entries, int selected, bool keepScroll)
{
    const QSignalBlocker blocker(m_fontListBox);
    QScrollBar *scroll = m_fontListBox->verticalScrollBar();
    const int scrolled = scroll->value();
    m_fontListBox->clear();
    m_fontListBox->addItems(entries);
    if (keepScroll)
        scroll->setValue(scrolled);
    showSelection(selected);
}

void FontListPanel::showSelection(int selected)
{
    const QSignalBlocker blocker(m_fontListBox);
    if (selected < 0) {
        m_fontListBox->clearSelection();
        m_fontListBox->setCurrentRow(-1);
    } else {
        m_fontListBox->setCurrentRow(selected, QItemSelectionModel::ClearAndSelect);
        m_fontListBox->scrollToItem(m_fontListBox->item(selected));
    }
}
