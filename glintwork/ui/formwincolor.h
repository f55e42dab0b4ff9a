// "Select a color...": the modal dialog that offers the sixteen Windows colours in two
// rows, light colours above their dark counterparts. It is created once and only hidden
// by its buttons, so the marked swatch carries over from one use to the next.
#pragma once

#include <QDialog>
#include <QList>
#include <optional>

class QPushButton;
class SwatchLabel;

class FormWinColor : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSwatches = 16;

    explicit FormWinColor(QWidget *parent = nullptr);

    // The colour of a swatch, 0x00BBGGRR.
    static qint32 paletteColour(int swatch);

    // Shows the dialog modally; the chosen colour, or nullopt when cancelled.
    std::optional<qint32> run();

    qint32 ChosenColour() const { return m_chosenColour; }
    int ChosenSwatch() const { return m_chosenSwatch; }

    void CL_Click(int index);
    void CL_DblClick(int index);
    void CommandOK_Click();
    void CommandX_Click();

    SwatchLabel *swatch(int index) const { return CL.value(index); }
    QPushButton *okButton() const { return CommandOK; }
    QPushButton *cancelButton() const { return CommandX; }

public slots:
    // Escape and the window's close box count as Cancel.
    void reject() override;

private:
    void setupControls();

    QList<SwatchLabel *> CL;
    QPushButton *CommandOK = nullptr;
    QPushButton *CommandX = nullptr;
    qint32 m_chosenColour = 0;
    int m_chosenSwatch = 0;
};
