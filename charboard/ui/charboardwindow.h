// The main window of Charboard: the characters of a font in a grid that takes the room the
// window gives it (the codes 32 to 255, every character of the font, one Unicode block, or what
// a search by name finds), a large preview, the keypad code and the Unicode information of the
// selected character (for a symbol font, of its Unicode equivalent), the recently used
// characters, and a box of collected characters to copy as they are or as their Unicode
// equivalents.
#pragma once

#include "logic/charactersets.h"
#include "logic/collectedtext.h"
#include "logic/recentcharacters.h"

#include <QHash>
#include <QMainWindow>

class BusyPointer;
class ClipboardService;
class FileLocations;
class FlexGrid;
class FontCatalog;
class GlyphPreview;
class ShellService;
class QAction;
class QComboBox;
class QGridLayout;
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
    // Copies the collected text with each code replaced by its equivalent in the font it
    // was collected in.
    void CCopyUnicode_Click();
    void mnuHelp_Click();
    // The chooser of which characters the grid shows.
    void ComboChars_Click();
    // The search box: what it finds replaces the grid's characters; empty, the choice returns.
    void TextFind_Change();
    // A click on a recently used character collects it.
    void GridRecent_Click(int col);

    // What the cell says to assistive technology: "U+00A9 COPYRIGHT SIGN, Alt+0169".
    QString cellAccessibleName(int row, int col) const;
    // A recently used character's: "©, U+00A9 COPYRIGHT SIGN".
    QString recentAccessibleName(int row, int col) const;

    // The steps and size of the last font fitting.
    int lastFitSteps() const { return m_lastFitSteps; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The size of copied characters in points.
    static constexpr double kCopiedSize = 12;
    void copyRich(const QString &text, const QString &face);
    void setupControls();
    // Names for the controls without a label, and the Tab order as shown.
    void setUpAccessibility();
    void setupMenus();
    void setupConnections();
    void sizeToFirstGrid();
    QString selectedFontName() const;
    void fitGridFont();
    void showCharacterInfo(int code);
    void appendCurrentCharacter();
    void appendCharacter(const QString &character);
    void setupFinding();
    void refreshChoices();
    void showChoice();
    void showCharacters(const QList<char32_t> &characters);
    void showDesignedPage();
    void showRecent();
    void scheduleFit();
    void placeGrid();
    // The character in a cell (its code point; for the designed page the Windows-1252 character
    // of its code), or -1 for an empty cell.
    int codePointAt(int row, int col) const;
    QString recentFile() const;
    const QList<char32_t> &coverage(const QString &family);
    void showDetails(const QString &character);
    // Leaves a font whose file was cut short while in use; true when it did.
    bool dropLostFont();

    CharboardServices m_services;
    QListWidget *m_fontList = nullptr;
    FlexGrid *m_grid = nullptr;
    GlyphPreview *m_preview = nullptr;
    QLabel *m_keypadLabel = nullptr;
    QLabel *m_infoLabel = nullptr;
    QLabel *m_equivalentLabel = nullptr;
    QPushButton *m_selectButton = nullptr;
    QLineEdit *m_collectedText = nullptr;
    CollectedText m_collected; // follows m_collectedText
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_copyUnicodeButton = nullptr;
    QComboBox *m_choices = nullptr;
    QLineEdit *m_find = nullptr;
    FlexGrid *m_recentGrid = nullptr;
    QLabel *m_detailsLabel = nullptr;
    QGridLayout *m_layout = nullptr;
    QWidget *m_blankMenu = nullptr;
    QAction *m_helpAction = nullptr;
    int m_lastFitSteps = 0;
    bool m_fitPending = false;
    // The grid's characters when they are not the designed page; empty for it.
    QList<char32_t> m_characters;
    bool m_designedPage = true;
    QList<CharacterSets::Choice> m_choiceList;
    CharacterSets::Choice m_choice;
    QHash<QString, QList<char32_t>> m_coverage;
    RecentCharacters m_recent;
};
