#pragma once

#include <QFrame>
#include <QList>

class QLabel;

// How a status bar panel's edge is drawn.
enum class PanelBevel { Lowered, None, Raised };

// A status bar split into panels of fixed widths, left to right.
class StatusBar : public QFrame {
public:
    explicit StatusBar(QWidget* parent = nullptr);

    void addPanel(int width, PanelBevel bevel = PanelBevel::Lowered);
    int panelCount() const { return static_cast<int>(m_panels.size()); }
    int panelWidth(int index) const;
    void setPanelWidth(int index, int width);
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);

private:
    QLabel& panel(int index) const;

    QList<QLabel*> m_panels;
};
