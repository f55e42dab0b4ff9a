// The frame "Settings": see settingspanel.h.
#include "ui/settingspanel.h"

#include "widgets/controls/named.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SettingsPanel::SettingsPanel(QWidget *parent) : QGroupBox(tr("Settings"), parent)
{
    setObjectName(QStringLiteral("Frame2"));
    m_sizeLabel = named(new QLabel(tr("Select font si&ze:"), this), "Label3");
    m_sizeBox = named(new QComboBox(this), "ComboFS");
    m_sizeBox->setEditable(true);
    m_sizeBox->setInsertPolicy(QComboBox::NoInsert);
    // Wide enough for a typed size with a fraction ("22.5"), not only the listed ones.
    m_sizeBox->setMinimumContentsLength(4);
    m_sizeBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_sizeBox->addItems({QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
                         QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"),
                         QStringLiteral("22"), QStringLiteral("24"), QStringLiteral("28"),
                         QStringLiteral("32"), QStringLiteral("36")});
    m_sizeBox->setCurrentText(QStringLiteral("22"));
    m_sizeBox->setToolTip(
        tr("Select a font size - you can only preview Bold/Italic using sizes les than 23-point."));
    m_sizeLabel->setBuddy(m_sizeBox);
    m_samplesBox =
        named(new QCheckBox(tr("&Include examples of Bold and Italic"), this), "CheckBI");
    m_samplesBox->setChecked(true);
    m_samplesBox->setToolTip(tr("Inclide a sample of each font in Bold and in Italic."));
    m_sampleLabel = named(new QLabel(tr("Sa&mple text:"), this), "Label4");
    m_sampleBox = named(new QLineEdit(this), "TextSample");
    m_sampleBox->setClearButtonEnabled(true);
    m_sampleBox->setToolTip(
        tr("Text to show after each font's name in the Preview; empty for none."));
    m_sampleLabel->setBuddy(m_sampleBox);
    m_coverageBox = named(new QCheckBox(tr("&Only fonts with every character of the sample"), this),
                          "CheckCover");
    m_coverageBox->setToolTip(
        tr("List only the fonts that have a character of their own for every character of the "
           "sample text."));
    m_coverageBox->setEnabled(false); // until there is a sample

    auto *sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_sizeLabel);
    sizeRow->addWidget(m_sizeBox);
    sizeRow->addSpacing(16);
    sizeRow->addWidget(m_samplesBox);
    sizeRow->addStretch(1);
    auto *sampleRow = new QHBoxLayout;
    sampleRow->addWidget(m_sampleLabel);
    sampleRow->addWidget(m_sampleBox, 1);
    auto *frameLayout = new QVBoxLayout(this);
    frameLayout->addLayout(sizeRow);
    frameLayout->addLayout(sampleRow);
    frameLayout->addWidget(m_coverageBox);
}
