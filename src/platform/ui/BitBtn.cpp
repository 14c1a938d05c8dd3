#include "BitBtn.h"

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

void BitBtn::setGlyphLayout(GlyphLayout layout)
{
    setToolButtonStyle(layout == GlyphLayout::Top ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon);
}
