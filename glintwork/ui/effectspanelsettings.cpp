// The effects panel's side of the settings record, its enabling and its font list: see
// effectspanel.h.
#include "effectspanel.h"

#include "gaplabel.h"
#include "swatchlabel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {

QString plainLineBreaks(const QString &crlfText)
{
    QString text = crlfText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

void EffectsPanel::readInto(EffectSettings &s) const
{
    s.text = inputText();
    s.fonts.clear();
    s.fontSelected.clear();
    for (int i = 0; i < m_fontList->count(); ++i) {
        s.fonts.append(m_fontList->item(i)->text());
        s.fontSelected.append(m_fontList->item(i)->isSelected());
    }
    s.checkAF = m_alternateFontsCheck->isChecked() ? 1 : 0;
    s.checkBI = m_boldItalicCheck->isChecked() ? 1 : 0;
    s.sizes = m_sizeGroup->checkedId();
    s.comboS = m_minSizeBox->currentText();
    s.comboSIndex = comboIndex(m_minSizeBox);
    s.comboB = m_maxSizeBox->currentText();
    s.comboBIndex = comboIndex(m_maxSizeBox);
    s.textWL = m_wavelengthBox->text();
    s.pos = m_positionGroup->checkedId();
    s.cap = m_capGroup->checkedId();
    s.oc = m_colourGroup->checkedId();
    s.label1Col = m_singleSwatch->colour();
    readRow(ColourLabels::Row::Alternate, s.cl);
    s.checkRandom = m_randomOrderCheck->isChecked() ? 1 : 0;
    readRow(ColourLabels::Row::Blend, s.cb);
    s.textBL = m_blendLengthBox->text();
    s.comboPC = m_schemeBox->currentIndex();
}

void EffectsPanel::showSettings(const EffectSettings &s)
{
    setInputText(s.text);
    fillFontList(s.fonts, s.fontSelected);
    {
        const QSignalBlocker blockAF(m_alternateFontsCheck), blockBI(m_boldItalicCheck),
            blockRandom(m_randomOrderCheck);
        m_alternateFontsCheck->setChecked(s.checkAF != 0);
        m_boldItalicCheck->setChecked(s.checkBI != 0);
        m_randomOrderCheck->setChecked(s.checkRandom != 0);
    }
    selectOption(m_sizeGroup, s.sizes);
    selectOption(m_capGroup, s.cap);
    selectOption(m_colourGroup, s.oc);
    selectOption(m_positionGroup, s.pos);
    showComboValue(m_minSizeBox, s.comboSIndex, s.comboS);
    showComboValue(m_maxSizeBox, s.comboBIndex, s.comboB);
    m_wavelengthBox->setText(s.textWL);
    m_blendLengthBox->setText(s.textBL);
    m_singleSwatch->setColour(s.label1Col);
    showRow(ColourLabels::Row::Alternate, s.cl);
    showRow(ColourLabels::Row::Blend, s.cb);
    const QSignalBlocker block(m_schemeBox);
    m_schemeBox->setCurrentIndex(s.comboPC >= 0 && s.comboPC < m_schemeBox->count() ? s.comboPC
                                                                                    : 0);
}

void EffectsPanel::showRepairedFields(const EffectSettings &s)
{
    {
        const QSignalBlocker blockMin(m_minSizeBox), blockMax(m_maxSizeBox);
        if (m_minSizeBox->currentText() != s.comboS)
            m_minSizeBox->setEditText(s.comboS);
        if (m_maxSizeBox->currentText() != s.comboB)
            m_maxSizeBox->setEditText(s.comboB);
    }
    if (m_wavelengthBox->text() != s.textWL)
        m_wavelengthBox->setText(s.textWL);
    if (m_blendLengthBox->text() != s.textBL)
        m_blendLengthBox->setText(s.textBL);
}

void EffectsPanel::showComboValue(QComboBox *combo, int index, const QString &text)
{
    const QSignalBlocker block(combo);
    // A typed value that is not an item is shown as typed.
    if (index < 0 && !text.isEmpty()) {
        combo->setEditText(text);
        return;
    }
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    if (combo->currentIndex() < 0 && combo->isEditable())
        combo->setEditText(QString());
}

int EffectsPanel::comboIndex(const QComboBox *combo)
{
    // The list position that matches the shown text exactly; a typed size that is not an
    // item has none.
    const QString shown = combo->currentText();
    for (int i = 0; i < combo->count(); ++i)
        if (combo->itemText(i) == shown)
            return i;
    return -1;
}

QString EffectsPanel::plainInput() const
{
    // The document's own characters: toPlainText() would turn no-break spaces into blanks.
    QString text = m_inputBox->document()->toRawText();
    for (QChar &c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return text;
}

QString EffectsPanel::inputText() const
{
    QString text = plainInput();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void EffectsPanel::setInputText(const QString &crlfText)
{
    // The same text is left alone, with its caret and undo history.
    const QString text = plainLineBreaks(crlfText);
    if (text != plainInput())
        m_inputBox->setPlainText(text);
}

void EffectsPanel::insertInputText(const QString &crlfText)
{
    m_inputBox->textCursor().insertText(plainLineBreaks(crlfText));
}

void EffectsPanel::tintInput()
{
    // Deepening red as the text grows: the whole part of L / 4 as the red byte.
    const qsizetype length = inputText().size();
    const int red = length >= 1024 ? 255 : int(length / 4);
    QPalette tint = m_inputBox->palette();
    tint.setColor(QPalette::Text, QColor(red, 0, 0));
    m_inputBox->setPalette(tint);
}

void EffectsPanel::applyEnabling(const EnabledState &e, bool busy)
{
    m_positionFrame->setEnabled(e.posOptions);
    m_positionOptions[0]->setEnabled(e.posOptions);
    m_positionOptions[1]->setEnabled(e.posOptions);
    m_positionOptions[2]->setEnabled(e.posOptions && e.pos2);
    m_wavelengthBox->setEnabled(e.textWL);
    m_wavelengthLabel->setEnabled(e.textWL);
    m_randomOrderCheck->setEnabled(e.checkRandom);
    m_blendLengthBox->setEnabled(e.textBL);
    m_blendLengthLabel->setEnabled(e.textBL);
    m_schemeBox->setEnabled(e.comboPC);
    m_clearSelectionButton->setEnabled(e.commandCA);
    m_alternateFontsCheck->setEnabled(e.checkAF);
    m_refreshButton->setEnabled(e.cmdP && !busy);
}

void EffectsPanel::enableRefresh(bool enabled)
{
    m_refreshButton->setEnabled(enabled);
}

void EffectsPanel::fillFontList(const QStringList &names, const QList<bool> &selected)
{
    const QSignalBlocker block(m_fontList);
    const bool same = m_fontList->count() == names.size() && [&] {
        for (int i = 0; i < names.size(); ++i)
            if (m_fontList->item(i)->text() != names[i])
                return false;
        return true;
    }();
    if (!same) {
        m_fontList->clear();
        m_fontList->addItems(names);
    }
    for (int i = 0; i < m_fontList->count(); ++i)
        m_fontList->item(i)->setSelected(selected.value(i, false));
    m_fontList->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
}

void EffectsPanel::selectFont(int index)
{
    if (QListWidgetItem *item = m_fontList->item(index))
        item->setSelected(true);
}

void EffectsPanel::clearFontSelection()
{
    const QSignalBlocker block(m_fontList);
    m_fontList->clearSelection();
    m_fontList->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
}

void EffectsPanel::showFontList(bool visible)
{
    m_fontList->setVisible(visible);
}

bool EffectsPanel::fontListHidden() const
{
    return m_fontList->isHidden();
}

bool EffectsPanel::limitFontSelection()
{
    if (m_fontList->selectedItems().size() <= EffectSettings::kMaxSelectedFonts)
        return false;
    const QSignalBlocker block(m_fontList);
    if (QListWidgetItem *current = m_fontList->currentItem(); current && current->isSelected())
        current->setSelected(false);
    // A selection made by the program has no clicked item: drop the last ones.
    QList<int> rows;
    for (QListWidgetItem *item : m_fontList->selectedItems())
        rows.append(m_fontList->row(item));
    std::sort(rows.begin(), rows.end());
    for (int i = EffectSettings::kMaxSelectedFonts; i < rows.size(); ++i)
        m_fontList->item(rows[i])->setSelected(false);
    return true;
}

void EffectsPanel::showFontSelection()
{
    const int selected = int(m_fontList->selectedItems().size());
    m_clearSelectionButton->setEnabled(selected >= 1);
    m_alternateFontsCheck->setEnabled(selected >= 2);
    m_selectionStatus->setText(selected == 0 ? QStringLiteral(" All fonts selected.")
                                             : QStringLiteral(" %1 fonts selected.").arg(selected));
}

void EffectsPanel::fillSizeLists(const QStringList &minItems, const QStringList &maxItems)
{
    auto refill = [](QComboBox *combo, const QStringList &items) {
        QStringList current;
        for (int i = 0; i < combo->count(); ++i)
            current.append(combo->itemText(i));
        if (current == items)
            return;
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(items);
    };
    refill(m_minSizeBox, minItems);
    refill(m_maxSizeBox, maxItems);
}

void EffectsPanel::fillSchemes(const QStringList &names)
{
    const QSignalBlocker block(m_schemeBox);
    m_schemeBox->clear();
    m_schemeBox->addItems(names);
    m_schemeBox->setCurrentIndex(0);
}

void EffectsPanel::selectOption(QButtonGroup *group, int index)
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

void EffectsPanel::selectSizeOption(int index)
{
    selectOption(m_sizeGroup, index);
}

void EffectsPanel::selectColourOption(int index)
{
    selectOption(m_colourGroup, index);
}

void EffectsPanel::selectPositionOption(int index)
{
    selectOption(m_positionGroup, index);
}

qint32 EffectsPanel::singleColour() const
{
    return m_singleSwatch->colour();
}

void EffectsPanel::setSingleColour(qint32 colour)
{
    m_singleSwatch->setColour(colour);
}

const QList<SwatchLabel *> &EffectsPanel::row(ColourLabels::Row which) const
{
    return which == ColourLabels::Row::Alternate ? m_alternateSwatches : m_blendSwatches;
}

void EffectsPanel::showRow(ColourLabels::Row which, std::span<const ColourLabel> labels)
{
    const QList<SwatchLabel *> &swatches = row(which);
    for (int i = 0; i < swatches.size() && i < int(labels.size()); ++i) {
        swatches[i]->setColour(labels[i].colour);
        swatches[i]->setTag(labels[i].tag);
        swatches[i]->setMark(labels[i].mark);
    }
}

void EffectsPanel::readRow(ColourLabels::Row which, std::span<ColourLabel> labels) const
{
    const QList<SwatchLabel *> &swatches = row(which);
    for (int i = 0; i < swatches.size() && i < int(labels.size()); ++i) {
        labels[i].colour = swatches[i]->colour();
        labels[i].tag = swatches[i]->tag();
        labels[i].mark = swatches[i]->mark();
    }
}
