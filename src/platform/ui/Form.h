#pragma once

#include "AlignLayout.h"
#include "Events.h"

#include <QPointer>
#include <QWidget>

class QEventLoop;

// Results a window shown modally ends with.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// A window of the program. With key preview on, its OnKeyPress sees every character typed in any of
// its controls before that control does. Shown modally it runs its own loop until a modal result is
// set or it is closed (closing counts as Cancel).
class Form : public QWidget {
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

    bool keyPreview() const { return m_keyPreview; }
    void setKeyPreview(bool on) { m_keyPreview = on; }

    void setCaption(const QString& caption) { setWindowTitle(caption); }
    QString caption() const { return windowTitle(); }
    void setClientSize(int width, int height) { resize(width, height); }
    // Puts the window in the middle of its screen the first time it is shown.
    void setCenteredOnScreen(bool centered) { m_centered = centered; }

    // Docks children to the window's sides.
    AlignLayout& aligned() { return *m_layout; }

    // Moves the focus to the next (or previous) control in tab order, as Tab does.
    void selectNext(bool forward = true) { focusNextPrevChild(forward); }

    int showModal();
    int modalResult() const { return m_modalResult; }
    void setModalResult(int result);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool previewKey(QObject* receiver, QKeyEvent* event);
    static bool pressesButton(QObject* receiver, const QKeyEvent* event);
    bool ownsFocusedControl(QObject* receiver) const;
    void centerOnScreen();

    AlignLayout* m_layout;
    bool m_keyPreview = false;
    bool m_centered = false;
    bool m_shownOnce = false;
    bool m_resending = false;
    int m_modalResult = mrNone;
    QEventLoop* m_modalLoop = nullptr;
};
