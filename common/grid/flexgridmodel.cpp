// The flex grid's data: see flexgridmodel.h.
#include "grid/flexgridmodel.h"

#include <algorithm>

FlexGridModel::FlexGridModel(QObject *parent) : QAbstractTableModel(parent) {}

int FlexGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int FlexGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant FlexGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !contains(index.row(), index.column()))
        return {};
    const Cell &cell = m_cells[slot(index.row(), index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case CellFaceRole:
        return cell.face;
    case Qt::AccessibleTextRole:
        return m_accessibleNames ? m_accessibleNames(index.row(), index.column())
                                 : characterAndCode(cell.text);
    case Qt::AccessibleDescriptionRole:
    case Qt::ToolTipRole:
        return cell.toolTip.isEmpty() ? QVariant() : QVariant(cell.toolTip);
    case Qt::TextAlignmentRole:
        return m_centred[index.column()] ? int(Qt::AlignCenter)
                                         : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

void FlexGridModel::setRows(int rows)
{
    reshape(std::max(rows, 0), m_cols);
}

void FlexGridModel::setCols(int cols)
{
    reshape(m_rows, std::max(cols, 0));
}

void FlexGridModel::fillRows(const QStringList &texts)
{
    if (m_cols <= 0)
        return;
    beginResetModel();
    m_rows = int((texts.size() + m_cols - 1) / m_cols);
    m_cells = QList<Cell>(qsizetype(m_rows) * m_cols);
    for (qsizetype i = 0; i < texts.size(); ++i)
        m_cells[i].text = texts[i];
    endResetModel();
    const bool moved = m_row != 0 || m_col != 0;
    m_row = m_col = m_rowSel = m_colSel = 0;
    if (moved)
        emit currentCellChanged(m_row, m_col);
    emit selectionChanged();
}

QString FlexGridModel::characterAndCode(const QString &text)
{
    const QList<uint> codes = text.toUcs4();
    if (codes.size() != 1)
        return text;
    // A code point is read out by its code as well, since a symbol or a blank says nothing.
    return QStringLiteral("%1, U+%2")
        .arg(text, QString::number(codes.first(), 16).toUpper().rightJustified(4, u'0'));
}

void FlexGridModel::setAccessibleNames(std::function<QString(int row, int col)> names)
{
    m_accessibleNames = std::move(names);
}

void FlexGridModel::reshape(int rows, int cols)
{
    if (rows == m_rows && cols == m_cols)
        return;
    beginResetModel();
    QList<Cell> cells(qsizetype(rows) * cols);
    for (int r = 0; r < std::min(rows, m_rows); ++r) {
        for (int c = 0; c < std::min(cols, m_cols); ++c)
            cells[qsizetype(r) * cols + c] = m_cells[slot(r, c)];
    }
    m_cells = std::move(cells);
    m_widths.resize(cols, defaultColumnWidthTwips);
    m_centred.resize(cols, false);
    m_rows = rows;
    m_cols = cols;
    endResetModel();
    const int row = std::clamp(m_row, 0, std::max(rows - 1, 0));
    const int col = std::clamp(m_col, 0, std::max(cols - 1, 0));
    m_rowSel = std::clamp(m_rowSel, 0, std::max(rows - 1, 0));
    m_colSel = std::clamp(m_colSel, 0, std::max(cols - 1, 0));
    if (row != m_row || col != m_col) {
        m_row = row;
        m_col = col;
        emit currentCellChanged(m_row, m_col);
    }
    emit selectionChanged();
}

void FlexGridModel::setCurrentCell(int row, int col)
{
    row = std::clamp(row, 0, std::max(m_rows - 1, 0));
    col = std::clamp(col, 0, std::max(m_cols - 1, 0));
    const bool moved = row != m_row || col != m_col;
    m_row = m_rowSel = row;
    m_col = m_colSel = col;
    if (moved)
        emit currentCellChanged(m_row, m_col);
    emit selectionChanged();
}

void FlexGridModel::setSelectionEnd(int row, int col)
{
    m_rowSel = std::clamp(row, 0, std::max(m_rows - 1, 0));
    m_colSel = std::clamp(col, 0, std::max(m_cols - 1, 0));
    emit selectionChanged();
}

bool FlexGridModel::contains(int row, int col) const
{
    return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
}

QString FlexGridModel::text(int row, int col) const
{
    return contains(row, col) ? m_cells[slot(row, col)].text : QString();
}

void FlexGridModel::setText(int row, int col, const QString &text)
{
    if (!contains(row, col) || m_cells[slot(row, col)].text == text)
        return;
    m_cells[slot(row, col)].text = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole});
}

QString FlexGridModel::cellFace(int row, int col) const
{
    return contains(row, col) ? m_cells[slot(row, col)].face : QString();
}

void FlexGridModel::setCellFace(int row, int col, const QString &face)
{
    if (!contains(row, col) || m_cells[slot(row, col)].face == face)
        return;
    m_cells[slot(row, col)].face = face;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {CellFaceRole});
}

int FlexGridModel::columnWidth(int col) const
{
    return col >= 0 && col < m_cols ? m_widths[col] : 0;
}

void FlexGridModel::setColumnWidth(int col, int twips)
{
    if (col < 0 || col >= m_cols)
        return;
    twips = std::max(twips, 0);
    if (m_widths[col] == twips)
        return;
    m_widths[col] = twips;
    emit columnWidthChanged(col, twips);
}

bool FlexGridModel::columnCentred(int col) const
{
    return col >= 0 && col < m_cols && m_centred[col];
}

void FlexGridModel::setColumnCentred(int col, bool centred)
{
    if (col < 0 || col >= m_cols || m_centred[col] == centred)
        return;
    m_centred[col] = centred;
    if (m_rows > 0)
        emit dataChanged(index(0, col), index(m_rows - 1, col), {Qt::TextAlignmentRole});
}

QString FlexGridModel::cellToolTip(int row, int col) const
{
    return contains(row, col) ? m_cells[slot(row, col)].toolTip : QString();
}

void FlexGridModel::setCellToolTip(int row, int col, const QString &toolTip)
{
    if (!contains(row, col) || m_cells[slot(row, col)].toolTip == toolTip)
        return;
    m_cells[slot(row, col)].toolTip = toolTip;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::ToolTipRole});
}
