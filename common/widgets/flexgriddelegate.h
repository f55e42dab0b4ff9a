// Draws a flex grid cell: the grid font with the cell's own face over it, and for a
// symbol-encoded face the font's own glyph for each code (never another font's letter).
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

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    QRawFont rawFont(const QFont &font) const;

    // Raw fonts by QFont::key(): a grid repaints many cells in few fonts.
    mutable QHash<QString, QRawFont> m_rawFonts;
};
