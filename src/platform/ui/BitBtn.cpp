#include "BitBtn.h"

#include <QKeyEvent>

BitBtn::BitBtn(QWidget* parent) : Control<QToolButton>(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setIconSize(QSize(16, 16));
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (OnClick)
            Application::guard([&] { OnClick(this); });
    });
}

void BitBtn::performClick()
{
    if (OnClick)
        OnClick(this);
}

void BitBtn::setGlyphLayout(GlyphLayout layout)
{
    setToolButtonStyle(layout == GlyphLayout::Top ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon);
}

// A focused button is pressed by Enter as well as by the space bar.
void BitBtn::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    Control<QToolButton>::keyPressEvent(event);
}
