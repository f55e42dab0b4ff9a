// The flex grid widget: see flexgrid.h.
#include "widgets/grid/flexgrid.h"

#include "widgets/fonts/symbolfont.h"
#include "widgets/grid/flexgriddelegate.h"
#include "widgets/richtext/twips.h"

#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace {
// Space above and below the text line, as the grid leaves it around each row's text.
constexpr int rowPaddingPixels = 3;
} // namespace

FlexGrid::FlexGrid(QWidget *parent) : QTableView(parent)
{
    setModel(&m_model);
    setItemDelegate(new FlexGridDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    followRowHeight();

    connect(&m_model, &FlexGridModel::modelReset, this, [this] {
        followRowHeight();
        applyColumnWidths();
        showModelSelection();
    });
    connect(&m_model, &FlexGridModel::columnWidthChanged, this,
            [this](int col, int twips) { setColumnWidth(col, Twips::toPixels(twips, this)); });
    connect(&m_model, &FlexGridModel::currentCellChanged, this, [this](int row, int col) {
        showModelSelection();
        emit cellEntered(row, col);
    });
    connect(&m_model, &FlexGridModel::selectionChanged, this, [this] { showModelSelection(); });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { takeViewCurrent(current); });
}

int FlexGrid::rowHeight(int row) const
{
    if (row < 0 || row >= m_model.rows())
        return 0;
    return Twips::fromPixels(QTableView::rowHeight(row), this);
}

int FlexGrid::gridHeight() const
{
    return Twips::fromPixels(std::max(height() - 2 * frameWidth(), 0), this);
}

int FlexGrid::gridWidth() const
{
    return Twips::fromPixels(std::max(width() - 2 * frameWidth(), 0), this);
}

void FlexGrid::setSizeHint(const QSize &size)
{
    if (size == m_sizeHint)
        return;
    m_sizeHint = size;
    updateGeometry();
}

QSize FlexGrid::sizeHint() const
{
    if (m_sizeHint.isValid())
        return m_sizeHint;
    int width = 2 * frameWidth();
    for (int c = 0; c < m_model.cols(); ++c)
        width += columnWidth(c);
    int height = 2 * frameWidth();
    for (int r = 0; r < m_model.rows(); ++r)
        height += QTableView::rowHeight(r);
    return {width, height};
}

void FlexGrid::setFontName(const QString &face)
{
    QFont f = font();
    f.setFamilies({face});
    applyFont(f);
}

void FlexGrid::setFontSize(double points)
{
    if (!(points > 0))
        return;
    QFont f = font();
    f.setPointSizeF(points);
    applyFont(f);
}

void FlexGrid::setFontBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    applyFont(f);
}

void FlexGrid::setFontItalic(bool italic)
{
    QFont f = font();
    f.setItalic(italic);
    applyFont(f);
}

void FlexGrid::applyFont(const QFont &font)
{
    setFont(font);
    followRowHeight();
}

void FlexGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        followRowHeight();
}

void FlexGrid::followRowHeight()
{
    const QFontMetrics metrics(SymbolFont::drawingFont(font()));
    applyRowHeight(metrics.height() + 2 * rowPaddingPixels);
}

void FlexGrid::setRowHeightPixels(int pixels)
{
    if (pixels > 0)
        applyRowHeight(pixels);
}

void FlexGrid::applyRowHeight(int pixels)
{
    m_rowHeightPixels = pixels;
    verticalHeader()->setDefaultSectionSize(m_rowHeightPixels);
    for (int r = 0; r < m_model.rows(); ++r) {
        // A grid of thousands of rows mostly has them at the default size already.
        if (QTableView::rowHeight(r) != m_rowHeightPixels)
            setRowHeight(r, m_rowHeightPixels);
    }
}

void FlexGrid::applyColumnWidths()
{
    for (int c = 0; c < m_model.cols(); ++c)
        setColumnWidth(c, Twips::toPixels(m_model.columnWidth(c), this));
}

void FlexGrid::showModelSelection()
{
    if (m_syncing || !selectionModel())
        return;
    m_syncing = true;
    if (m_model.rows() > 0 && m_model.cols() > 0) {
        const QModelIndex current = m_model.index(m_model.row(), m_model.col());
        const QItemSelection range(
            m_model.index(m_model.selectionTop(), m_model.selectionLeft()),
            m_model.index(m_model.selectionBottom(), m_model.selectionRight()));
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        // A grid that never highlights keeps its cells in their own colours.
        if (selectionMode() != QAbstractItemView::NoSelection)
            selectionModel()->select(range, QItemSelectionModel::ClearAndSelect);
        else
            selectionModel()->clearSelection();
        scrollTo(current);
    }
    m_syncing = false;
}

void FlexGrid::takeViewCurrent(const QModelIndex &current)
{
    if (m_syncing || !current.isValid())
        return;
    m_model.setCurrentCell(current.row(), current.column());
}

void FlexGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit keyPressed(QChar(u'\r'));
        if (m_enterHandled)
            event->accept();
        else
            event->ignore();
        return;
    }
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (printable) {
        // A typed character is only reported: it neither edits a cell nor searches for one.
        emit keyPressed(text.at(0));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    emit dblClicked();
}
