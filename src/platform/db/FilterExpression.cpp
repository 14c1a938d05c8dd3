#include "FilterExpression.h"

#include "ConversionError.h"
#include "DatasetError.h"

#include <vector>

struct FilterExpression::Node {
    enum class Kind { Or, And, Not, Compare, IsNull, IsNotNull };
    struct Operand {
        bool isField = false;
        QString fieldName;
        Value literal;
    };

    Kind kind = Kind::Compare;
    std::vector<std::shared_ptr<const Node>> children;
    QString op;
    Operand left;
    Operand right;
};

namespace {

using Node = FilterExpression::Node;
using NodePtr = std::shared_ptr<const Node>;

struct Token {
    enum class Kind { Name, Number, Text, Operator, Open, Close, End };
    Kind kind = Kind::End;
    QString text;
    qsizetype position = 0;
};

[[noreturn]] void syntaxError(const QString& expression, const QString& what)
{
    throw DatasetError(QStringLiteral("Filter expression error in \"%1\": %2").arg(expression, what));
}

std::vector<Token> tokenize(const QString& s)
{
    std::vector<Token> tokens;
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        const qsizetype start = i;
        if (c.isSpace()) {
            ++i;
        } else if (c.isLetter() || c == u'_') {
            while (i < s.size() && (s[i].isLetterOrNumber() || s[i] == u'_'))
                ++i;
            tokens.push_back({Token::Kind::Name, s.mid(start, i - start), start});
        } else if (c == u'[') {
            const qsizetype close = s.indexOf(u']', i);
            if (close < 0)
                syntaxError(s, QStringLiteral("unclosed '['"));
            tokens.push_back({Token::Kind::Name, s.mid(i + 1, close - i - 1), start});
            i = close + 1;
        } else if (c.isDigit() || (c == u'-' && i + 1 < s.size() && s[i + 1].isDigit())) {
            ++i;
            while (i < s.size() && (s[i].isDigit() || s[i] == u'.'))
                ++i;
            tokens.push_back({Token::Kind::Number, s.mid(start, i - start), start});
        } else if (c == u'\'') {
            QString text;
            ++i;
            for (;;) {
                if (i >= s.size())
                    syntaxError(s, QStringLiteral("unclosed text literal"));
                if (s[i] == u'\'') {
                    if (i + 1 < s.size() && s[i + 1] == u'\'') {
                        text += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += s[i++];
            }
            tokens.push_back({Token::Kind::Text, text, start});
        } else if (c == u'(' || c == u')') {
            tokens.push_back({c == u'(' ? Token::Kind::Open : Token::Kind::Close, QString(c), start});
            ++i;
        } else if (c == u'=' || c == u'<' || c == u'>' || c == u'!') {
            QString op(c);
            ++i;
            if (i < s.size() && c != u'=' && (s[i] == u'=' || (c == u'<' && s[i] == u'>')))
                op += s[i++];
            if (op == QLatin1String("!"))
                syntaxError(s, QStringLiteral("unexpected '!'"));
            tokens.push_back({Token::Kind::Operator, op == QLatin1String("!=") ? QStringLiteral("<>") : op, start});
        } else {
            syntaxError(s, QStringLiteral("unexpected '%1' at position %2").arg(c).arg(start + 1));
        }
    }
    tokens.push_back({Token::Kind::End, {}, s.size()});
    return tokens;
}

class Parser {
public:
    explicit Parser(const QString& text) : m_text(text), m_tokens(tokenize(text)) {}

    NodePtr parse()
    {
        NodePtr root = parseOr();
        if (current().kind != Token::Kind::End)
            unexpected();
        return root;
    }

private:
    const Token& current() const { return m_tokens[m_pos]; }
    bool isKeyword(const char* word) const
    {
        return current().kind == Token::Kind::Name &&
               current().text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
    }
    [[noreturn]] void unexpected() const
    {
        if (current().kind == Token::Kind::End)
            syntaxError(m_text, QStringLiteral("the expression is incomplete"));
        syntaxError(m_text,
                    QStringLiteral("unexpected '%1' at position %2").arg(current().text).arg(current().position + 1));
    }

    NodePtr combine(Node::Kind kind, NodePtr left, NodePtr right)
    {
        auto node = std::make_shared<Node>();
        node->kind = kind;
        node->children = {std::move(left), std::move(right)};
        return node;
    }

    NodePtr parseOr()
    {
        NodePtr left = parseAnd();
        while (isKeyword("or")) {
            ++m_pos;
            left = combine(Node::Kind::Or, left, parseAnd());
        }
        return left;
    }

    NodePtr parseAnd()
    {
        NodePtr left = parseNot();
        while (isKeyword("and")) {
            ++m_pos;
            left = combine(Node::Kind::And, left, parseNot());
        }
        return left;
    }

    NodePtr parseNot()
    {
        if (isKeyword("not")) {
            ++m_pos;
            auto node = std::make_shared<Node>();
            node->kind = Node::Kind::Not;
            node->children = {parseNot()};
            return node;
        }
        if (current().kind == Token::Kind::Open) {
            ++m_pos;
            NodePtr inner = parseOr();
            if (current().kind != Token::Kind::Close)
                unexpected();
            ++m_pos;
            return inner;
        }
        return parseComparison();
    }

    Node::Operand parseOperand()
    {
        Node::Operand operand;
        const Token& token = current();
        if (token.kind == Token::Kind::Name && !isKeyword("and") && !isKeyword("or") && !isKeyword("not") &&
            !isKeyword("is") && !isKeyword("null")) {
            operand.isField = true;
            operand.fieldName = token.text;
        } else if (token.kind == Token::Kind::Number) {
            bool ok = false;
            const qlonglong integer = token.text.toLongLong(&ok);
            if (ok) {
                operand.literal = Value(integer);
            } else {
                const double number = token.text.toDouble(&ok);
                if (!ok)
                    unexpected();
                operand.literal = Value(number);
            }
        } else if (token.kind == Token::Kind::Text) {
            operand.literal = Value(token.text);
        } else {
            unexpected();
        }
        ++m_pos;
        return operand;
    }

    NodePtr parseComparison()
    {
        auto node = std::make_shared<Node>();
        node->left = parseOperand();
        if (isKeyword("is")) {
            ++m_pos;
            node->kind = Node::Kind::IsNull;
            if (isKeyword("not")) {
                ++m_pos;
                node->kind = Node::Kind::IsNotNull;
            }
            if (!isKeyword("null"))
                unexpected();
            ++m_pos;
            return node;
        }
        if (current().kind != Token::Kind::Operator)
            unexpected();
        node->op = current().text;
        ++m_pos;
        node->right = parseOperand();
        return node;
    }

    const QString& m_text;
    std::vector<Token> m_tokens;
    std::size_t m_pos = 0;
};

int compareValues(const Value& a, const Value& b)
{
    auto order = [](auto x, auto y) { return x < y ? -1 : (y < x ? 1 : 0); };
    const bool aText = a.kind() == ValueKind::String;
    const bool bText = b.kind() == ValueKind::String;
    if (aText && bText)
        return order(a.toString().compare(b.toString()), 0);
    if (a.kind() == ValueKind::DateTime || b.kind() == ValueKind::DateTime)
        return order(a.toDateTime(), b.toDateTime());
    if (a.isNumeric() || b.isNumeric() || a.kind() == ValueKind::Boolean || b.kind() == ValueKind::Boolean)
        return order(a.toDouble(), b.toDouble());
    throw ConversionError(QStringLiteral("Cannot compare %1 with %2 in a filter")
                              .arg(Value::kindName(a.kind()), Value::kindName(b.kind())));
}

bool evaluate(const Node& node, const FilterExpression::FieldValue& fieldValue)
{
    auto operandValue = [&](const Node::Operand& operand) {
        return operand.isField ? fieldValue(operand.fieldName) : operand.literal;
    };
    switch (node.kind) {
        case Node::Kind::Or:
            return evaluate(*node.children[0], fieldValue) || evaluate(*node.children[1], fieldValue);
        case Node::Kind::And:
            return evaluate(*node.children[0], fieldValue) && evaluate(*node.children[1], fieldValue);
        case Node::Kind::Not:
            return !evaluate(*node.children[0], fieldValue);
        case Node::Kind::IsNull:
        case Node::Kind::IsNotNull: {
            const Value value = operandValue(node.left);
            const bool null = value.isNull() || value.isEmpty();
            return node.kind == Node::Kind::IsNull ? null : !null;
        }
        case Node::Kind::Compare:
            break;
    }
    const Value left = operandValue(node.left);
    const Value right = operandValue(node.right);
    if (left.isNull() || left.isEmpty() || right.isNull() || right.isEmpty())
        return false;
    const int order = compareValues(left, right);
    if (node.op == QLatin1String("="))
        return order == 0;
    if (node.op == QLatin1String("<>"))
        return order != 0;
    if (node.op == QLatin1String("<"))
        return order < 0;
    if (node.op == QLatin1String("<="))
        return order <= 0;
    if (node.op == QLatin1String(">"))
        return order > 0;
    return order >= 0;
}

}  // namespace

FilterExpression FilterExpression::parse(const QString& text)
{
    FilterExpression expression;
    if (!text.trimmed().isEmpty())
        expression.m_root = Parser(text).parse();
    return expression;
}

bool FilterExpression::matches(const FieldValue& fieldValue) const
{
    return !m_root || evaluate(*m_root, fieldValue);
}
