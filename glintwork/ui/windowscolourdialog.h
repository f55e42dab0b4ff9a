// "Select a color...": the modal dialog that offers the sixteen Windows colours in two
// rows, light colours above their dark counterparts. It is created once and only hidden
// by its buttons, so the marked swatch carries over from one use to the next. The arrow
// keys move the mark between the swatches as they are shown; Space marks the focused one and
// Enter takes it.
#pragma once

#include <QDialog>
#include <QList>
#include <optional>

class QPushButton;
class SwatchLabel;

class WindowsColourDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kSwatches = 16;

    explicit WindowsColourDialog(QWidget *parent = nullptr);

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

    SwatchLabel *swatch(int index) const { return m_swatches.value(index); }
    QPushButton *okButton() const { return m_okButton; }
    QPushButton *cancelButton() const { return m_cancelButton; }

public slots:
    // Escape and the window's close box count as Cancel.
    void reject() override;

private:
    void setupControls();
    // Tab in the order shown, names for screen readers, the arrow keys in the grid.
    void setUpKeyboard();
    void stepFrom(int index, int dx, int dy);

    QList<SwatchLabel *> m_swatches;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    qint32 m_chosenColour = 0;
    int m_chosenSwatch = 0;
};
