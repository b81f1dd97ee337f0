#include "mainwin/main_window.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "mainwin/tack_angle_box.h"
#include "mainwin/track_table_model.h"
#include "mainwin/track_table_view.h"
#include "session/track_session.h"
#include "widgets/app_title.h"
#include "widgets/grid_style.h"
#include "widgets/twips.h"
#include "widgets/window_placement.h"

namespace wl {

namespace {

// Twips.
constexpr int kGridLeft = 75, kGridTop = 2040, kGridMargin = 75;
constexpr int kMinWidth = 10600, kMinHeight = 4500;
constexpr int kDefaultWidth = 11850, kDefaultHeight = 7000;
constexpr int kButtonWidth = 1695, kButtonHeight = 375;

}  // namespace

MainWindow::MainWindow(TrackSession& session, QWidget* parent) : QWidget(parent), session_(session) {
  setObjectName("frmMain");
  UseTwipsFont(this);
  setAcceptDrops(true);

  // Start-up, in the settings' fixed order: geometry, caption, tack angle; then the empty table.
  CreateControls();
  ConnectControls();
  RestoreGeometry();
  setWindowTitle(MainCaption());
  tackAngle_->setText(QString::fromStdString(session_.Settings().tackAngle));
  FollowProcessing();
  Layout();
}

QPushButton* MainWindow::AddButton(const char* name, const char* caption, const char* toolTip, int left, int top) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(name);
  b->setToolTip(toolTip);
  Place(b, left, top, kButtonWidth, kButtonHeight);
  return b;
}

void MainWindow::Place(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(TwipsToPx(left, this), TwipsToPx(top, this), TwipsToPx(width, this), TwipsToPx(height, this));
}

void MainWindow::CreateControls() {
  auto label = [this](const char* name, const char* text, int left, int top, int width, int height,
                      bool wrap = true) {
    auto* l = new QLabel(text, this);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(wrap);
    Place(l, left, top, width, height);
    return l;
  };
  // A caption that the font makes larger than its place grows to the right, or down where it
  // wraps, into free space.
  auto fit = [](QWidget* w) {
    const auto* l = qobject_cast<QLabel*>(w);
    const bool wraps = l && l->wordWrap();
    const int width = wraps ? w->width() : std::max(w->width(), w->sizeHint().width());
    w->resize(width, std::max(w->height(), wraps ? w->heightForWidth(width) : w->sizeHint().height()));
  };
  fit(label("Inputfiletag", "Inputfile:", 120, 120, 600, 195, false));
  inputName_ = label("Inputfilenaam", "", 1080, 120, 5085, 555);
  fit(label("Outputfiletag", "Outputfile: ", 120, 840, 765, 195, false));
  outputName_ = label("Outputfilenaam", "", 1080, 840, 5085, 555);
  fit(label("Label1", "Turn angle which marks a new Tack 15-60 or  0", 1080, 1560, 3735, 375));

  cmdOpen_ = AddButton("CommandOpenInput", "Open Inputfile", "Opens a .trc or .trt file (Ctrl+O)", 6360, 0);
  cmdPlot_ = AddButton("cmdPlot", "Plot Route", "Open Plot View", 6360, 480);
  cmdSave_ = AddButton("CommandSave", "Save", "Saves the data as listed below (Ctrl+S)", 6360, 960);
  cmdComments_ = AddButton("cmdShowComments", "Comments",
                           "In .trt files you can have comment lines, starting with '/*'; if there are any, this "
                           "button will display them",
                           6360, 1560);
  cmdDelFile_ = AddButton("cmdDelFile", "Delete Open File", "Completely removes the current file", 8160, 0);
  cmdShowTack_ = AddButton("CmdShowTack", "List Tack Data", "Lists the Tacks with their information", 8160, 480);
  optAllWpts_ = new QRadioButton("Output all waypoints", this);
  optAllWpts_->setObjectName("OptionAllWpts");
  optAllWpts_->setChecked(true);
  Place(optAllWpts_, 8160, 960, 1815, 255);
  fit(optAllWpts_);
  optTrackWpts_ = new QRadioButton("Output track waypoints only", this);
  optTrackWpts_->setObjectName("OptionTrackWpts");
  Place(optTrackWpts_, 8160, 1260, 2295, 255);
  fit(optTrackWpts_);
  cmdCOMSet_ = AddButton("cmdCOMSet", "Settings", "Show/Modify settings for Plot and Simulation", 8160, 1560);
  cmdListDist_ =
      AddButton("cmdListDist", "List Tracks", "Lists the tracks and distances in a selected Folder", 9960, 0);
  cmdPlot_->setEnabled(false);
  cmdDelFile_->setEnabled(false);
  cmdShowTack_->setEnabled(false);

  tackAngle_ = new TackAngleBox(session_.Prompts(), this);
  Place(tackAngle_, 5280, 1560, 855, 375);

  // Drawn over the button beside it while a pass runs; empty otherwise.
  progress_ = label("lblProgress", "", 8160, 120, 45, 195, false);

  auto* model = new TrackTableModel(session_.Processed(), this);
  grid_ = new TrackTableView(model, this);
  connect(&session_, &TrackSession::TackFlagChanged, model, &TrackTableModel::TackFlagChanged);
  status_ = label("lblStatus", "", kGridLeft, 0, 0, 0, false);
  status_->hide();
  // A face wider than the one the twips were drawn for pushes captions past them: the window
  // grows so that every control stays whole.
  int controlsRight = 0;
  for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->isWindow() && w != grid_ && w != progress_) controlsRight = std::max(controlsRight, w->geometry().right());
  setMinimumSize(std::max(TwipsToPx(kMinWidth, this), controlsRight + 1 + TwipsToPx(kGridMargin, this)),
                 TwipsToPx(kMinHeight, this));

  optionsMenu_ = new QMenu("Options", this);
  optionsMenu_->setObjectName("mnuOptions");
  optionsMenu_->addAction("&Center window", this, &MainWindow::CenterWindow)->setObjectName("mnuOptionsMv");
  optionsMenu_->addAction("&Size window to default", this, &MainWindow::SizeToDefault)->setObjectName("mnuOptionsSz");
}

void MainWindow::ConnectControls() {
  connect(cmdOpen_, &QPushButton::clicked, &session_, &TrackSession::Open);
  connect(cmdSave_, &QPushButton::clicked, this, &MainWindow::Save);
  connect(cmdComments_, &QPushButton::clicked, this, &MainWindow::ShowComments);
  connect(cmdDelFile_, &QPushButton::clicked, this, &MainWindow::DeleteOpenFile);
  connect(cmdShowTack_, &QPushButton::clicked, this, &MainWindow::TackListRequested);
  connect(cmdListDist_, &QPushButton::clicked, this, &MainWindow::FolderListRequested);
  connect(cmdPlot_, &QPushButton::clicked, this, &MainWindow::PlotRequested);
  connect(cmdCOMSet_, &QPushButton::clicked, this, &MainWindow::SettingsRequested);
  connect(grid_, &TrackTableView::DeleteRequested, this, &MainWindow::DeletePoints);
  connect(grid_, &TrackTableView::InsertRequested, this, &MainWindow::InsertFile);
  connect(grid_, &TrackTableView::UndoRequested, &session_, &TrackSession::Undo);
  connect(grid_, &TrackTableView::RedoRequested, &session_, &TrackSession::Redo);
  connect(grid_, &TrackTableView::ThinRequested, &session_, &TrackSession::Thin);

  connect(tackAngle_, &TackAngleBox::Accepted, this, [this](const QString& text) {
    session_.ChangeSetting(SettingKey::TackAngle, [&](SettingsValues& v) { v.tackAngle = text.toStdString(); });
  });
  connect(tackAngle_, &TackAngleBox::Left, this, [this] {
    session_.Reprocess();
    cmdPlot_->setEnabled(true);
  });

  connect(&session_, &TrackSession::TrackChanged, this, &MainWindow::FollowTrack);
  connect(&session_, &TrackSession::OpenEnded, this, &MainWindow::UpdateFileButtons);
  connect(&session_, &TrackSession::TrackProcessed, this, &MainWindow::FollowProcessing);
  connect(&session_, &TrackSession::Progress, this, &MainWindow::ShowProgress);

  auto shortcut = [this](QKeySequence keys, auto slot) {
    auto* a = new QAction(this);
    a->setShortcut(keys);
    a->setShortcutContext(Qt::WindowShortcut);
    connect(a, &QAction::triggered, this, slot);
    addAction(a);
  };
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_O), [this] { cmdOpen_->click(); });
  shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { cmdSave_->click(); });
}

void MainWindow::Layout() {
  if (!grid_ || isMinimized()) return;
  const int left = TwipsToPx(kGridLeft, this), top = TwipsToPx(kGridTop, this);
  const int margin = TwipsToPx(kGridMargin, this);
  const int gridWidth = std::max(width() - left - margin, 0);
  // The status line, when there is one, takes a line from the table's foot.
  const int statusHeight = status_->isHidden() ? 0 : status_->sizeHint().height();
  const int gridHeight = std::max(height() - top - margin - statusHeight, 0);
  grid_->setGeometry(left, top, gridWidth, gridHeight);
  status_->setGeometry(left, top + gridHeight, gridWidth, statusHeight);
}

void MainWindow::RestoreGeometry() {
  const WindowGeometry& g = session_.Settings().mainGeometry;
  QList<QRect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
  const QRect stored(TwipsToPx(g.left, this), TwipsToPx(g.top, this), TwipsToPx(g.width, this),
                     TwipsToPx(g.height, this));
  const QRect placed = PlaceOnScreens(stored, screens);
  move(placed.topLeft());
  resize(placed.size());
}

void MainWindow::SelectPoint(int32_t index) {
  grid_->SetCurrentRow(index);
  grid_->scrollTo(grid_->currentIndex());
  grid_->SetHighlight(TrackTableView::Highlight::Always);
}

void MainWindow::StoreGeometry() {
  auto twips = [this](int px) { return static_cast<float>(PxToTwips(px, this)); };
  const WindowGeometry now{twips(pos().x()), twips(pos().y()), twips(width()), twips(height())};
  session_.ChangeSettings({SettingKey::MainLeft, SettingKey::MainTop, SettingKey::MainWidth, SettingKey::MainHeight},
                          [&](SettingsValues& v) { v.mainGeometry = now; });
}

void MainWindow::CenterWindow() {
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  const QRect screen = this->screen()->geometry();
  const QRect frame = frameGeometry();
  move(screen.x() + (screen.width() - frame.width()) / 2, screen.y() + (screen.height() - frame.height()) / 2);
  Layout();
}

void MainWindow::SizeToDefault() {
  if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
  resize(TwipsToPx(kDefaultWidth, this), TwipsToPx(kDefaultHeight, this));
  Layout();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Layout();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!session_.MayQuit()) {
    event->ignore();
    return;
  }
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w != this && w->isVisible()) w->close();
  if (!isMinimized()) StoreGeometry();
  event->accept();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  // The window's free surface: anywhere outside its controls.
  if (event->button() == Qt::RightButton && !childAt(event->position().toPoint())) {
    optionsMenu_->popup(event->globalPosition().toPoint());
    return;
  }
  QWidget::mousePressEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QMimeData* mime = event->mimeData();
  if (mime->hasUrls() && !mime->urls().isEmpty() && mime->urls().constFirst().isLocalFile())
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.constFirst().isLocalFile()) return;
  event->acceptProposedAction();
  // Questions and messages wait until the drag has ended.
  const std::string file = urls.constFirst().toLocalFile().toStdString();
  QTimer::singleShot(0, this, [this, file] { session_.OpenFile(file); });
}

}  // namespace wl
