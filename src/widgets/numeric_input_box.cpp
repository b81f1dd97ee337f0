#include "widgets/numeric_input_box.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "settings/locale_number.h"
#include "track/number_format.h"

namespace wl {

namespace {

constexpr QChar kDecimalChar = '.';

}  // namespace

NumericInputBox::NumericInputBox(QLineEdit* box, bool decimalsAllowed, int numDecimals)
    : QObject(box), box_(box), decimalsAllowed_(decimalsAllowed), numDecimals_(numDecimals), oldText_(box->text()) {
  SetCaret(box->cursorPosition());
  box->installEventFilter(this);
  connect(box, &QLineEdit::textChanged, this, &NumericInputBox::TextChanged);
}

void NumericInputBox::SetCaret(int pos) {
  if (box_->hasSelectedText()) return;
  oldSelStart_ = pos;
  box_->setCursorPosition(pos);
}

bool NumericInputBox::KeyPasses(const QString& typed) const {
  if (typed.isEmpty()) return true;  // moves and deletions type nothing
  const QChar k = typed.front();
  if (k.unicode() < 32 || k.isDigit() || k == '+' || k == '-') return true;
  return k == kDecimalChar && decimalsAllowed_ && !box_->text().contains(kDecimalChar);
}

bool NumericInputBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_) {
    switch (event->type()) {
      case QEvent::KeyPress: {
        SetCaret(box_->cursorPosition());
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        if (!command && !KeyPasses(key->text())) return true;
        break;
      }
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress: SetCaret(box_->cursorPosition()); break;
      default: break;
    }
  }
  return QObject::eventFilter(watched, event);
}

void NumericInputBox::TextChanged() {
  if (changing_) return;
  const QString text = box_->text();
  QString local = text;
  local.replace(kDecimalChar, QChar(LocaleDecimalSeparator()));
  double value;
  bool accept = true;
  if (ReadLocaleNumber(local.toStdString(), value)) {
    const qsizetype point = text.indexOf(kDecimalChar);
    if (point < 0) {
      SetCaret(box_->cursorPosition());
    } else {
      accept = decimalsAllowed_ && text.size() - point - 1 <= numDecimals_;
    }
  } else if (text == "-" || text == "+") {
    SetCaret(box_->cursorPosition());
  } else {
    accept = text.isEmpty();
  }
  if (!accept) {
    changing_ = true;
    box_->setText(oldText_);
    changing_ = false;
    SetCaret(oldSelStart_);
  }
  oldText_ = box_->text();
}

}  // namespace wl
