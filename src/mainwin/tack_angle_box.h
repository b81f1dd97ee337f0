#pragma once
// TackAngle: the tack angle text box. Its value is checked when the user moves the focus away;
// a refused value keeps the focus in the box, and the click that would have taken it is dropped.
#include <QLineEdit>

#include "track/prompts.h"

namespace wl {

class TackAngleBox : public QLineEdit {
  Q_OBJECT

 public:
  TackAngleBox(Prompts& prompts, QWidget* parent);

 signals:
  // The check passed; the text is the value as a plain number.
  void Accepted(const QString& text);
  // The focus has gone after a passed check.
  void Left();

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Check();
  void KeepFocus();

  Prompts& prompts_;
};

}  // namespace wl
