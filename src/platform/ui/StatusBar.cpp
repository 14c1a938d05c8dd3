#include "StatusBar.h"

#include "DatasetError.h"

#include <QHBoxLayout>
#include <QLabel>

StatusBar::StatusBar(QWidget* parent) : QFrame(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 0);
    layout->setSpacing(2);
    layout->addStretch(1);
}

void StatusBar::addPanel(int width, PanelBevel bevel)
{
    auto* label = new QLabel(this);
    label->setFrameShape(bevel == PanelBevel::None ? QFrame::NoFrame : QFrame::StyledPanel);
    label->setFrameShadow(bevel == PanelBevel::Raised ? QFrame::Raised : QFrame::Sunken);
    label->setFixedWidth(width);
    auto* row = static_cast<QHBoxLayout*>(layout());
    row->insertWidget(static_cast<int>(m_panels.size()), label);
    m_panels.append(label);
}

QLabel& StatusBar::panel(int index) const
{
    if (index < 0 || index >= m_panels.size())
        throw DatasetError(QStringLiteral("Painel %1 da barra de status não existe").arg(index));
    return *m_panels[index];
}

int StatusBar::panelWidth(int index) const
{
    return panel(index).width();
}

void StatusBar::setPanelWidth(int index, int width)
{
    panel(index).setFixedWidth(width);
}

QString StatusBar::panelText(int index) const
{
    return panel(index).text();
}

void StatusBar::setPanelText(int index, const QString& text)
{
    panel(index).setText(text);
}
