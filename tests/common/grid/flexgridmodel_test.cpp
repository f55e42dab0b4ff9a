// The flex grid's data without a window: cells, faces, widths, the current cell and the range.
#include "grid/flexgridmodel.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(FlexGridModel, CellsHoldTextAndTheirOwnFace)
{
    FlexGridModel model;
    model.setRows(3);
    model.setCols(4);
    model.setText(2, 3, "x");
    model.setCellFace(2, 3, "D050000L");
    EXPECT_EQ(model.text(2, 3), "x");
    EXPECT_EQ(model.data(model.index(2, 3)).toString(), "x");
    EXPECT_EQ(model.data(model.index(2, 3), FlexGridModel::CellFaceRole).toString(), "D050000L");
    EXPECT_EQ(model.cellFace(0, 0), "");
    // Outside the grid: nothing to read, writes ignored.
    model.setText(3, 0, "y");
    model.setText(-1, 0, "y");
    model.setCellFace(0, 4, "z");
    EXPECT_EQ(model.text(3, 0), "");
    EXPECT_EQ(model.cellFace(0, 4), "");
}

TEST(FlexGridModel, CurrentCellOperationsAddressTheCurrentCell)
{
    FlexGridModel model;
    model.setRows(2);
    model.setCols(2);
    model.setCurrentCell(1, 0);
    model.setText("c");
    model.setCellFace("Face");
    EXPECT_EQ(model.text(1, 0), "c");
    EXPECT_EQ(model.cellFace(1, 0), "Face");
    EXPECT_EQ(model.text(), "c");
}

TEST(FlexGridModel, ResizingKeepsTheCellsThatStay)
{
    FlexGridModel model;
    model.setRows(2);
    model.setCols(3);
    model.setText(1, 2, "keep");
    model.setText(0, 0, "a");
    model.setCols(4);
    EXPECT_EQ(model.text(1, 2), "keep");
    EXPECT_EQ(model.text(0, 0), "a");
    model.setRows(1);
    EXPECT_EQ(model.text(1, 2), "");
    EXPECT_EQ(model.rowCount(), 1);
    model.setRows(-5);
    EXPECT_EQ(model.rows(), 0);
}

TEST(FlexGridModel, EnteringACellIsReportedOncePerMove)
{
    FlexGridModel model;
    model.setRows(14);
    model.setCols(16);
    QSignalSpy entered(&model, &FlexGridModel::currentCellChanged);
    model.setCurrentCell(3, 4);
    model.setCurrentCell(3, 4);
    ASSERT_EQ(entered.count(), 1);
    EXPECT_EQ(entered[0][0].toInt(), 3);
    EXPECT_EQ(entered[0][1].toInt(), 4);
    model.setCurrentCell(100, -3); // clamped into the grid
    EXPECT_EQ(model.row(), 13);
    EXPECT_EQ(model.col(), 0);
    EXPECT_EQ(entered.count(), 2);
}

TEST(FlexGridModel, SelectedRangeRunsFromTheCurrentCell)
{
    FlexGridModel model;
    model.setRows(5);
    model.setCols(5);
    model.setCurrentCell(3, 3);
    model.setSelectionEnd(1, 4);
    EXPECT_EQ(model.selectionTop(), 1);
    EXPECT_EQ(model.selectionBottom(), 3);
    EXPECT_EQ(model.selectionLeft(), 3);
    EXPECT_EQ(model.selectionRight(), 4);
    model.setCurrentCell(0, 0); // a new current cell is the only selected one
    EXPECT_EQ(model.selectionBottom(), 0);
    EXPECT_EQ(model.selectionRight(), 0);
}

TEST(FlexGridModel, ColumnsHaveWidthsInTwipsAndAnAlignment)
{
    FlexGridModel model;
    model.setRows(1);
    model.setCols(3);
    QSignalSpy widths(&model, &FlexGridModel::columnWidthChanged);
    model.setColumnWidth(1, 544);
    model.setColumnWidth(1, 544);
    model.setColumnWidth(7, 100);
    model.setColumnWidth(2, -10);
    EXPECT_EQ(model.columnWidth(1), 544);
    EXPECT_EQ(model.columnWidth(2), 0);
    EXPECT_EQ(model.columnWidth(7), 0);
    EXPECT_EQ(widths.count(), 2);
    model.setColumnCentred(1, true);
    EXPECT_TRUE(model.columnCentred(1));
    EXPECT_FALSE(model.columnCentred(0));
    EXPECT_EQ(model.data(model.index(0, 1), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
}

} // namespace

// What a screen reader hears for a cell: the character and its code, the tooltip as the
// description.
TEST(FlexGridModel, CellsNameTheirCharacterAndCode)
{
    struct Case {
        QString text;
        QString name;
    };
    const Case cases[] = {
        {"A", "A, U+0041"},
        {QString(QChar(0xA4)), QString(QChar(0xA4)) + ", U+00A4"},
        {QString::fromUcs4(U"\U0001D11E"), QString::fromUcs4(U"\U0001D11E") + ", U+1D11E"},
        {"", ""},
        {"Ab", "Ab"},
    };
    FlexGridModel model;
    model.setRows(1);
    model.setCols(1);
    for (const Case &c : cases) {
        model.setText(0, 0, c.text);
        EXPECT_EQ(model.data(model.index(0, 0), Qt::AccessibleTextRole).toString(), c.name)
            << c.text.toStdString();
    }
    model.setCellToolTip(0, 0, "not in this font");
    EXPECT_EQ(model.data(model.index(0, 0), Qt::AccessibleDescriptionRole).toString(),
              "not in this font");
}
