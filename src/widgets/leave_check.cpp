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

}  // namespace

LeaveCheck::LeaveCheck(QLineEdit* box, std::function<bool()> check)
    : QObject(box), box_(box), check_(std::move(check)) {
  box->installEventFilter(this);
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
  if (watched != box_ || event->type() != QEvent::FocusOut || refusedBox) return false;
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
    return false;
  if (!check_()) KeepFocus();
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
