#include "mainwin/qt_prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "mainwin/app_title.h"

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

// A label of the list may already show its patterns ("Harbolt Tracks (*.trc)"); Qt shows them
// from the filter itself, so they are taken off the label.
QString BareLabel(QString label) {
  label = label.trimmed();
  if (label.endsWith(')')) {
    const qsizetype open = label.lastIndexOf('(');
    if (open > 0) label = label.left(open).trimmed();
  }
  return label;
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      p = p.trimmed();
      if (p == "*.*") p = "*";
    }
    filters << BareLabel(parts[i]) + " (" + patterns.join(' ') + ")";
  }
  return filters;
}

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
  QFileDialog dialog(Parent(), QString::fromStdString(request.title));
  const QStringList filters = QtNameFilters(request.filter);
  dialog.setNameFilters(filters);
  if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
    dialog.selectNameFilter(filters[request.filterIndex - 1]);
  if (request.save) {
    // The Save command asks its own overwrite question.
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFileMode(QFileDialog::AnyFile);
  } else {
    dialog.setFileMode(QFileDialog::ExistingFile);
  }
  if (!request.initialName.empty()) dialog.selectFile(QString::fromStdString(request.initialName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString name = dialog.selectedFiles().constFirst();
  if (name.isEmpty()) return std::nullopt;
  const qsizetype index = filters.indexOf(dialog.selectedNameFilter());
  return FileDialogChoice{name.toStdString(), index >= 0 ? static_cast<int>(index) + 1 : request.filterIndex};
}

std::optional<std::string> QtPrompts::ChooseFolder(const std::string& title, const std::string& initialFolder) {
  const QString folder = QFileDialog::getExistingDirectory(Parent(), QString::fromStdString(title),
                                                           QString::fromStdString(initialFolder));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

}  // namespace wl
