#include "widgets/qt_prompts.h"

#include <QApplication>
#include <QMessageBox>

#include "widgets/app_title.h"
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

bool QtPrompts::AskYesNo(const std::string& text, Icon icon, bool defaultNo) {
  QMessageBox box(BoxIcon(icon), kAppTitle, MessageText(text), QMessageBox::Yes | QMessageBox::No, Parent());
  box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<FileDialogChoice> QtPrompts::ChooseFile(const FileDialogRequest& request) {
  return ShowFileDialog(Parent(), request);
}

std::optional<std::string> QtPrompts::ChooseFolder(const std::string& title, const std::string& initialFolder) {
  return ShowFolderChooser(Parent(), title, initialFolder);
}

}  // namespace wl
