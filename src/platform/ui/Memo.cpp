#include "Memo.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

Memo::Memo(QWidget* parent) : Control<QPlainTextEdit>(parent)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (OnChange)
            Application::guard([&] { OnChange(this); });
    });
}

int Memo::displayedLineCount() const
{
    const QTextDocument* doc = document();
    // The layout of every block must be current at the box's present width before it is counted.
    doc->documentLayout()->documentSize();
    int lines = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        const bool lastAndEmpty = !block.next().isValid() && block.text().isEmpty();
        if (lastAndEmpty)
            break;
        const QTextLayout* layout = block.layout();
        lines += layout && layout->lineCount() > 0 ? layout->lineCount() : 1;
    }
    return lines;
}
