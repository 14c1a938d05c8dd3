#include "ModalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>

ModalWatcher::ModalWatcher(Answer answer) : m_answer(std::move(answer))
{
    connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::look);
    m_timer.start(10);
}

std::vector<QString> ModalWatcher::texts() const
{
    std::vector<QString> result;
    for (const Seen& s : m_seen)
        result.push_back(s.text);
    return result;
}

void ModalWatcher::look()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_last || !modal->isVisible())
        return;
    m_last = modal;
    Seen seen;
    seen.caption = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttonCount = static_cast<int>(box->buttons().size());
    } else if (auto* text = modal->findChild<QPlainTextEdit*>()) {
        // A window of our own that shows its message in a text box.
        seen.text = text->toPlainText();
    }
    m_seen.push_back(seen);
    if (m_answer) {
        m_answer(*modal);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->escapeButton()) {
        box->escapeButton()->click();
    } else {
        modal->close();
    }
}
