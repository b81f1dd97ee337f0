#include "mainwin/tack_angle_box.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>

#include "nav/tack_angle.h"

namespace wl {

TackAngleBox::TackAngleBox(Prompts& prompts, QWidget* parent) : QLineEdit(parent), prompts_(prompts) {
  setObjectName("TackAngle");
}

bool TackAngleBox::Check() {
  const TackAngleCheck check = CheckTackAngle(text().toStdString());
  if (!check.accepted) prompts_.ShowMessage(TackAngleMessage(), Icon::None);
  setText(QString::fromStdString(check.text));
  if (check.accepted) emit Accepted(text());
  return check.accepted;
}

void TackAngleBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Another window taking over (a message box, another program) is no move away from the box.
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
    return;
  if (Check()) {
    emit Left();
  } else {
    KeepFocus();
  }
}

void TackAngleBox::KeepFocus() {
  // The focus has already moved by the time the box hears of it; a mouse press that moved it is
  // delivered right after this returns, and must not reach the widget it was meant for.
  qApp->installEventFilter(this);
  QTimer::singleShot(0, this, [this] {
    qApp->removeEventFilter(this);
    setFocus(Qt::OtherFocusReason);
  });
}

bool TackAngleBox::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return watched != this;
    default: return QLineEdit::eventFilter(watched, event);
  }
}

}  // namespace wl
