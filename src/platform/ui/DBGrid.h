#pragma once

#include "Control.h"
#include "DBGridModel.h"
#include "GridCanvas.h"

#include <QHeaderView>
#include <QTableView>

#include <functional>

class DataSource;
class Field;
class Query;

enum class GridDrawState { Normal = 0, Selected = 1, Focused = 2 };
using GridDrawStates = QFlags<GridDrawState>;

class DBGrid;
using TDrawColumnCellEvent = std::function<void(DBGrid* Sender, GridCanvas& Canvas, const QRect& Rect, int DataCol,
                                                GridColumn& Column, GridDrawStates State)>;
using TDBGridClickEvent = std::function<void(GridColumn& Column)>;

// A grid over a dataset (through a data source): one row per dataset row, the columns it is given.
// The dataset's current row and the grid's current row follow each other. The grid draws every data
// cell itself and then calls OnDrawColumnCell, which may paint over it.
class DBGrid : public Control<QTableView> {
public:
    explicit DBGrid(QWidget* parent = nullptr);

    TDrawColumnCellEvent OnDrawColumnCell;
    TDBGridClickEvent OnTitleClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnColEnter;

    DataSource* dataSource() const { return m_model.dataSource(); }
    void setDataSource(DataSource* source);
    Query* dataSet() const { return m_model.dataSet(); }

    // width -1: the default width for the column's field.
    GridColumn& addColumn(const QString& fieldName, const QString& title, int width = -1);
    int columnCount() const { return m_model.columnCountInGrid(); }
    GridColumn& column(int index) const { return m_model.column(index); }
    void setColumnTitle(int index, const QString& title) { m_model.setColumnTitle(index, title); }
    // What a column of default width measures for its field: its display width in digits.
    int defaultColumnWidth(const GridColumn& column) const;
    // The current column. It survives the dataset being closed and reopened, and the grid has one
    // even while it shows no rows.
    int selectedIndex() const;
    // Makes `index` the current column (OnColEnter runs when that changes the column).
    void setSelectedIndex(int index);

    void setTitleFont(const QFont& font);
    // The cell as the grid draws it before OnDrawColumnCell: the brush colour, then the field's text.
    void defaultDrawColumnCell(GridCanvas& canvas, const QRect& rect, GridColumn& column) const;

    // Called by the cell delegate.
    void drawCell(QPainter& painter, const QRect& rect, int row, int col, GridDrawStates state);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Typed characters are for the grid's key handler; the grid itself does not jump to a row by them.
    void keyboardSearch(const QString&) override {}

private:
    void followDataSet();
    void takeFocusFor(Field* wanted, bool* handled);
    void applyDefaultWidths();
    void reportDrawingError(const std::exception& error);

    DBGridModel m_model;
    int m_selectedColumn = 0;
    bool m_following = false;
    bool m_drawErrorPending = false;
};
