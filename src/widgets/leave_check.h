#pragma once
// A text box checked when the focus moves from it to another control: a refused text keeps the
// focus in the box, and the click that would have moved it elsewhere is dropped. Another window
// taking over (a message box, another program, the dialog hidden) checks only a text typed since
// the last check: the rest of the program reads the checked value, so a typed one must not wait.
#include <QObject>
#include <functional>

class QLineEdit;

namespace wl {

class LeaveCheck : public QObject {
  Q_OBJECT

 public:
  // check tells whether the box may be left; the box owns the binding.
  LeaveCheck(QLineEdit* box, std::function<bool()> check);
  ~LeaveCheck() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void KeepFocus();

  QLineEdit* box_;
  std::function<bool()> check_;
  bool edited_ = false;
};

}  // namespace wl
