// The flex grid: a table of text cells without fixed rows or columns, over a FlexGridModel.
// Lengths are in twips. The height of every row follows the line height of the grid font, so a
// smaller grid font gives lower rows. Events: the current cell changed (cell entered), double
// click, and key press with its character (13 for Enter).
#pragma once

#include "grid/flexgridmodel.h"

#include <QFont>
#include <QTableView>

class FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget *parent = nullptr);

    FlexGridModel &grid() { return m_model; }
    const FlexGridModel &grid() const { return m_model; }

    int rows() const { return m_model.rows(); }
    int cols() const { return m_model.cols(); }
    void setRows(int rows) { m_model.setRows(rows); }
    void setCols(int cols) { m_model.setCols(cols); }
    int row() const { return m_model.row(); }
    int col() const { return m_model.col(); }
    void setCurrentCell(int row, int col) { m_model.setCurrentCell(row, col); }
    void setSelectionEnd(int row, int col) { m_model.setSelectionEnd(row, col); }

    QString text(int row, int col) const { return m_model.text(row, col); }
    void setText(int row, int col, const QString &text) { m_model.setText(row, col, text); }
    QString text() const { return m_model.text(); }
    QString cellFontName() const { return m_model.cellFace(); }
    void setCellFontName(const QString &face) { m_model.setCellFace(face); }
    // Of the current cell.
    int cellWidth() const { return m_model.columnWidth(m_model.col()); }
    int cellHeight() const { return rowHeight(m_model.row()); }

    void setColWidth(int col, int twips) { m_model.setColumnWidth(col, twips); }
    void setColCentred(int col, bool centred = true) { m_model.setColumnCentred(col, centred); }
    int rowHeight(int row) const;
    // The height available to the rows (inside the frame).
    int gridHeight() const;
    // The width available to the columns (inside the frame).
    int gridWidth() const;

    QFont gridFont() const { return font(); }
    void setFontName(const QString &face);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);
    double fontSize() const { return font().pointSizeF(); }

    // Whether the grid keeps Enter for itself (after reporting it as a key press) or lets it
    // go on to the window, where it presses the default button.
    void setEnterHandled(bool handled) { m_enterHandled = handled; }

    // Makes every row the given height in pixels until the grid font changes again (which
    // gives the rows the font's line height), as a grid stretched to fill its room needs.
    void setRowHeightPixels(int pixels);

    // Room for every cell, unless a size was given.
    QSize sizeHint() const override;
    // The size the grid asks its layout for (an invalid size: room for every cell).
    void setSizeHint(const QSize &size);

signals:
    void cellEntered(int row, int col);
    void dblClicked();
    void keyPressed(QChar character);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyFont(const QFont &font);
    void followRowHeight();
    void applyRowHeight(int pixels);
    void applyColumnWidths();
    void showModelSelection();
    void takeViewCurrent(const QModelIndex &current);

    FlexGridModel m_model;
    int m_rowHeightPixels = 0;
    QSize m_sizeHint;
    bool m_enterHandled = false;
    bool m_syncing = false;
};
