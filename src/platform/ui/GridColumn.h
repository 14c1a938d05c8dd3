#pragma once

#include <QColor>
#include <QString>

class Field;
class Query;

// One column of a data grid: the field it shows (by name, found in the dataset while it is open),
// its title caption and its width in pixels (-1: the grid's default width for the field).
class GridColumn {
public:
    GridColumn(int index, QString fieldName, QString title, int width)
        : m_index(index), m_fieldName(std::move(fieldName)), m_title(std::move(title)), m_width(width)
    {
    }

    int index() const { return m_index; }
    const QString& fieldName() const { return m_fieldName; }
    const QString& title() const { return m_title; }
    void setTitle(const QString& title) { m_title = title; }
    int designWidth() const { return m_width; }

    // The column's own look for cells that are not selected; an invalid colour keeps the grid's.
    const QColor& color() const { return m_color; }
    void setColor(const QColor& color) { m_color = color; }
    const QColor& fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color) { m_fontColor = color; }
    bool fontBold() const { return m_fontBold; }
    void setFontBold(bool bold) { m_fontBold = bold; }

    // The column's field in the dataset; null when the dataset has no such field.
    Field* fieldIn(const Query* dataSet) const;

private:
    int m_index;
    QString m_fieldName;
    QString m_title;
    int m_width;
    QColor m_color;
    QColor m_fontColor;
    bool m_fontBold = false;
};
