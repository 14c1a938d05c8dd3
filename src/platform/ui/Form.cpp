#include "Form.h"

#include "ActiveWindowRestorer.h"
#include "Application.h"
#include "KeyChar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QScreen>
#include <QScopeGuard>

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window), m_layout(new AlignLayout(this))
{
    qApp->installEventFilter(this);
}

Form::~Form()
{
    if (m_modalLoop)
        m_modalLoop->exit();
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && m_keyPreview && OnKeyPress && !m_resending &&
        ownsFocusedControl(watched) && !pressesButton(watched, static_cast<QKeyEvent*>(event)))
        return previewKey(watched, static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

// Enter on a focused button presses it; the window's key handler never sees that Enter.
bool Form::pressesButton(QObject* receiver, const QKeyEvent* event)
{
    return qobject_cast<QAbstractButton*>(receiver) &&
           (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

// A key press travels from the focused control up to its parents; the form sees it once, at the start.
bool Form::ownsFocusedControl(QObject* receiver) const
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (!widget || widget->window() != this)
        return false;
    QWidget* focused = QApplication::focusWidget();
    return widget == focused || (!focused && widget == this);
}

bool Form::previewKey(QObject* receiver, QKeyEvent* event)
{
    KeyChar::Filtered filtered = KeyChar::run(OnKeyPress, this, *event);
    switch (filtered.outcome) {
        case KeyChar::Outcome::Deliver:
            return false;
        case KeyChar::Outcome::Swallow:
            return true;
        case KeyChar::Outcome::Replace: {
            // The handler may have closed the window or moved the focus; deliver to what is still there.
            QPointer<QObject> target = receiver;
            m_resending = true;
            if (target)
                QCoreApplication::sendEvent(target, filtered.event.get());
            m_resending = false;
            return true;
        }
    }
    return false;
}

void Form::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_shownOnce && m_centered)
        centerOnScreen();
    m_shownOnce = true;
    if (OnShow)
        Application::guard([&] { OnShow(this); });
}

void Form::centerOnScreen()
{
    const QScreen* target = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!target)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(target->availableGeometry().center());
    move(frame.topLeft());
}

void Form::closeEvent(QCloseEvent* event)
{
    if (OnClose)
        Application::guard([&] { OnClose(this); });
    if (m_modalLoop && m_modalResult == mrNone)
        m_modalResult = mrCancel;
    QWidget::closeEvent(event);
    if (m_modalLoop)
        m_modalLoop->exit();
}

void Form::setModalResult(int result)
{
    m_modalResult = result;
    if (result != mrNone && m_modalLoop)
        close();
}

int Form::showModal()
{
    m_modalResult = mrNone;
    const ActiveWindowRestorer activation;
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    m_modalLoop = &loop;
    QPointer<Form> self = this;
    auto restore = qScopeGuard([&] {
        if (!self)
            return;
        m_modalLoop = nullptr;
        hide();
        setWindowModality(Qt::NonModal);
    });
    show();
    activateWindow();
    loop.exec(QEventLoop::DialogExec);
    return self ? m_modalResult : mrCancel;
}
