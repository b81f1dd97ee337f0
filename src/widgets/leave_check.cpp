#include "widgets/leave_check.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace wl {

LeaveCheck::LeaveCheck(QLineEdit* box, std::function<bool()> check)
    : QObject(box), box_(box), check_(std::move(check)) {
  box->installEventFilter(this);
}

bool LeaveCheck::eventFilter(QObject* watched, QEvent* event) {
  if (keeping_) {
    // The press that moved the focus arrives after the refusal; it is not for its target.
    const QEvent::Type t = event->type();
    if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick)
      return watched != box_;
    return false;
  }
  if (watched != box_ || event->type() != QEvent::FocusOut) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
    return false;
  if (!check_()) KeepFocus();
  return false;
}

void LeaveCheck::KeepFocus() {
  keeping_ = true;
  qApp->installEventFilter(this);
  QTimer::singleShot(0, this, [this] {
    qApp->removeEventFilter(this);
    keeping_ = false;
    box_->setFocus(Qt::OtherFocusReason);
  });
}

}  // namespace wl
