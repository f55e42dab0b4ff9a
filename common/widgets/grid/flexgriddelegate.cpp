// Drawing a flex grid cell: see flexgriddelegate.h.
#include "widgets/grid/flexgriddelegate.h"

#include "grid/flexgridmodel.h"
#include "widgets/fonts/symbolfont.h"
#include "widgets/grid/indexedglyphrun.h"

#include <QApplication>
#include <QPainter>
#include <QRawFont>

#include <algorithm>

void FlexGridDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    QFont font = option->font;
    const QString face = index.data(FlexGridModel::CellFaceRole).toString();
    if (!face.isEmpty())
        font.setFamilies({face});
    option->font = SymbolFont::drawingFont(font);
    option->fontMetrics = QFontMetrics(option->font);
    option->text = SymbolFont::displayText(font.family(), option->text);
}

void FlexGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    const QString codes = index.data(Qt::DisplayRole).toString();
    opt.text.clear();
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    if (codes.isEmpty())
        return;
    const bool selected = opt.state & QStyle::State_Selected;
    const QColor ink = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QString family = index.data(FlexGridModel::CellFaceRole).toString().isEmpty()
                               ? option.font.family()
                               : index.data(FlexGridModel::CellFaceRole).toString();
    // By code point: a character beyond the BMP is two UTF-16 units but one glyph.
    for (const uint c : codes.toUcs4()) {
        if (!SymbolFont::hasGlyph(family, char32_t(c))) {
            drawMissing(painter, opt.rect, ink);
            return;
        }
    }
    drawGlyphs(painter, opt, text, ink);
}

void FlexGridDelegate::drawMissing(QPainter *painter, const QRect &cell, const QColor &ink)
{
    // Hatched rather than left blank, so that a missing glyph never looks like a space.
    QColor hatch = ink;
    hatch.setAlphaF(0.35);
    painter->fillRect(cell.adjusted(2, 2, -2, -2), QBrush(hatch, Qt::BDiagPattern));
}

void FlexGridDelegate::drawGlyphs(QPainter *painter, const QStyleOptionViewItem &opt,
                                  const QString &text, const QColor &ink) const
{
    // Glyphs are drawn by their index (see IndexedGlyphRun for why).
    const QRawFont raw = rawFont(opt.font);
    if (!raw.isValid())
        return;
    const IndexedGlyphRun line(raw, text);
    const QRectF cell = opt.rect;
    const QRectF box = inkBox(cell);
    // Every cell of a row stands on the baseline of the grid's own font, whatever face the
    // cell carries, so that a text glyph and a symbol beside it line up.
    const QFont gridFont = opt.widget ? opt.widget->font() : opt.font;
    const QFontMetricsF metrics(gridFont);
    const qreal baseline =
        cell.top() + (cell.height() - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
    painter->setPen(ink);
    line.draw(*painter, box, baseline, cell, opt.displayAlignment & Qt::AlignHorizontal_Mask);
}

QRectF FlexGridDelegate::inkBox(const QRectF &cell)
{
    // A little room inside the grid lines, so that ink never touches them.
    const qreal margin = std::max(1.0, std::min(cell.width(), cell.height()) * 0.06);
    return cell.adjusted(margin, margin, -margin, -margin);
}

QRawFont FlexGridDelegate::rawFont(const QFont &font) const
{
    const QString key = font.key();
    auto found = m_rawFonts.constFind(key);
    if (found == m_rawFonts.constEnd())
        found = m_rawFonts.insert(key, QRawFont::fromFont(font));
    return *found;
}
