#pragma once

#include "Value.h"

#include <QString>

#include <functional>
#include <memory>

// A dataset's client-side row filter: comparisons of fields with literals (=, <>, <, <=, >, >=,
// IS [NOT] NULL), joined by AND, OR, NOT and parentheses; literals are numbers and 'quoted' texts.
// Text compares with case; a NULL field satisfies no comparison. A text it cannot read is an error
// when it is set, never a filter that lets everything through.
class FilterExpression {
public:
    using FieldValue = std::function<Value(const QString& fieldName)>;

    FilterExpression() = default;  // no filter: every row passes
    static FilterExpression parse(const QString& text);

    bool isEmpty() const { return !m_root; }
    bool matches(const FieldValue& fieldValue) const;

    struct Node;

private:
    std::shared_ptr<const Node> m_root;
};
