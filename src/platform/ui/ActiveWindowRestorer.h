#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

// Gives the activation back to the window that had it when a modal window closes. Window managers
// usually do this themselves, but not every desktop runs one, and without it the keyboard (and the
// accelerators of the window underneath) would go nowhere after the modal window is gone.
class ActiveWindowRestorer {
public:
    ActiveWindowRestorer() : m_window(QApplication::activeWindow()) {}
    ~ActiveWindowRestorer()
    {
        if (m_window && m_window->isVisible() && QApplication::activeWindow() != m_window)
            m_window->activateWindow();
    }
    ActiveWindowRestorer(const ActiveWindowRestorer&) = delete;
    ActiveWindowRestorer& operator=(const ActiveWindowRestorer&) = delete;

private:
    QPointer<QWidget> m_window;
};
