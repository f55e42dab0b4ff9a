// The main window of Glyphmatch: the 96 keyboard characters in a text font beside the same
// keys in a symbol font, and the HTML version of that table for printing.
#pragma once

#include <QMainWindow>

class BusyPointer;
class FileLocations;
class FlexGrid;
class FontCatalog;
class MessageService;
class ShellService;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

struct FormIFServices {
    FontCatalog &fonts;
    MessageService &messages;
    ShellService &shell;
    BusyPointer &busy;
    FileLocations &locations;
};

class FormIF : public QMainWindow {
    Q_OBJECT
public:
    explicit FormIF(const FormIFServices &services, QWidget *parent = nullptr);

    // Start-up: fills the font lists, picks the fonts and builds the table.
    void Form_Load();

    void RefreshCells();
    void CommandGo_Click();
    void CommandPrint_Click();
    void CommandHelp_Click();

    // The page file that the print command writes.
    QString pagePath() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setupControls();
    void setupConnections();
    QString textFontName() const;
    QString symbolFontName() const;
    void growToShowTheGrid();

    FormIFServices m_services;
    QLabel *m_label1 = nullptr;
    QComboBox *m_fc = nullptr;
    QLabel *m_label2 = nullptr;
    QListWidget *m_fl = nullptr;
    QLabel *m_label3 = nullptr;
    QComboBox *m_comboSize = nullptr;
    QPushButton *m_commandGo = nullptr;
    QPushButton *m_commandPrint = nullptr;
    QPushButton *m_commandHelp = nullptr;
    FlexGrid *m_grid = nullptr;
};
