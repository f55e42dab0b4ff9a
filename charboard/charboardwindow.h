// The main window of Charboard: the characters 32 to 255 of a font in a grid that takes the
// room the window gives it, a large preview, the keypad code and the Unicode information of the
// selected character (for a symbol font, of its Unicode equivalent), and a box of collected
// characters to copy as they are or as their Unicode equivalents.
#pragma once

#include <QMainWindow>

class BusyPointer;
class ClipboardService;
class FileLocations;
class FlexGrid;
class FontCatalog;
class GlyphPreview;
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
    // Copies the collected text with each code replaced by its equivalent in the font.
    void CCopyUnicode_Click();
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
    void sizeToFirstGrid();
    QString selectedFontName() const;
    void fitGridFont();
    void showCharacterInfo(int code);
    void appendCurrentCharacter();

    CharboardServices m_services;
    QListWidget *m_fontList = nullptr;
    FlexGrid *m_grid = nullptr;
    GlyphPreview *m_preview = nullptr;
    QLabel *m_keypadLabel = nullptr;
    QLabel *m_infoLabel = nullptr;
    QLabel *m_equivalentLabel = nullptr;
    QPushButton *m_selectButton = nullptr;
    QLineEdit *m_collectedText = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_copyUnicodeButton = nullptr;
    QAction *m_blankMenu = nullptr;
    QAction *m_helpAction = nullptr;
    int m_lastFitSteps = 0;
};
