#pragma once

#include "Control.h"

#include <QToolButton>

// A push button with a picture and a caption. An "&" in the caption makes the next letter its
// accelerator (Alt+letter presses it).
class BitBtn : public Control<QToolButton> {
public:
    enum class GlyphLayout { Left, Top };

    explicit BitBtn(QWidget* parent = nullptr);

    TNotifyEvent OnClick;
    // Runs the click handler as code asking for a click does: its errors go to the caller.
    void performClick();

    void setCaption(const QString& caption) { setText(caption); }
    QString caption() const { return text(); }
    void setGlyph(const QIcon& icon) { setIcon(icon); }
    void setGlyphLayout(GlyphLayout layout);
    void setTabStop(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::ClickFocus); }
    bool tabStop() const { return focusPolicy() & Qt::TabFocus; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
