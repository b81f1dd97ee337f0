#include "widgets/leave_check.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace wl {

namespace {

// The box a refusal is taking the focus back to: the control the focus passed through on its way
// is never entered in the user's eyes, so leaving it checks nothing.
const QLineEdit* refusedBox = nullptr;
// A check's message box takes the focus from whichever box holds it: that is no leaving either.
bool checking = false;

}  // namespace

LeaveCheck::LeaveCheck(QLineEdit* box, std::function<bool()> check)
    : QObject(box), box_(box), check_(std::move(check)) {
  box->installEventFilter(this);
  connect(box, &QLineEdit::textEdited, this, [this] { edited_ = true; });
}

LeaveCheck::~LeaveCheck() {
  if (refusedBox == box_) refusedBox = nullptr;  // gone before the focus came back
}

bool LeaveCheck::eventFilter(QObject* watched, QEvent* event) {
  if (refusedBox == box_) {
    // The press that moved the focus arrives after the refusal; it is not for its target.
    const QEvent::Type t = event->type();
    if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick)
      return watched != box_;
    return false;
  }
  if (watched != box_ || event->type() != QEvent::FocusOut || refusedBox || checking) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  if (reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason) return false;
  if (reason == Qt::ActiveWindowFocusReason && !edited_) return false;
  checking = true;
  const bool passed = check_();
  checking = false;
  if (passed) {
    edited_ = false;
  } else {
    KeepFocus();
  }
  return false;
}

void LeaveCheck::KeepFocus() {
  refusedBox = box_;
  qApp->installEventFilter(this);
  QTimer::singleShot(0, this, [this] {
    qApp->removeEventFilter(this);
    box_->setFocus(Qt::OtherFocusReason);
    refusedBox = nullptr;
  });
}

}  // namespace wl
