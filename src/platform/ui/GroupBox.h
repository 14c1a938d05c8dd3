#pragma once

#include "AlignLayout.h"

#include <QGroupBox>

// A framed group of controls with an optional caption, and room for docked children.
class GroupBox : public QGroupBox {
public:
    explicit GroupBox(QWidget* parent = nullptr);

    AlignLayout& aligned() { return *m_layout; }

private:
    AlignLayout* m_layout;
};
