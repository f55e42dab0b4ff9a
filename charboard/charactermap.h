// The main window of Charboard: the characters 32 to 255 of a font in a grid fitted to its
// size, a large preview, the keypad code of the selected character, and a box of collected
// characters to copy.
#pragma once

#include <QMainWindow>

class BusyPointer;
class ClipboardService;
class FileLocations;
class FlexGrid;
class FontCatalog;
class ShellService;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

struct CharacterMapServices {
    FontCatalog &fonts;
    ClipboardService &clipboard;
    ShellService &shell;
    BusyPointer &busy;
    FileLocations &locations;
};

class CharacterMap : public QMainWindow {
    Q_OBJECT
public:
    explicit CharacterMap(const CharacterMapServices &services, QWidget *parent = nullptr);

    void Form_Load();
    // Applies the font selected in Fonts (fits the grid to it); key is the released key.
    void Fonts_KeyUp(int key);
    void Fonts_MouseUp() { Fonts_KeyUp(0); }
    void Grid_EnterCell();
    void Grid_DblClick();
    void Grid_KeyPress(QChar character);
    void CSelect_Click();
    void TextCopy_Change();
    void CCopy_Click();
    void mnuHelp_Click();

    // The steps and size of the last font fitting.
    int lastFitSteps() const { return m_lastFitSteps; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setupControls();
    void setupMenus();
    void setupConnections();
    QString selectedFontName() const;
    void appendCurrentCharacter();

    CharacterMapServices m_services;
    QListWidget *m_fonts = nullptr;
    FlexGrid *m_grid = nullptr;
    QLineEdit *m_sampleText = nullptr;
    QLabel *m_labelAlt = nullptr;
    QPushButton *m_cSelect = nullptr;
    QLineEdit *m_textCopy = nullptr;
    QPushButton *m_cCopy = nullptr;
    QAction *m_mnuBl = nullptr;
    QAction *m_mnuHelp = nullptr;
    int m_lastFitSteps = 0;
};
