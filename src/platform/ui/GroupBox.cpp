#include "GroupBox.h"

GroupBox::GroupBox(QWidget* parent) : QGroupBox(parent), m_layout(new AlignLayout(this)) {}
