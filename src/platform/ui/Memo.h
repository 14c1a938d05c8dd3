#pragma once

#include "Control.h"

#include <QPlainTextEdit>

// A multi-line text box. Enter is its own (a new line), never a move to the next control.
class Memo : public Control<QPlainTextEdit> {
public:
    explicit Memo(QWidget* parent = nullptr);

    TNotifyEvent OnChange;

    QString text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
    bool readOnly() const { return isReadOnly(); }
    void setWordWrap(bool on) { setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap); }
    // Lines as shown: a long line wrapped at the box's width counts once per piece, an empty last
    // line not at all.
    int displayedLineCount() const;
};
