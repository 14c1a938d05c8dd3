#include "DBGrid.h"

#include "DataSource.h"
#include "Field.h"
#include "Query.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTimer>

namespace {

// Hands every cell to the grid, which draws it the way the program's grids draw.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(DBGrid& grid) : QStyledItemDelegate(&grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        GridDrawStates state;
        if (option.state & QStyle::State_Selected)
            state |= GridDrawState::Selected;
        if (option.state & QStyle::State_HasFocus)
            state |= GridDrawState::Focused;
        m_grid.drawCell(*painter, option.rect, index.row(), index.column(), state);
    }

private:
    DBGrid& m_grid;
};

}  // namespace

DBGrid::DBGrid(QWidget* parent) : Control<QTableView>(parent)
{
    setModel(&m_model);
    setItemDelegate(new CellDelegate(*this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid; the arrows move between its cells.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (OnTitleClick && section >= 0 && section < columnCount())
            Application::guard([&] { OnTitleClick(column(section)); });
    });
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyDefaultWidths();
        followDataSet();
    });
}

void DBGrid::setDataSource(DataSource* source)
{
    if (DataSource* old = dataSource())
        disconnect(old, nullptr, this, nullptr);
    m_model.setDataSource(source);
    if (source) {
        connect(source, &DataSource::scrolled, this, &DBGrid::followDataSet);
        connect(source, &DataSource::focusControlRequested, this, &DBGrid::takeFocusFor);
    }
}

void DBGrid::takeFocusFor(Field* wanted, bool* handled)
{
    if (*handled || !wanted || !isEnabled() || !isVisible())
        return;
    for (int i = 0; i < columnCount(); ++i) {
        if (column(i).fieldIn(dataSet()) != wanted)
            continue;
        setSelectedIndex(i);
        setFocus(Qt::OtherFocusReason);
        *handled = true;
        return;
    }
}

GridColumn& DBGrid::addColumn(const QString& fieldName, const QString& title, int width)
{
    GridColumn& added = m_model.addColumn(fieldName, title, width);
    horizontalHeader()->resizeSection(added.index(), width >= 0 ? width : defaultColumnWidth(added));
    return added;
}

int DBGrid::defaultColumnWidth(const GridColumn& column) const
{
    const Field* field = column.fieldIn(dataSet());
    const int digits = field ? field->displayWidth() : 10;
    const int textWidth = digits * fontMetrics().horizontalAdvance(u'0') + 4;
    const int titleWidth = horizontalHeader()->fontMetrics().horizontalAdvance(column.title()) + 4;
    return std::max(textWidth, titleWidth);
}

// A default width depends on the field, which a dataset made of its result has only once open.
void DBGrid::applyDefaultWidths()
{
    for (int i = 0; i < columnCount(); ++i)
        if (column(i).designWidth() < 0)
            horizontalHeader()->resizeSection(i, defaultColumnWidth(column(i)));
}

int DBGrid::selectedIndex() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : m_selectedColumn;
}

void DBGrid::setSelectedIndex(int index)
{
    column(index);  // refuses a column that does not exist
    const int row = currentIndex().isValid() ? currentIndex().row() : 0;
    if (row < m_model.rowCount()) {
        setCurrentIndex(m_model.index(row, index));
        return;
    }
    if (index == m_selectedColumn)
        return;
    m_selectedColumn = index;
    if (OnColEnter)
        Application::guard([&] { OnColEnter(this); });
}

void DBGrid::setTitleFont(const QFont& font)
{
    horizontalHeader()->setFont(font);
}

void DBGrid::followDataSet()
{
    const Query* query = dataSet();
    if (!query || !query->active() || m_following)
        return;
    const int row = query->recNo();
    if (row < 0 || row >= m_model.rowCount())
        return;
    // A reopened dataset resets the view's current cell; the grid stays in the column it was in.
    const int col = currentIndex().isValid() ? currentIndex().column() : std::min(m_selectedColumn, columnCount() - 1);
    m_following = true;
    setCurrentIndex(m_model.index(row, col));
    m_following = false;
}

void DBGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    Control<QTableView>::currentChanged(current, previous);
    if (!current.isValid())
        return;
    Query* query = dataSet();
    if (!m_following && query && query->active() && current.row() != query->recNo()) {
        m_following = true;
        Application::guard([&] { query->setRecNo(current.row()); });
        m_following = false;
    }
    if (current.column() == m_selectedColumn)
        return;
    m_selectedColumn = current.column();
    if (OnColEnter)
        Application::guard([&] { OnColEnter(this); });
}

void DBGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    Control<QTableView>::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && OnDblClick)
        Application::guard([&] { OnDblClick(this); });
}

void DBGrid::defaultDrawColumnCell(GridCanvas& canvas, const QRect& rect, GridColumn& column) const
{
    canvas.fillRect(rect);
    const QModelIndex index = m_model.index(canvas.row(), column.index());
    const QVariant alignment = m_model.data(index, Qt::TextAlignmentRole);
    canvas.drawText(rect, m_model.data(index, Qt::DisplayRole).toString(),
                    alignment.isValid() ? Qt::Alignment(alignment.toInt()) : Qt::AlignLeft | Qt::AlignVCenter);
}

void DBGrid::drawCell(QPainter& painter, const QRect& rect, int row, int col, GridDrawStates state)
{
    GridCanvas canvas(painter, *this, row);
    GridColumn& shown = column(col);
    if (state & GridDrawState::Selected) {
        canvas.brushColor = palette().color(QPalette::Highlight);
        canvas.fontColor = palette().color(QPalette::HighlightedText);
    } else {
        if (shown.color().isValid())
            canvas.brushColor = shown.color();
        if (shown.fontColor().isValid())
            canvas.fontColor = shown.fontColor();
    }
    canvas.font.setBold(shown.fontBold());
    defaultDrawColumnCell(canvas, rect, shown);
    if (!OnDrawColumnCell)
        return;
    // Painting is no place for a modal box: a failure is reported once painting is over.
    try {
        OnDrawColumnCell(this, canvas, rect, col, shown, state);
    } catch (const std::exception& error) {
        reportDrawingError(error);
    }
}

void DBGrid::reportDrawingError(const std::exception& error)
{
    if (m_drawErrorPending)
        return;
    m_drawErrorPending = true;
    QTimer::singleShot(0, this, [this, message = QString::fromUtf8(error.what())] {
        Application::guard([&] { Application::showErrorMessage(message); });
        m_drawErrorPending = false;
    });
}
