#pragma once
// Controls made for a window's table of controls: named, captioned and placed in twips within
// their parent.
#include <QGroupBox>
#include <QString>
#include <QWidget>
#include <type_traits>

namespace wl {

void PlaceTwips(QWidget* w, int left, int top, int width, int height);

template <class T>
T* PlacedControl(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                 int height) {
  auto* w = new T(parent);
  w->setObjectName(name);
  if constexpr (std::is_base_of_v<QGroupBox, T>) {
    w->setTitle(caption);
  } else if constexpr (requires { w->setText(caption); }) {
    w->setText(caption);
  }
  PlaceTwips(w, left, top, width, height);
  return w;
}

}  // namespace wl
