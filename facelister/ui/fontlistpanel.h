// The frame "Fonts to use": the search box, the font list, the filters, the list commands
// and the counts. The window drives them; the panel builds them and shows the list.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class FontListPanel : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int kMinimumRows = 6;

    explicit FontListPanel(QWidget *parent = nullptr);

    QLineEdit *searchBox() const { return m_searchBox; }
    QListWidget *listBox() const { return m_fontListBox; }
    QCheckBox *symbolFontsBox() const { return m_symbolFontsBox; }
    QCheckBox *systemFontsBox() const { return m_systemFontsBox; }
    QPushButton *removeButton() const { return m_removeButton; }
    QPushButton *capitaliseButton() const { return m_capitaliseButton; }
    QPushButton *resetListButton() const { return m_resetListButton; }
    QLabel *availableLabel() const { return m_availableLabel; }
    QLabel *listedLabel() const { return m_listedLabel; }

    // Fills the list box with the entries and selects the one at selected (none for -1).
    // With keepScroll the rows stay where they were scrolled, as after a change to one
    // entry; the selection is brought into view only when it is out of it.
    void showEntries(const QStringList &entries, int selected, bool keepScroll);
    void showSelection(int selected);

private:
    QLineEdit *m_searchBox = nullptr;
    QListWidget *m_fontListBox = nullptr;
    QCheckBox *m_symbolFontsBox = nullptr;
    QCheckBox *m_systemFontsBox = nullptr;
    QPushButton *m_removeButton = nullptr;
    QPushButton *m_capitaliseButton = nullptr;
    QPushButton *m_resetListButton = nullptr;
    QLabel *m_availableLabel = nullptr;
    QLabel *m_listedLabel = nullptr;
};
