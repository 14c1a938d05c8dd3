#include "SqlLines.h"

#include "DatasetError.h"

void SqlLines::add(const QString& line)
{
    m_lines.append(line);
    changed();
}

void SqlLines::clear()
{
    m_lines.clear();
    changed();
}

const QString& SqlLines::operator[](int index) const
{
    if (index < 0 || index >= m_lines.size())
        throw DatasetError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_lines[index];
}

QString SqlLines::text() const
{
    QString text;
    for (const QString& line : m_lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

void SqlLines::setText(const QString& text)
{
    m_lines.clear();
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        m_lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        m_lines.append(text.mid(start));
    changed();
}

void SqlLines::changed()
{
    if (m_onChange)
        m_onChange();
}
