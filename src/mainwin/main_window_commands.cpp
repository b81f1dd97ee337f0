// The main window's commands: each runs through the session; the window follows its signals.
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "mainwin/comments_window.h"
#include "mainwin/main_window.h"
#include "mainwin/track_table_view.h"
#include "session/track_session.h"
#include "track/track_thinning.h"
#include "widgets/app_title.h"

namespace wl {

void MainWindow::UpdateFileButtons() {
  const bool known = session_.Store().IsTRC || session_.Store().IsTRT;
  cmdSave_->setEnabled(known);
  cmdDelFile_->setEnabled(known);
}

void MainWindow::FollowTrack() {
  const TrackStore& store = session_.Store();
  const QString inputName = QString::fromStdString(store.InputFileName);
  QString caption = MainCaption();
  if (!inputName.isEmpty()) caption += " - " + QFileInfo(inputName).fileName();
  if (store.DataChanged) caption += " *";
  setWindowTitle(caption);
  inputName_->setText(inputName);
  outputName_->setText(QString::fromStdString(session_.OutputFileName()));
  cmdComments_->setEnabled(!store.TrackComments.empty());
  cmdPlot_->setEnabled(session_.Plottable());
  cmdShowTack_->setEnabled(session_.Plottable());
}

void MainWindow::FollowProcessing() {
  grid_->SetUp();
  status_->setText(session_.DenseLog() ? QString::fromLatin1(kDenseLogHint.data(), kDenseLogHint.size()) : QString());
  if (status_->isHidden() == session_.DenseLog()) {
    status_->setVisible(session_.DenseLog());
    Layout();
  }
}

void MainWindow::ShowProgress(const QString& caption) {
  progress_->setText(caption);
  progress_->adjustSize();
  progress_->raise();
  progress_->repaint();
}

void MainWindow::InsertFile() { session_.InsertFile(grid_->SelectionEndRow()); }

void MainWindow::DeletePoints() {
  // An empty track shows only its empty row: there is nothing to delete.
  if (session_.Store().TrackCount == 0) return;
  const int first = std::min(grid_->CurrentRow(), grid_->SelectionEndRow());
  const int num = std::abs(grid_->CurrentRow() - grid_->SelectionEndRow()) + 1;
  grid_->SetHighlight(TrackTableView::Highlight::Always);
  if (!session_.DeletePoints(first, num)) return;
  // The row after the deleted ones, or the new last row.
  grid_->SetCurrentRow(first);
  grid_->scrollTo(grid_->currentIndex());
  grid_->SetHighlight(TrackTableView::Highlight::Always);
}

void MainWindow::Save() { session_.Save(optTrackWpts_->isChecked()); }

void MainWindow::DeleteOpenFile() {
  if (session_.DeleteOpenFile()) cmdDelFile_->setEnabled(false);
}

void MainWindow::ShowComments() {
  const std::string& comments = session_.Store().TrackComments;
  if (comments.empty()) {
    session_.Prompts().ShowMessage(
        "in trt files, lines starting with \"/*\" are treated as comments;\r\nthis file has no comments", Icon::None);
    return;
  }
  CommentsWindow window(windowTitle(), QString::fromLatin1(comments), this);
  window.exec();
}

}  // namespace wl
