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

struct CharboardServices {
    FontCatalog &fonts;
    ClipboardService &clipboard;
    ShellService &shell;
    BusyPointer &busy;
    FileLocations &locations;
};

class CharboardWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CharboardWindow(const CharboardServices &services, QWidget *parent = nullptr);

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

    CharboardServices m_services;
    QListWidget *m_fontList = nullptr;
    FlexGrid *m_grid = nullptr;
    QLineEdit *m_preview = nullptr;
    QLabel *m_keypadLabel = nullptr;
    QPushButton *m_selectButton = nullptr;
    QLineEdit *m_collectedText = nullptr;
    QPushButton *m_copyButton = nullptr;
    QAction *m_blankMenu = nullptr;
    QAction *m_helpAction = nullptr;
    int m_lastFitSteps = 0;
};
