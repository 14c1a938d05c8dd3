#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A statement kept as text lines. Read as one text, every line is followed by CR LF; written as one
// text, it is split at every line break (CR, LF or CR LF) and a final break adds no empty line.
class SqlLines {
public:
    void add(const QString& line);
    void clear();
    int count() const { return static_cast<int>(m_lines.size()); }
    const QString& operator[](int index) const;
    const QStringList& lines() const { return m_lines; }

    QString text() const;
    void setText(const QString& text);

    // Told after every change, so the owning dataset can close and forget its parameters.
    void setOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

private:
    void changed();

    QStringList m_lines;
    std::function<void()> m_onChange;
};
