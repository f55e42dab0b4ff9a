// The effects panel's side of the settings record, its enabling and its font list: see
// effectspanel.h.
#include "ui/effectspanel.h"

#include "effects/inputwrap.h"
#include "ui/captionrow.h"
#include "ui/swatchlabel.h"

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
#include <QTextDocument>
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
        s.fonts.append(m_fontList->item(i)->data(Qt::UserRole).toString());
        s.fontSelected.append(m_fontList->item(i)->isSelected());
    }
    s.alternateSelectedFonts = m_alternateFontsCheck->isChecked() ? 1 : 0;
    s.randomBoldItalic = m_boldItalicCheck->isChecked() ? 1 : 0;
    s.sizeEffect = m_sizeGroup->checkedId();
    s.minimumSize = EffectSettings::number(m_minSizeBox->currentText());
    s.minimumSizeIndex = comboIndex(m_minSizeBox);
    s.maximumSize = EffectSettings::number(m_maxSizeBox->currentText());
    s.maximumSizeIndex = comboIndex(m_maxSizeBox);
    s.wavelength = EffectSettings::number(m_wavelengthBox->text());
    s.characterPosition = m_positionGroup->checkedId();
    s.capitalisation = m_capGroup->checkedId();
    s.colouring = m_colourGroup->checkedId();
    s.singleColour = m_singleSwatch->colour();
    readRow(ColourLabels::Row::Alternate, s.alternateColours);
    s.randomAlternateColours = m_randomOrderCheck->isChecked() ? 1 : 0;
    readRow(ColourLabels::Row::Blend, s.blendColours);
    s.blendLength = EffectSettings::number(m_blendLengthBox->text());
    s.predefinedScheme = m_schemeBox->currentIndex();
}

void EffectsPanel::showSettings(const EffectSettings &s)
{
    setInputText(s.text);
    fillFontList(s.fonts, s.fontSelected);
    {
        const QSignalBlocker blockAF(m_alternateFontsCheck), blockBI(m_boldItalicCheck),
            blockRandom(m_randomOrderCheck);
        m_alternateFontsCheck->setChecked(s.alternateSelectedFonts != 0);
        m_boldItalicCheck->setChecked(s.randomBoldItalic != 0);
        m_randomOrderCheck->setChecked(s.randomAlternateColours != 0);
    }
    selectOption(m_sizeGroup, s.sizeEffect);
    selectOption(m_capGroup, s.capitalisation);
    selectOption(m_colourGroup, s.colouring);
    selectOption(m_positionGroup, s.characterPosition);
    showComboValue(m_minSizeBox, s.minimumSizeIndex, EffectSettings::sizeText(s.minimumSize));
    showComboValue(m_maxSizeBox, s.maximumSizeIndex, EffectSettings::sizeText(s.maximumSize));
    showNumber(m_wavelengthBox, s.wavelength);
    showNumber(m_blendLengthBox, s.blendLength);
    m_singleSwatch->setColour(s.singleColour);
    showRow(ColourLabels::Row::Alternate, s.alternateColours);
    showRow(ColourLabels::Row::Blend, s.blendColours);
    const QSignalBlocker block(m_schemeBox);
    m_schemeBox->setCurrentIndex(
        s.predefinedScheme >= 0 && s.predefinedScheme < m_schemeBox->count() ? s.predefinedScheme
                                                                             : 0);
}

void EffectsPanel::showRepairedFields(const EffectSettings &s)
{
    {
        const QSignalBlocker blockMin(m_minSizeBox), blockMax(m_maxSizeBox);
        // A box is rewritten only when the Refresh changed its value: "7 " stays as typed.
        if (EffectSettings::number(m_minSizeBox->currentText()) != s.minimumSize)
            m_minSizeBox->setEditText(EffectSettings::sizeText(s.minimumSize));
        if (EffectSettings::number(m_maxSizeBox->currentText()) != s.maximumSize)
            m_maxSizeBox->setEditText(EffectSettings::sizeText(s.maximumSize));
    }
    showNumber(m_wavelengthBox, s.wavelength);
    showNumber(m_blendLengthBox, s.blendLength);
}

void EffectsPanel::showNumber(QLineEdit *box, double value)
{
    if (box->text().isEmpty() || EffectSettings::number(box->text()) != value)
        box->setText(EffectSettings::numberText(value));
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

bool EffectsPanel::undoInput()
{
    if (!m_inputBox->document()->isUndoAvailable())
        return false;
    m_inputBox->undo();
    return true;
}

void EffectsPanel::setInputText(const QString &crlfText)
{
    // The same text is left alone, with its caret and undo history.
    const QString text = plainLineBreaks(crlfText);
    if (text == plainInput())
        return;
    updateInputWrap(text); // before the box lays the text out
    m_inputBox->setPlainText(text);
}

void EffectsPanel::insertInputText(const QString &crlfText)
{
    const QString text = plainLineBreaks(crlfText);
    updateInputWrap(m_inputBox->toPlainText() + text);
    m_inputBox->textCursor().insertText(text);
}

void EffectsPanel::updateInputWrap(const QString &text)
{
    const bool anywhere = InputWrap::breakAnywhere(text);
    const auto mode =
        anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (m_inputBox->wordWrapMode() == mode)
        return;
    m_inputBox->setWordWrapMode(mode);
    // A scroll bar that appears after the layout narrows the box and lays the long text
    // out a second time.
    m_inputBox->setVerticalScrollBarPolicy(anywhere ? Qt::ScrollBarAlwaysOn
                                                    : Qt::ScrollBarAsNeeded);
    // Kerning and ligatures of Latin text are worth little in an input box and take a third
    // of the layout time; scripts that need shaping keep it.
    QFont font = m_inputBox->font();
    font.setStyleStrategy(anywhere ? QFont::PreferNoShaping : QFont::PreferDefault);
    m_inputBox->setFont(font);
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
    m_positionFrame->setEnabled(e.positionOptions);
    m_positionOptions[0]->setEnabled(e.positionOptions);
    m_positionOptions[1]->setEnabled(e.positionOptions);
    m_positionOptions[2]->setEnabled(e.positionOptions && e.centreVertically);
    m_wavelengthBox->setEnabled(e.wavelength);
    m_wavelengthLabel->setEnabled(e.wavelength);
    m_randomOrderCheck->setEnabled(e.randomAlternateColours);
    m_blendLengthBox->setEnabled(e.blendLength);
    m_blendLengthLabel->setLabelsEnabled(e.blendLength);
    m_schemeBox->setEnabled(e.predefinedScheme);
    m_clearSelectionButton->setEnabled(e.clearSelection);
    m_alternateFontsCheck->setEnabled(e.alternateSelectedFonts);
    m_refreshButton->setEnabled(e.refresh && !busy);
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
            if (m_fontList->item(i)->data(Qt::UserRole).toString() != names[i])
                return false;
        return true;
    }();
    if (!same) {
        m_fontList->clear();
        for (const QString &name : names) {
            const QString standIn = m_fontStandIns.value(name);
            auto *item = new QListWidgetItem(
                standIn.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, standIn),
                m_fontList);
            item->setData(Qt::UserRole, name);
        }
    }
    for (int i = 0; i < m_fontList->count(); ++i)
        m_fontList->item(i)->setSelected(selected.value(i, false));
    m_fontList->setCurrentItem(nullptr, QItemSelectionModel::NoUpdate);
    showFontSelection();
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
    // An empty list (HTML mode without any web font) has nothing "all" could mean.
    if (m_fontList->count() == 0)
        m_selectionStatus->setText(tr(" No fonts to choose from."));
    else
        m_selectionStatus->setText(selected == 0 ? tr(" All fonts selected.")
                                                 : tr(" %n fonts selected.", nullptr, selected));
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
