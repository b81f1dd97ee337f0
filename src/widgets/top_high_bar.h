#pragma once
// A vertical scroll bar with its highest value at the top, as the settings' bars are: the up
// arrow and the wheel turned up raise the value.
#include <QScrollBar>

namespace wl {

class TopHighBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit TopHighBar(QWidget* parent);

  void SetRange(int bottom, int top);
  int Value() const;
  void SetValue(int value);

 signals:
  void ValueChanged(int value);

 private:
  // Qt's bar counts from its top; the value is that count mirrored.
  int Mirrored(int v) const { return minimum() + maximum() - v; }
};

}  // namespace wl
