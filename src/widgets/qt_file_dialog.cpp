#include "widgets/qt_file_dialog.h"

#include <QFileDialog>

namespace wl {

namespace {

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

std::optional<FileDialogChoice> ShowFileDialog(QWidget* parent, const FileDialogRequest& request) {
  QFileDialog dialog(parent, QString::fromStdString(request.title));
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

std::optional<std::string> ShowFolderChooser(QWidget* parent, const std::string& title,
                                             const std::string& initialFolder) {
  const QString folder =
      QFileDialog::getExistingDirectory(parent, QString::fromStdString(title), QString::fromStdString(initialFolder));
  if (folder.isEmpty()) return std::nullopt;
  return folder.toStdString();
}

}  // namespace wl
