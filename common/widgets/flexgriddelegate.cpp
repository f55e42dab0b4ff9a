// Drawing a flex grid cell: see flexgriddelegate.h.
#include "flexgriddelegate.h"

#include "flexgridmodel.h"
#include "symbolfont.h"

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
