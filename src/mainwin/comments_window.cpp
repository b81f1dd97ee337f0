#include "mainwin/comments_window.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QString>
#include <QVBoxLayout>

#include "widgets/twips.h"

namespace wl {

namespace {

// What the user sees, not what the face claims: narrow and wide letters take the same room.
bool EvenAdvances(const QFont& font) {
  const QFontMetrics m(font);
  return m.horizontalAdvance("iiii") == m.horizontalAdvance("WWWW");
}

}  // namespace

CommentsWindow::CommentsWindow(const QString& caption, const QString& text, QWidget* parent) : QDialog(parent) {
  setObjectName("frmDisplText");
  setWindowTitle(caption);
  setModal(true);

  auto* box = new QPlainTextEdit(this);
  box->setObjectName("txtBox");
  box->setReadOnly(true);
  box->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font("Courier New");
  font.setStyleHint(QFont::TypeWriter);  // any fixed-pitch face where Courier New is missing
  font.setFixedPitch(true);
  // Font matching may still pick a proportional face.
  if (!EvenAdvances(font)) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (!EvenAdvances(font)) font = QFont("DejaVu Sans Mono");
  box->setFont(font);
  // Comment lines end in CR LF as read from the file.
  box->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  resize(TwipsToPx(9000, this), TwipsToPx(5000, this));
}

}  // namespace wl
