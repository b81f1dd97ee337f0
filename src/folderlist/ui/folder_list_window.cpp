#include "folderlist/ui/folder_list_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "folderlist/ui/folder_list_model.h"
#include "session/track_session.h"
#include "track/number_format.h"
#include "widgets/clipboard_text.h"
#include "widgets/grid_style.h"
#include "widgets/read_only_grid.h"
#include "widgets/twips.h"

namespace wl {

namespace {

constexpr const char* kChooserTitle = "Select a Folder to list tracks from";
constexpr int kActivationFallbackMs = 500;
constexpr int kGridWidth = 5400;  // twips; the name column takes what the two number columns leave

QString LabelText(const std::string& text) {
  return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

FolderListWindow::FolderListWindow(const TrackSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName("frmShowFileData");
  UseTwipsFont(this);
  setWindowTitle("List Tracks");

  model_ = new FolderListModel(listing_, this);
  grid_ = new ReadOnlyGrid("MSF", {"mnuListView1", "LV", "MnuSelAll", "&Select All", "mnuCopy", "&Copy"},
                           QAbstractItemView::SelectRows, this);
  grid_->setModel(model_);
  grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  SetColumnWidths();
  grid_->setMinimumSize(TwipsToPx(kGridWidth, this), TwipsToPx(3600, this));
  connect(grid_, &ReadOnlyGrid::SelectAllRequested, this, &FolderListWindow::SelectAllRows);
  connect(grid_, &ReadOnlyGrid::CopyRequested, this, &FolderListWindow::CopySelectedRows);

  auto* browse = new QPushButton("Select Folder", this);
  browse->setObjectName("cmdBrowseFolder");
  browse->setToolTip("Click to Select (another) folder");
  connect(browse, &QPushButton::clicked, this, &FolderListWindow::BrowseFolder);

  auto* frame = new QGroupBox("file type to include", this);
  frame->setObjectName("Frame1");
  optTRC_ = new QRadioButton("trc files", frame);
  optTRC_->setObjectName("optTRC");
  optTRT_ = new QRadioButton("trt files", frame);
  optTRT_->setObjectName("optTRT");
  optBOTH_ = new QRadioButton("trc and trt files", frame);
  optBOTH_->setObjectName("optBOTH");
  optBOTH_->setChecked(true);
  auto* frameLayout = new QVBoxLayout(frame);
  for (QRadioButton* option : {optTRC_, optTRT_, optBOTH_}) {
    frameLayout->addWidget(option);
    connect(option, &QRadioButton::clicked, this, &FolderListWindow::ShowList);
  }

  auto* copyAll = new QPushButton(this);
  copyAll->setObjectName("cmdCopyAll");
  copyAll->setIcon(QIcon::fromTheme("edit-copy", style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
  copyAll->setToolTip(
      "Click to Copy all text to clipboard; you can also use the RightClick menu in the list to copy selected "
      "lines");
  connect(copyAll, &QPushButton::clicked, this, &FolderListWindow::CopyAllRows);

  lblMsg_ = new QLabel(this);
  lblMsg_->setObjectName("lblMsg");
  lblMsg_->setWordWrap(true);
  lblMsg_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* side = new QVBoxLayout;
  side->addWidget(browse);
  side->addWidget(frame);
  side->addWidget(copyAll, 0, Qt::AlignLeft);
  side->addStretch();
  auto* layout = new QGridLayout(this);
  layout->addWidget(grid_, 0, 0);
  layout->addLayout(side, 0, 1);
  layout->addWidget(lblMsg_, 1, 0, 1, 2);
  layout->setColumnStretch(0, 1);
  layout->setRowStretch(0, 1);
}

void FolderListWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  // Listed once the window is on screen (its first paint), so the progress can be seen; a window
  // that is never painted is activated all the same.
  activationPending_ = true;
  QTimer::singleShot(kActivationFallbackMs, this, &FolderListWindow::Activate);
}

void FolderListWindow::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (activationPending_) QTimer::singleShot(0, this, &FolderListWindow::Activate);
}

void FolderListWindow::Activate() {
  if (!activationPending_ || !isVisible()) return;
  activationPending_ = false;
  if (listFolder_.empty()) listFolder_ = ListFolderFromLastFile(session_.StoredSetting(SettingKey::LastFile));
  if (listFolder_.empty()) listFolder_ = ChooseListFolder();
  if (listFolder_.empty()) {
    reject();
    return;
  }
  ShowList();
}

void FolderListWindow::SetColumnWidths() {
  grid_->SetColumnWidths([](int col) { return col == 0 ? kGridWidth - 2350 : 1000; });
}

std::string FolderListWindow::ChooseListFolder() {
  // With no folder yet, the chooser starts where the open track is.
  const std::string start =
      listFolder_.empty() ? ListFolderFromLastFile(session_.Store().InputFileName) : listFolder_;
  return session_.Prompts().ChooseFolder(kChooserTitle, start).value_or(std::string());
}

void FolderListWindow::BrowseFolder() {
  std::string folder = ChooseListFolder();
  if (folder.empty()) return;
  listFolder_ = std::move(folder);
  ShowList();
}

ListType FolderListWindow::SelectedType() const {
  if (optTRC_->isChecked()) return ListType::TRC;
  if (optTRT_->isChecked()) return ListType::TRT;
  return ListType::Both;
}

void FolderListWindow::ShowList() {
  model_->Clear();
  const ReaderSettings reader = session_.Settings().Reader(false);
  // The listing does not yield to the event loop: each file's row and the percentage are painted
  // as it is read.
  listing_.ShowList(listFolder_, SelectedType(), reader, session_.Prompts(), [this](const std::string& percent) {
    model_->Refresh();
    grid_->viewport()->repaint();
    lblMsg_->setText(QString::fromStdString(percent));
    lblMsg_->repaint();
  });
  model_->Refresh();
  SetColumnWidths();
  if (model_->rowCount() > 0) grid_->setCurrentIndex(model_->index(0, 0));
  lblMsg_->setText(LabelText(listing_.Summary(LocaleDecimalSeparator())));
}

void FolderListWindow::SelectAllRows() {
  const int rows = model_->rowCount();
  if (rows > 0) grid_->SelectBlock({0, 0, rows - 1, model_->columnCount() - 1});
}

void FolderListWindow::CopySelectedRows() {
  // The selected rows, whichever way the selection was dragged.
  const std::optional<CellBlock> rows = grid_->SelectedBlock();
  if (!rows) return;
  const std::string text = listing_.CopyText(static_cast<size_t>(rows->top), static_cast<size_t>(rows->bottom));
  if (!text.empty()) SetClipboardText(text);
}

void FolderListWindow::CopyAllRows() {
  const std::string text = listing_.CopyAllText();
  if (!text.empty()) SetClipboardText(text);
}

}  // namespace wl
