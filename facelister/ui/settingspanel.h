// The frame "Settings": the preview's size and bold-and-italic samples, the sample text and
// the filter for fonts with every character of it.
#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class SettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit SettingsPanel(QWidget *parent = nullptr);

    QComboBox *sizeBox() const { return m_sizeBox; }
    QCheckBox *samplesBox() const { return m_samplesBox; }
    QLineEdit *sampleBox() const { return m_sampleBox; }
    QCheckBox *coverageBox() const { return m_coverageBox; }

private:
    QLabel *m_sizeLabel = nullptr;
    QComboBox *m_sizeBox = nullptr;
    QCheckBox *m_samplesBox = nullptr;
    QLabel *m_sampleLabel = nullptr;
    QLineEdit *m_sampleBox = nullptr;
    QCheckBox *m_coverageBox = nullptr;
};
