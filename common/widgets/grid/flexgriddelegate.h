// Draws a flex grid cell: the grid font with the cell's own face over it, each code by the
// font's own glyph (never another font's letter), whole and centred by its ink, and a cell
// whose font lacks a glyph for its code hatched. A cell's glyphs never leave the cell.
#pragma once

#include <QHash>
#include <QRawFont>
#include <QStyledItemDelegate>

class FlexGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    // The part of a cell that glyphs may ink.
    static QRectF inkBox(const QRectF &cell);

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    static void drawMissing(QPainter *painter, const QRect &cell, const QColor &ink);
    void drawGlyphs(QPainter *painter, const QStyleOptionViewItem &opt, const QString &text,
                    const QColor &ink) const;
    QRawFont rawFont(const QFont &font) const;

    // Raw fonts by QFont::key(): a grid repaints many cells in few fonts.
    mutable QHash<QString, QRawFont> m_rawFonts;
};
