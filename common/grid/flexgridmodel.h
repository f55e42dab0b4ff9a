// The data behind the flex grid: a table of text cells counted from 0, without fixed rows or
// columns, where a cell may carry its own font face over the grid font, columns have widths in
// twips and an alignment, and there is one current cell and a selected range. The view only
// shows it; everything a window relies on can be driven here without a window.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <algorithm>
#include <functional>

class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The face a cell carries itself (an empty string: the grid font's face).
    static constexpr int CellFaceRole = Qt::UserRole + 1;
    static constexpr int defaultColumnWidthTwips = 960;

    explicit FlexGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    // Resizing keeps the cells that stay inside; negative counts read as 0.
    void setRows(int rows);
    void setCols(int cols);

    int row() const { return m_row; }
    int col() const { return m_col; }
    // Makes a cell current (clamped into the grid) and collapses the selection onto it.
    void setCurrentCell(int row, int col);
    int rowSel() const { return m_rowSel; }
    int colSel() const { return m_colSel; }
    void setSelectionEnd(int row, int col);
    // Inclusive, ordered bounds of the range from the current cell to the selection end.
    int selectionTop() const { return std::min(m_row, m_rowSel); }
    int selectionBottom() const { return std::max(m_row, m_rowSel); }
    int selectionLeft() const { return std::min(m_col, m_colSel); }
    int selectionRight() const { return std::max(m_col, m_colSel); }

    // Cells outside the grid read as empty and ignore writes.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString &text);
    QString text() const { return text(m_row, m_col); }
    void setText(const QString &text) { setText(m_row, m_col, text); }
    QString cellFace(int row, int col) const;
    void setCellFace(int row, int col, const QString &face);
    QString cellFace() const { return cellFace(m_row, m_col); }
    void setCellFace(const QString &face) { setCellFace(m_row, m_col, face); }
    // A cell's own tooltip (an empty string: the view's).
    QString cellToolTip(int row, int col) const;
    void setCellToolTip(int row, int col, const QString &toolTip);

    // Fills the grid row by row with the texts, in as many rows as they need, in one change
    // (a grid of tens of thousands of cells fills at once); cells past the last text are empty
    // and carry no face or tooltip, and the first cell becomes current.
    void fillRows(const QStringList &texts);
    // What each cell tells assistive technology (Qt::AccessibleTextRole), asked only when it
    // is read; none: characterAndCode of the cell's text. A cell's tooltip is also its
    // accessible description.
    void setAccessibleNames(std::function<QString(int row, int col)> names);
    // "A, U+0041" for a single character; any other text as it is.
    static QString characterAndCode(const QString &text);

    int columnWidth(int col) const;
    void setColumnWidth(int col, int twips);
    bool columnCentred(int col) const;
    void setColumnCentred(int col, bool centred);

signals:
    // The current cell moved (the grid's "cell entered").
    void currentCellChanged(int row, int col);
    void selectionChanged();
    void columnWidthChanged(int col, int twips);

private:
    bool contains(int row, int col) const;
    qsizetype slot(int row, int col) const { return qsizetype(row) * m_cols + col; }
    void reshape(int rows, int cols);

    struct Cell {
        QString text;
        QString face;
        QString toolTip;
    };

    int m_rows = 0;
    int m_cols = 0;
    QList<Cell> m_cells;
    std::function<QString(int, int)> m_accessibleNames;
    QList<int> m_widths;
    QList<bool> m_centred;
    int m_row = 0;
    int m_col = 0;
    int m_rowSel = 0;
    int m_colSel = 0;
};
