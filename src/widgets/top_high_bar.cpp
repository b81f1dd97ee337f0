#include "widgets/top_high_bar.h"

namespace wl {

TopHighBar::TopHighBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
  connect(this, &QScrollBar::valueChanged, this, [this](int v) { emit ValueChanged(Mirrored(v)); });
}

void TopHighBar::SetRange(int bottom, int top) { setRange(bottom, top); }

int TopHighBar::Value() const { return Mirrored(value()); }

void TopHighBar::SetValue(int value) { setValue(Mirrored(value)); }

}  // namespace wl
