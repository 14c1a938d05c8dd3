#include "ParameterMarkers.h"

namespace {

bool isNameChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

class MarkerScanner {
public:
    explicit MarkerScanner(const QString& sql) : m_sql(sql) {}

    ParameterMarkers run()
    {
        while (m_pos < m_sql.size()) {
            const QChar c = m_sql[m_pos];
            if (c == u'\'')
                copyQuoted(u'\'', isEscapeString());
            else if (c == u'"')
                copyQuoted(u'"', false);
            else if (c == u'-' && peek(1) == u'-')
                copyLineComment();
            else if (c == u'/' && peek(1) == u'*')
                copyBlockComment();
            else if (c == u'$' && copyDollarQuoted())
                continue;
            else if (c == u':' && peek(1) == u':')
                copy(2);
            else if (c == u':' && isNameChar(peek(1)))
                replaceMarker();
            else
                copy(1);
        }
        return {m_out, m_names};
    }

private:
    QChar peek(qsizetype offset) const
    {
        const qsizetype at = m_pos + offset;
        return at < m_sql.size() ? m_sql[at] : QChar();
    }

    void copy(qsizetype count)
    {
        m_out += m_sql.mid(m_pos, count);
        m_pos += count;
    }

    // E'...' strings take backslash escapes; a standard string only doubles the quote.
    bool isEscapeString() const
    {
        if (m_pos == 0 || (m_sql[m_pos - 1] != u'E' && m_sql[m_pos - 1] != u'e'))
            return false;
        return m_pos == 1 || !isNameChar(m_sql[m_pos - 2]);
    }

    void copyQuoted(QChar quote, bool backslashEscapes)
    {
        qsizetype end = m_pos + 1;
        while (end < m_sql.size()) {
            if (backslashEscapes && m_sql[end] == u'\\') {
                end += 2;
                continue;
            }
            if (m_sql[end] == quote) {
                if (end + 1 < m_sql.size() && m_sql[end + 1] == quote) {
                    end += 2;
                    continue;
                }
                ++end;
                break;
            }
            ++end;
        }
        copy(std::min(end, m_sql.size()) - m_pos);
    }

    void copyLineComment()
    {
        qsizetype end = m_pos;
        while (end < m_sql.size() && m_sql[end] != u'\n' && m_sql[end] != u'\r')
            ++end;
        copy(end - m_pos);
    }

    void copyBlockComment()
    {
        int depth = 0;
        qsizetype end = m_pos;
        while (end < m_sql.size()) {
            if (m_sql[end] == u'/' && end + 1 < m_sql.size() && m_sql[end + 1] == u'*') {
                ++depth;
                end += 2;
            } else if (m_sql[end] == u'*' && end + 1 < m_sql.size() && m_sql[end + 1] == u'/') {
                end += 2;
                if (--depth == 0)
                    break;
            } else {
                ++end;
            }
        }
        copy(std::min(end, m_sql.size()) - m_pos);
    }

    // $tag$ ... $tag$, where the tag may be empty; a "$" that opens no such quote is copied as is.
    bool copyDollarQuoted()
    {
        qsizetype tagEnd = m_pos + 1;
        while (tagEnd < m_sql.size() &&
               (m_sql[tagEnd].isLetter() || m_sql[tagEnd] == u'_' || (tagEnd > m_pos + 1 && m_sql[tagEnd].isDigit())))
            ++tagEnd;
        if (tagEnd >= m_sql.size() || m_sql[tagEnd] != u'$' || (m_pos > 0 && isNameChar(m_sql[m_pos - 1])))
            return false;
        const QString tag = m_sql.mid(m_pos, tagEnd - m_pos + 1);
        const qsizetype close = m_sql.indexOf(tag, tagEnd + 1);
        copy((close < 0 ? m_sql.size() : close + tag.size()) - m_pos);
        return true;
    }

    void replaceMarker()
    {
        qsizetype end = m_pos + 1;
        while (end < m_sql.size() && isNameChar(m_sql[end]))
            ++end;
        const QString name = m_sql.mid(m_pos + 1, end - m_pos - 1);
        qsizetype index = -1;
        for (qsizetype i = 0; i < m_names.size(); ++i) {
            if (m_names[i].compare(name, Qt::CaseInsensitive) == 0) {
                index = i;
                break;
            }
        }
        if (index < 0) {
            m_names.append(name);
            index = m_names.size() - 1;
        }
        m_out += u'$' + QString::number(index + 1);
        m_pos = end;
    }

    const QString& m_sql;
    qsizetype m_pos = 0;
    QString m_out;
    QStringList m_names;
};

}  // namespace

ParameterMarkers ParameterMarkers::parse(const QString& sql)
{
    return MarkerScanner(sql).run();
}
