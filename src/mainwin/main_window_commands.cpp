// The main window's commands: open, insert, delete, save, undo and the buttons that open windows.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "folderlist/ui/folder_list_window.h"
#include "mainwin/comments_window.h"
#include "mainwin/get_file_name.h"
#include "mainwin/main_window.h"
#include "mainwin/track_table_model.h"
#include "mainwin/track_table_view.h"
#include "nav/tack_detection.h"
#include "nav/ui/tack_list_window.h"
#include "track/track_commands.h"

namespace wl {

bool MainWindow::WantsToSaveFirst() {
  return store_->DataChanged && prompts_.AskYesNo("Data has changed, do you want to save first", Icon::None, false);
}

void MainWindow::Process() {
  const auto scale = ProcessTrackRecs(*store_, *processed_, ProcessingOptions(settings_), [this](const std::string& caption) {
    // The pass does not yield to the event loop, so the count is painted at once.
    progress_->setText(QString::fromStdString(caption));
    progress_->adjustSize();
    progress_->raise();
    progress_->repaint();
  });
  if (scale) settings_.UseDerivedSpeedScale(scale->high, scale->low);
  grid_->SetUp();
}

void MainWindow::AfterPointsChanged() {
  const bool enough = EnoughPoints(store_->TrackCount, prompts_);
  cmdPlot_->setEnabled(enough);
  cmdShowTack_->setEnabled(enough);
}

void MainWindow::AfterRead() {
  inputName_->setText(QString::fromStdString(store_->InputFileName));
  cmdComments_->setEnabled(!store_->TrackComments.empty());
}

void MainWindow::Open() {
  if (WantsToSaveFirst()) return;
  if (std::optional<std::string> name = GetFileName("Open first file", false, prompts_, settingsStore_)) {
    OpenFile(*name);
    return;
  }
  UpdateFileButtons();
}

void MainWindow::UpdateFileButtons() {
  const bool known = store_->IsTRC || store_->IsTRT;
  cmdSave_->setEnabled(known);
  cmdDelFile_->setEnabled(known);
}

void MainWindow::OpenFile(const std::string& fileName) {
  if (OpenTrackFile(*store_, *scratch_, fileName, settings_.Reader(repairHeading_), prompts_) !=
      LoadOutcome::Untouched) {
    history_.Reset();
    AfterRead();
    Process();
    AfterPointsChanged();
  }
  UpdateFileButtons();
}

void MainWindow::InsertFile() {
  std::optional<std::string> name = GetFileName("Open append file", false, prompts_, settingsStore_);
  if (!name) return;
  auto before = std::make_unique<TrackStore>(*store_);
  const LoadOutcome outcome =
      InsertTrackFile(*store_, *scratch_, *name, grid_->SelectionEndRow(), settings_.Reader(repairHeading_), prompts_);
  if (outcome == LoadOutcome::Untouched) return;
  if (outcome == LoadOutcome::Inserted) history_.Push(std::move(before));
  AfterRead();
  Process();
  AfterPointsChanged();
}

void MainWindow::DeletePoints() {
  // An empty track shows only its empty row: there is nothing to delete.
  if (store_->TrackCount == 0) return;
  const int first = std::min(grid_->CurrentRow(), grid_->SelectionEndRow());
  const int num = std::abs(grid_->CurrentRow() - grid_->SelectionEndRow()) + 1;
  grid_->SetHighlight(TrackTableView::Highlight::Always);
  auto before = std::make_unique<TrackStore>(*store_);
  if (!DeleteTrackPoints(*store_, first, num, prompts_)) return;
  history_.Push(std::move(before));
  Process();
  // The row after the deleted ones, or the new last row.
  grid_->SetCurrentRow(first);
  grid_->scrollTo(grid_->currentIndex());
  grid_->SetHighlight(TrackTableView::Highlight::Always);
  AfterPointsChanged();
}

void MainWindow::Save() {
  std::optional<std::string> name = GetFileName("Save file", true, prompts_, settingsStore_);
  if (!name) return;
  PointFilter keep;
  if (optTrackWpts_->isChecked()) {
    keep = [this](int32_t i) { return processed_->ProcRecs[static_cast<size_t>(i)].TackFlag == kTackPoint; };
  }
  const bool saved = SaveTrackFile(*store_, *name, keep, prompts_);
  inputName_->setText(QString::fromStdString(store_->InputFileName));
  if (!saved) return;
  history_.MarkSaved();
  outputName_->setText(QString::fromStdString(*name));
}

void MainWindow::DeleteOpenFile() {
  const std::string name = inputName_->text().toStdString();
  std::error_code ec;
  if (name.empty() || !std::filesystem::exists(name, ec) || std::filesystem::is_directory(name, ec)) {
    cmdDelFile_->setEnabled(false);
    return;
  }
  if (!prompts_.AskYesNo("Permanently Delete " + name, Icon::None, false)) return;
  if (!std::filesystem::remove(name, ec) && ec) {
    prompts_.ShowMessage(name + "\r\ncould not be deleted: " + ec.message(), Icon::Exclamation);
    return;
  }
  cmdDelFile_->setEnabled(false);
}

void MainWindow::ShowComments() {
  if (store_->TrackComments.empty()) {
    prompts_.ShowMessage("in trt files, lines starting with \"/*\" are treated as comments;\r\nthis file has no comments",
                         Icon::None);
    return;
  }
  CommentsWindow window(windowTitle(), QString::fromLatin1(store_->TrackComments), this);
  window.exec();
}

void MainWindow::ShowTackList() {
  TackListWindow window(*processed_, this);
  window.exec();
}

void MainWindow::ShowFolderList() {
  // The listing keeps its own store: the open track needs no saving first.
  if (!folderList_) folderList_ = new FolderListWindow(settingsStore_, settings_, prompts_, this);
  folderList_->exec();
}

void MainWindow::Undo() {
  if (!history_.CanUndo()) return;
  history_.Undo(*store_);
  AfterRead();
  Process();
  AfterPointsChanged();
}

void MainWindow::Redo() {
  if (!history_.CanRedo()) return;
  history_.Redo(*store_);
  AfterRead();
  Process();
  AfterPointsChanged();
}

}  // namespace wl
