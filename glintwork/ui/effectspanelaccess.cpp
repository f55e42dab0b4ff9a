// The effects panel for the keyboard and screen readers: the Tab order as the controls are
// shown, the names of the controls without a label of their own, the arrow keys in the
// colour rows. See effectspanel.h.
#include "ui/effectspanel.h"

#include "ui/swatchlabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

void EffectsPanel::setUpAccessibility()
{
    m_wavelengthLabel->setBuddy(m_wavelengthBox);
    m_inputBox->setAccessibleName(tr("Text"));
    m_fontList->setAccessibleName(tr("Fonts"));
    // Editable boxes are announced by their text; these names say what the text is.
    m_minSizeBox->setAccessibleName(tr("Min. size:"));
    m_maxSizeBox->setAccessibleName(tr("Max. size:"));
    m_blendLengthBox->setAccessibleName(tr("Blend over"));
    m_schemeBox->setAccessibleName(tr("Predefined:"));
    m_singleSwatch->setAccessibleName(tr("Single color"));
    for (int i = 0; i < m_alternateSwatches.size(); ++i)
        m_alternateSwatches[i]->setAccessibleName(tr("Alternate color %1").arg(i + 1));
    for (int i = 0; i < m_blendSwatches.size(); ++i)
        m_blendSwatches[i]->setAccessibleName(tr("Blend color %1").arg(i + 1));
    connectRowSteps(m_alternateSwatches);
    connectRowSteps(m_blendSwatches);
}

void EffectsPanel::connectRowSteps(const QList<SwatchLabel *> &row)
{
    for (int i = 0; i < row.size(); ++i) {
        connect(row[i], &SwatchLabel::stepRequested, this, [row, i](int dx, int) {
            if (SwatchLabel *next = row.value(i + dx))
                next->setFocus(Qt::TabFocusReason);
        });
    }
}

QList<QWidget *> EffectsPanel::tabOrder() const
{
    QList<QWidget *> order{m_inputBox,
                           m_refreshButton,
                           m_fontList,
                           m_clearSelectionButton,
                           m_alternateFontsCheck,
                           m_boldItalicCheck};
    // The sizes frame: its first column, its second, the wavelength beside them, the range below.
    for (QRadioButton *option : m_sizeOptions)
        order.append(option);
    order << m_wavelengthBox << m_minSizeBox << m_maxSizeBox;
    for (QRadioButton *option : m_capOptions)
        order.append(option);
    order << m_colourOptions[0] << m_singleSwatch << m_colourOptions[1] << m_colourOptions[2];
    for (SwatchLabel *swatch : m_alternateSwatches)
        order.append(swatch);
    order << m_randomOrderCheck << m_colourOptions[3];
    for (SwatchLabel *swatch : m_blendSwatches)
        order.append(swatch);
    order << m_blendLengthBox << m_colourOptions[4] << m_schemeBox;
    for (QRadioButton *option : m_positionOptions)
        order.append(option);
    return order;
}

void EffectsPanel::setUpTabOrder()
{
    const QList<QWidget *> order = tabOrder();
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}
