// Drawing a flex grid cell: see flexgriddelegate.h.
#include "flexgriddelegate.h"

#include "flexgridmodel.h"
#include "indexedglyphrun.h"
#include "symbolfont.h"

#include <QApplication>
#include <QPainter>
#include <QRawFont>

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
    for (const QChar c : codes) {
        if (!SymbolFont::hasGlyph(family, c)) {
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
    qreal x = cell.left();
    if (opt.displayAlignment & Qt::AlignHCenter)
        x = cell.center().x() - line.width() / 2;
    else if (opt.displayAlignment & Qt::AlignRight)
        x = cell.right() - line.width();
    painter->save();
    painter->setClipRect(opt.rect);
    painter->setPen(ink);
    painter->drawGlyphRun(QPointF(x, line.baselineIn(cell)), line.run());
    painter->restore();
}

QRawFont FlexGridDelegate::rawFont(const QFont &font) const
{
    const QString key = font.key();
    auto found = m_rawFonts.constFind(key);
    if (found == m_rawFonts.constEnd())
        found = m_rawFonts.insert(key, QRawFont::fromFont(font));
    return *found;
}
