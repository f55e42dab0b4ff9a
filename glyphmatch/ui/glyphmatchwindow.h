// The main window of Glyphmatch: the 96 keyboard characters in a text font beside the same
// keys in a symbol font, and the HTML version of that table for printing.
#pragma once

#include "logic/glyphpage.h"

#include <QMainWindow>
#include <QStringList>

class BusyPointer;
class ClipboardService;
class FileLocations;
class FlexGrid;
class FontCatalog;
class MessageService;
class PrintService;
struct GlyphPageInput;
struct PrintJob;
class ShellService;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

struct GlyphmatchServices {
    FontCatalog &fonts;
    MessageService &messages;
    ShellService &shell;
    BusyPointer &busy;
    FileLocations &locations;
    // Double-click copies and the PDF commands; without them those do nothing.
    ClipboardService *clipboard = nullptr;
    PrintService *printer = nullptr;
};

class GlyphmatchWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit GlyphmatchWindow(const GlyphmatchServices &services, QWidget *parent = nullptr);

    // Start-up: fills the font lists, picks the fonts and builds the table.
    void Form_Load();

    void RefreshCells();
    void CommandGo_Click();
    void CommandPrint_Click();
    void CommandHelp_Click();
    // File > Print Preview and Export as PDF: the whole table, as the printed page has it.
    void mnuPreview_Click();
    void mnuPdf_Click();
    // A double-click on a symbol cell copies the symbol's Unicode equivalent.
    void Grid_DblClick(int row, int col);

    // The page file that the print command writes.
    QString pagePath() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setupControls();
    // Labels for the boxes, the Tab order as shown, Enter in the table.
    void setUpAccessibility();
    void setupConnections();
    void setupMenus();
    // The table as the printed page shows it: fonts, size, the cells with their widths.
    GlyphPageInput pageInput();
    PrintJob printJob();
    QString textFontName() const;
    QString symbolFontName() const;
    int characterColumnWidth(double size) const;
    QString symbolCellTitle(QChar character, const QStringList &equivalents) const;
    void fitToScreen();

    GlyphmatchServices m_services;
    QLabel *m_textFontLabel = nullptr;
    QComboBox *m_textFontBox = nullptr;
    QLabel *m_symbolFontLabel = nullptr;
    QListWidget *m_symbolFontList = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QComboBox *m_sizeBox = nullptr;
    QPushButton *m_refreshButton = nullptr;
    QPushButton *m_printButton = nullptr;
    QPushButton *m_helpButton = nullptr;
    FlexGrid *m_table = nullptr;
    // The size this window last gave itself: any other size is the user's, and stays.
    QSize m_fittedSize;
    // The equivalents of the symbol font of the last Refresh, by code.
    QStringList m_equivalents;
};
