// Charboard's window: which characters the grid shows (the chooser, the search by name), the
// recently used characters and what each cell tells assistive technology.
#include "ui/charboardwindow.h"

#include "encoding/cp1252.h"
#include "files/filelocations.h"
#include "logic/charactersearch.h"
#include "logic/charcodes.h"
#include "logic/nameindex.h"
#include "logic/unicodecharacter.h"
#include "platform/busypointer.h"
#include "ui/glyphpreview.h"
#include "widgets/fonts/fontglyphnames.h"
#include "widgets/fonts/symbolfont.h"
#include "widgets/grid/flexgrid.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

const QList<char32_t> &CharboardWindow::coverage(const QString &family)
{
    auto found = m_coverage.constFind(family);
    if (found == m_coverage.constEnd()) {
        found =
            m_coverage.insert(family, FontGlyphNames::codePoints(FontGlyphNames::faceOf(family)));
    }
    return *found;
}

void CharboardWindow::refreshChoices()
{
    const QString family = m_grid->gridFont().family();
    m_choiceList = CharacterSets::forFont(coverage(family), SymbolFont::isSymbolEncoded(family));
    {
        const QSignalBlocker block(m_choices);
        m_choices->clear();
        for (const CharacterSets::Choice &choice : std::as_const(m_choiceList))
            m_choices->addItem(choice.label);
    }
    // The choice is kept while the next font offers it; otherwise the designed page returns.
    const int same = CharacterSets::sameChoice(m_choiceList, m_choice);
    m_choices->setCurrentIndex(std::max(same, 0));
    if (same < 0)
        m_choice = m_choiceList.value(0);
    if (m_find->text().trimmed().isEmpty())
        showChoice();
}

void CharboardWindow::ComboChars_Click()
{
    m_choice = m_choiceList.value(m_choices->currentIndex());
    {
        // A new choice ends a search.
        const QSignalBlocker block(m_find);
        m_find->clear();
    }
    showChoice();
    Grid_EnterCell();
}

void CharboardWindow::showChoice()
{
    if (m_choice.kind == CharacterSets::Kind::DesignedPage) {
        // The page stays as it is (and its current cell with it) when only the font changed.
        if (!m_designedPage || m_grid->rows() != CharCodes::rows)
            showDesignedPage();
        return;
    }
    showCharacters(CharacterSets::characters(m_choice, coverage(m_grid->gridFont().family())));
}

void CharboardWindow::showDesignedPage()
{
    m_designedPage = true;
    m_characters.clear();
    QStringList texts;
    for (int r = 0; r < CharCodes::rows; ++r) {
        for (int c = 0; c < CharCodes::cols; ++c)
            texts.append(CharCodes::character(CharCodes::codeAt(r, c)));
    }
    m_grid->grid().fillRows(texts);
    fitGridFont();
}

void CharboardWindow::showCharacters(const QList<char32_t> &characters)
{
    m_designedPage = false;
    m_characters = characters;
    QStringList texts;
    texts.reserve(characters.size());
    for (const char32_t c : characters)
        texts.append(QString::fromUcs4(&c, 1));
    m_grid->grid().fillRows(texts);
    fitGridFont();
}

void CharboardWindow::TextFind_Change()
{
    const QString query = m_find->text();
    if (query.trimmed().isEmpty()) {
        showChoice();
        Grid_EnterCell();
        return;
    }
    // The first search by name builds the index of names, once.
    const bool firstIndex = CharacterSearch::searchesNames(query);
    if (firstIndex)
        m_services.busy.setBusy(true);
    showCharacters(CharacterSearch::find(query, NameIndex::shared()));
    if (firstIndex)
        m_services.busy.setBusy(false);
    Grid_EnterCell();
}

int CharboardWindow::codePointAt(int row, int col) const
{
    if (m_designedPage) {
        const int code = CharCodes::codeAt(row, col);
        return code < 0 ? -1 : int(CharCodes::character(code).at(0).unicode());
    }
    if (row < 0 || col < 0 || col >= CharCodes::cols)
        return -1;
    const qsizetype at = qsizetype(row) * CharCodes::cols + col;
    return at < m_characters.size() ? int(m_characters[at]) : -1;
}

QString CharboardWindow::cellAccessibleName(int row, int col) const
{
    const int c = codePointAt(row, col);
    if (c < 0)
        return {};
    const QString family = m_grid->gridFont().family();
    QStringList parts;
    char32_t described = char32_t(c);
    if (m_designedPage && SymbolFont::isSymbolEncoded(family)) {
        // A symbol is named by the character it stands for.
        const QString equivalent =
            SymbolFont::equivalents(family).value(CharCodes::codeAt(row, col));
        if (!equivalent.isEmpty())
            described = equivalent.toUcs4().value(0);
    }
    parts.append(QStringLiteral("U+%1 %2")
                     .arg(uint(described), 4, 16, QChar(u'0'))
                     .toUpper()
                     .arg(UnicodeCharacter::name(described)));
    if (m_designedPage)
        parts.append(QStringLiteral("Alt+") + CharCodes::keypadCode(CharCodes::codeAt(row, col)));
    const bool missing = m_designedPage ? !SymbolFont::hasGlyph(family, QChar(char16_t(c)))
                                        : !SymbolFont::hasGlyph(family, char32_t(c));
    if (missing)
        parts.append(tr("not in this font"));
    return parts.join(QStringLiteral(", "));
}

QString CharboardWindow::recentAccessibleName(int row, int col) const
{
    const QString character = m_recentGrid->text(row, col);
    const QList<uint> codes = character.toUcs4();
    if (codes.size() != 1)
        return character;
    return FlexGridModel::characterAndCode(character) + u' ' +
           UnicodeCharacter::name(char32_t(codes.first()));
}

QString CharboardWindow::recentFile() const
{
    const QString folder = m_services.locations.userConfigFolder();
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return QDir(folder).filePath(QStringLiteral("charboard-recent.txt"));
}

void CharboardWindow::showRecent()
{
    const QStringList &items = m_recent.items();
    for (int c = 0; c < RecentCharacters::capacity; ++c)
        m_recentGrid->setText(0, c, items.value(c));
}

void CharboardWindow::GridRecent_Click(int col)
{
    const QString character = m_recentGrid->text(0, col);
    if (!character.isEmpty())
        appendCharacter(character);
}
