#pragma once
// Number entry for a text box: keys that cannot be part of a number are swallowed, and a change
// (typed or pasted) that leaves no number of the allowed form is undone, the caret put back
// where it was. "." is the decimal point typed; the locale's separator is accepted in pasted text.
#include <QObject>
#include <QString>

class QLineEdit;

namespace wl {

class NumericInputBox : public QObject {
  Q_OBJECT

 public:
  // Binds to box, which owns the binding; the box's text is the last accepted one. numDecimals
  // is the most digits allowed behind the point.
  NumericInputBox(QLineEdit* box, bool decimalsAllowed, int numDecimals = 0);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Remembers where the caret is, unless text is selected.
  void SetCaret(int pos);
  bool KeyPasses(const QString& typed) const;
  void TextChanged();

  QLineEdit* box_;
  const bool decimalsAllowed_;
  const int numDecimals_;
  QString oldText_;
  int oldSelStart_ = 0;
  bool changing_ = false;  // while the binding itself puts the old text back
};

}  // namespace wl
