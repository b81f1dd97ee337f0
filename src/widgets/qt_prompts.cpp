#include "widgets/qt_prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "widgets/app_title.h"
#include "widgets/numeric_input_box.h"
#include "widgets/qt_file_dialog.h"

namespace wl {

namespace {

QString MessageText(const std::string& text) {
  QString t = QString::fromStdString(text);
  t.replace("\r\n", "\n");
  t.replace('\r', '\n');
  return t;
}

QMessageBox::Icon BoxIcon(Icon icon) {
  switch (icon) {
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QWidget* QtPrompts::Parent() const { return parent_ ? parent_ : QApplication::activeWindow(); }

void QtPrompts::ShowMessage(const std::string& text, Icon icon) {
  QMessageBox box(BoxIcon(icon), kAppTitle, MessageText(text), QMessageBox::Ok, Parent());
  box.exec();
}

bool QtPrompts::Ask(const std::string& text, Icon icon, bool defaultYes, bool escapeYes) {
  QMessageBox box(BoxIcon(icon), kAppTitle, MessageText(text), QMessageBox::Yes | QMessageBox::No, Parent());
  box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
  // Closing the box counts as a press of the escape button.
  box.setEscapeButton(escapeYes ? QMessageBox::Yes : QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

bool QtPrompts::AskYesNo(const std::string& text, Icon icon, bool defaultNo) {
  return Ask(text, icon, !defaultNo, false);
}

bool QtPrompts::AskToStop(const std::string& text, Icon icon) { return Ask(text, icon, true, true); }

std::optional<std::string> QtPrompts::AskWholeNumber(const std::string& text, int32_t initial) {
  QInputDialog dialog(Parent());
  dialog.setWindowTitle(kAppTitle);
  dialog.setLabelText(MessageText(text));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setTextValue(QString::number(initial));
  if (auto* box = dialog.findChild<QLineEdit*>()) new NumericInputBox(box, false);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().trimmed().toStdString();
}

std::optional<FileDialogChoice> QtPrompts::ChooseFile(const FileDialogRequest& request) {
  return ShowFileDialog(Parent(), request);
}

std::optional<std::string> QtPrompts::ChooseFolder(const std::string& title, const std::string& initialFolder) {
  return ShowFolderChooser(Parent(), title, initialFolder);
}

}  // namespace wl
